#include <algorithm>

#include "engine/EngineFixture.h"
#include "ui/IconTools.h"

namespace hw::test {
namespace {

using PollLoop = EngineTest;

TEST_F(PollLoop, HidesMinimisedMatchingWindowsAndRestoredOnesLoseTheirSlotsInAnyOrder) {
    Start({{u"DOC*", kAppIcon}});
    EXPECT_EQ(host.interval, kFirstTickMs);
    EXPECT_TRUE(host.timerEnabled);
    WindowHandle a = Minimised(u"Doc A"), b = Minimised(u"Doc B");
    desktop.Add(u"Doc A");  // not minimised: stays
    Tick();
    EXPECT_TRUE(Hidden(a) && desktop[a].iconic);
    EXPECT_EQ(SlotWindow(2), a);
    EXPECT_EQ(SlotTip(2), u"Doc A");
    EXPECT_EQ(engine.Records().Icons().Count(), 2);
    EXPECT_EQ(host.mainIcon, Picture::SomeHidden);
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver)->icon, host.PictureIcon(Picture::SomeHidden));
    EXPECT_EQ(host.interval, kHideCheckMs);  // the next tick checks soon that they went
    Tick();
    EXPECT_EQ(host.interval, 500);

    WindowHandle first = SlotWindow(1);
    desktop[first].iconic = false;  // restored through the task list or by its program
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_TRUE(SlotWindow(2));
    EXPECT_EQ(SlotIcon(1), nullptr);
    EXPECT_EQ(engine.Records().Icons().Count(), 1);
    EXPECT_TRUE(desktop[first].visible);

    desktop.Close(first == a ? b : a);  // closed by its program while hidden
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    EXPECT_EQ(engine.Records().Icons().Count(), 0);
    EXPECT_EQ(host.mainIcon, Picture::NoneHidden);
    EXPECT_TRUE(tray.icons.size() == 1 && tray.icons[0].receiver == FakeHost::kOwnReceiver);
    // With every window back, slots count from 1 again.
    Minimised(u"Doc C");
    Tick();
    EXPECT_TRUE(SlotWindow(1));
}

TEST_F(PollLoop, CaptionChangesFollowTheTipOrBringTheWindowBack) {
    Start({{u"*EDITOR*", kAppIcon}});
    WindowHandle h = Minimised(u"report.txt - Editor");
    Tick();
    desktop[h].caption = u"letter.txt - Editor";
    Tick();
    EXPECT_EQ(SlotTip(1), u"letter.txt - Editor");
    // An unchanged caption leaves the tip alone, however long it is.
    desktop[h].caption = Text(100, u'x') + u" - Editor";
    Tick();
    auto tipChanges = [&] {
        return std::count_if(tray.calls.begin(), tray.calls.end(), [](auto& c) { return c.record.changes & kNifTip; });
    };
    auto changes = tipChanges();
    Tick();
    EXPECT_EQ(tipChanges(), changes);
    // A window that showed itself while minimised is hidden again.
    desktop[h].visible = true;
    Tick();
    EXPECT_TRUE(Hidden(h));
    // A caption that no longer matches brings the window back, still minimised.
    desktop[h].caption = u"Something else";
    Tick();
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_TRUE(desktop[h].iconic);
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
}

// One tick over windows of every kind of entry: each window takes the icon of the first entry
// it matches; a malformed pattern matches nothing and says nothing.
TEST_F(PollLoop, EachWindowShowsTheIconOfTheFirstEntryItMatches) {
    Start({{u"[ABC", kAppIcon}, {u"PLAIN*", u""}, {u"GONE*", u"000:C:\\Gone\\missing.exe"}, {u"*PAD*", kOtherIcon},
           {u"*NOTEPAD*", kAppIcon}, {u"OWN*", kWindowIconReference}});
    Minimised(u"[ABC");
    WindowHandle plain = Minimised(u"Plain");
    Minimised(u"Notepad");
    Minimised(u"Gone");
    icons.windowsWithIcons = {Minimised(u"Own icon")};
    desktop[Minimised(u"Own none")].program = u"plain.exe";  // a program file without icons
    desktop[Minimised(u"Own program's")].program = u"other.dll";
    // Handles that share their last eight digits are two windows.
    desktop.AddWithHandle(WindowHandle{0x100000000ull + 12345678}, u"Plain 1", true);
    desktop.AddWithHandle(WindowHandle{12345678}, u"Plain 2", true);
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 8);
    EXPECT_EQ(engine.Records().Icons().Count(), 5);
    EXPECT_TRUE(Hidden(plain));
    EXPECT_EQ(SlotIcon(SlotView(u"Plain")), nullptr);
    EXPECT_EQ(icons.lastExtracted, u"C:\\Apps\\other.dll");
    EXPECT_EQ(SlotIcon(SlotView(u"Gone"))->icon, host.PictureIcon(Picture::Program));
    EXPECT_TRUE(icons.live.count(SlotIcon(SlotView(u"Own icon"))->icon)) << "a copy of the window's own icon";
    EXPECT_EQ(SlotIcon(SlotView(u"Own none"))->icon, host.PictureIcon(Picture::Program));
    EXPECT_TRUE(icons.live.count(SlotIcon(SlotView(u"Own program's"))->icon)) << "its program file's icon";
    EXPECT_EQ(icons.lastSize, host.iconSize);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(host.timerEnabled);
}

TEST_F(PollLoop, SuspendLetsTheRunningTickFinishAndStopsPolling) {
    Start({{u"*", kAppIcon}});
    engine.Poll().ToggleSuspend();
    EXPECT_FALSE(host.timerEnabled);
    // Suspended can be seen: the own icon's tip and picture say so.
    EXPECT_EQ(FakeNotifyArea::ShownTip(*tray.Find(FakeHost::kOwnReceiver)), u"Hidewell (suspended)");
    EXPECT_EQ(host.mainIcon, Picture::Suspended);
    Minimised(u"App");
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_FALSE(host.timerEnabled);
    engine.Poll().ToggleSuspend();
    EXPECT_TRUE(host.timerEnabled);
    EXPECT_EQ(host.interval, 1);
    EXPECT_EQ(FakeNotifyArea::ShownTip(*tray.Find(FakeHost::kOwnReceiver)), u"Hidewell");
    EXPECT_EQ(host.mainIcon, Picture::SomeHidden);
}

// Explorer still starting refuses the own icon; Explorer restarted without TaskbarCreated has
// lost every icon. Either way the next tick puts them back.
TEST_F(PollLoop, IconsTheShellRefusedOrLostComeBackAtTheNextTick) {
    tray.refuseAdds = true;
    Start({{u"*", kAppIcon}});
    EXPECT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);
    tray.refuseAdds = false;
    Tick();
    EXPECT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);

    Minimised(u"App");
    Tick();
    ASSERT_EQ(tray.icons.size(), 2u);
    tray.icons.clear();
    Tick();
    EXPECT_NE(tray.Find(FakeHost::kOwnReceiver), nullptr);
    EXPECT_EQ(SlotTip(1), u"App");
    const std::size_t calls = tray.calls.size();
    Tick();
    EXPECT_EQ(tray.calls.size(), calls + 1) << "a steady tick asks the shell once";

    // A window whose icon cannot be added is shown again.
    tray.refuseAdds = true;
    WindowHandle h = Minimised(u"App 2");
    Tick();
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
}

// A window of an entry without icon is reached through the own icon: while the shell takes no
// icon (it is still starting), the window stays on the taskbar; it is hidden once the icon is in.
TEST_F(PollLoop, AWindowWithoutAnIconOfItsOwnWaitsForTheOwnIcon) {
    tray.refuseAdds = true;
    Start({{u"*", u""}});
    WindowHandle h = Minimised(u"App");
    Tick();
    EXPECT_FALSE(Hidden(h));
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    tray.refuseAdds = false;
    Tick();
    Tick();
    EXPECT_TRUE(Hidden(h));
    EXPECT_TRUE(tray.balloons.empty()) << "nothing was refused";
}

TEST_F(PollLoop, SlotsAreRenumberedWhenTheThirtiethIsTakenAfterOthersWereFreed) {
    Start({{u"W*", kAppIcon}});
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 29; ++i) windows.push_back(Minimised(Text(u"W").append(DecimalText(i))));
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 29);
    desktop[windows[0]].iconic = false;
    Minimised(u"W new");
    Tick();  // slot 30 is taken, then the windows get the slots 1 to 29, icons and all
    EXPECT_EQ(engine.Windows().HiddenCount(), 29);
    EXPECT_EQ(engine.Windows().HiddenWindows().back().slot, 29);
    EXPECT_EQ(engine.Records().Icons().Count(), 29);
    EXPECT_EQ(host.receivers.size(), 29u);
    EXPECT_EQ(tray.icons.size(), 30u);
    for (WindowHandle h : windows) EXPECT_TRUE(h == windows[0] || Hidden(h));

    // Beyond thirty, windows keep their slots: no renumbering loop.
    Minimised(u"W 30");
    Minimised(u"W 31");
    Tick();
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 31);
    EXPECT_EQ(engine.Windows().HiddenWindows().back().slot, 31);
    EXPECT_EQ(host.interval, 500);
}

TEST_F(PollLoop, ScanOverflowShowsOneMessageShowsTheHiddenWindowsAndStopsPolling) {
    Start({{u"W*", kAppIcon}});
    WindowHandle hidden = Minimised(u"W first");
    Tick();
    desktop.crowd = 32768;
    Tick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, u"6 : 06/12/2026 : 14:05:00");
    EXPECT_EQ(ui.messages[0].style, static_cast<std::uint32_t>(kMbIconCritical));
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    EXPECT_FALSE(host.timerEnabled);
    desktop.Advance();
    EXPECT_TRUE(desktop[hidden].visible) << "no window is left without a way back";
}

// Every way out shows the hidden windows again except the session's end; a failed save is
// told where someone waits for Hidewell to end, and logged where nobody does.
TEST(Quit, ShowsHiddenWindowsUnlessTheSessionEndsAndReportsAFailedSave) {
    const struct {
        QuitReason reason;
        bool shown, told;
    } kCases[] = {{QuitReason::SessionEnd, false, false}, {QuitReason::RestartManager, true, false},
                  {QuitReason::User, true, true}, {QuitReason::Program, true, true}};
    for (const auto& c : kCases) {
        SimulatedEngine s;
        s.Start({{u"*", kAppIcon}});
        WindowHandle h = s.desktop.Add(u"App", true);
        s.Tick();
        s.reg.writesLeft = 0;
        s.engine.Quit(c.reason);
        s.desktop.Advance();
        EXPECT_TRUE(s.tray.icons.empty());
        EXPECT_EQ(s.desktop[h].visible, c.shown) << int(c.reason);
        EXPECT_TRUE(s.desktop[h].iconic);
        EXPECT_EQ(s.ui.messages.size(), c.told ? 1u : 0u) << int(c.reason);
        EXPECT_TRUE(!c.told || s.ui.messages[0].text == kSaveFailedMessage);
        EXPECT_FALSE(s.log.lines.empty()) << int(c.reason);
    }
}

// An entry that hides its windows as soon as they appear minimises them first, waits for a
// busy program, and never fights the user: a window brought back is left alone until it is
// minimised (then hidden as usual) or closed and opened again.
TEST_F(PollLoop, AppearRuleHidesNewWindowsOnceAndLeavesThemToTheUser) {
    Start({{u"*NOTEPAD*", kAppIcon, true}, {u"*MAIL*", kAppIcon}});
    const WindowHandle mail = desktop.Add(u"Mail");
    WindowHandle h = desktop.Add(u"Untitled - Notepad");
    desktop[h].pumpDelayMs = 600;  // later than the next tick
    engine.OnWindowEvent(WindowEvent::Appeared, h);
    EXPECT_EQ(host.interval, kEventTickMs);
    Tick();
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    desktop.Advance(600);
    Tick();
    EXPECT_TRUE(Hidden(h) && desktop[h].iconic);
    EXPECT_FALSE(Hidden(mail));
    desktop[h].pumpDelayMs = 0;

    auto bringBack = [&] {
        desktop[h].iconic = false;
        desktop[h].visible = true;
        for (int i = 0; i < 3; ++i) Tick();
    };
    bringBack();
    EXPECT_FALSE(Hidden(h));
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    desktop[h].iconic = true;
    Tick();
    EXPECT_TRUE(Hidden(h));
    bringBack();
    EXPECT_FALSE(Hidden(h));

    desktop.Reuse(h, u"Untitled - Notepad");  // closed, and a new one has the handle
    Tick();
    EXPECT_TRUE(Hidden(h));
}

}  // namespace
}  // namespace hw::test
