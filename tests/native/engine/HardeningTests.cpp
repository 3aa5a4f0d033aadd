// The engine where the platform is not polite: events between ticks, windows that will not
// hide, a run that ended without a clean exit, and many cycles of hiding and restoring.
#include <algorithm>

#include "engine/HiddenJournal.h"
#include "fakes/FakeMenus.h"
#include "hiddenwindows/SysMenuMirror.h"

#include "EngineFixture.h"

namespace hw::test {
namespace {

class Hardening : public EngineTest {
protected:
    long Balloons(const Text& text) const { return std::count(tray.balloons.begin(), tray.balloons.end(), u"Hidewell|" + text); }
    long Requests(WindowHandle h, int command) const {
        return std::count(desktop.shows.begin(), desktop.shows.end(), std::pair{h, command});
    }
};

TEST_F(Hardening, AReportedMinimiseHidesAtOnceOrBringsATickForwardButNeverIntoATickOrWhileSuspended) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", kAppIcon}});
    Tick();
    ASSERT_EQ(host.interval, 500);

    // A matching window is asked to hide at once, its journal record written first; the
    // tick that checks on it comes soon.
    WindowHandle h = Minimised(u"Untitled - Notepad");
    desktop.onShow = [&](WindowHandle, int) { EXPECT_EQ(HiddenJournal(reg, kJournalKey).Read().size(), 1u); };
    engine.OnWindowEvent(WindowEvent::Minimized, h);
    desktop.onShow = nullptr;
    EXPECT_EQ(host.interval, kHideCheckMs);
    engine.OnWindowEvent(WindowEvent::Minimized, h);  // asked once only
    EXPECT_EQ(std::count(desktop.shows.begin(), desktop.shows.end(), std::pair{h, int(kSwHide)}), 1);
    desktop.Advance();
    EXPECT_TRUE(Hidden(h));
    // One that no entry takes brings a tick forward all the same.
    engine.OnWindowEvent(WindowEvent::Minimized, Minimised(u"Other"));
    EXPECT_EQ(host.interval, kEventTickMs);
    EXPECT_TRUE(host.timerEnabled);
    Tick();

    // An event that arrives while a tick runs is taken when the tick ends, whether or not its
    // scan had passed the window; it brings no further tick.
    WindowHandle report = Minimised(u"Report 1");
    WindowHandle passed = desktop.Add(u"Report 3");  // on top: scanned first, still shown
    desktop.onShow = [&](WindowHandle h, int) {
        if (h != report) return;
        desktop[passed].iconic = true;
        engine.OnWindowEvent(WindowEvent::Minimized, passed);
        engine.OnWindowEvent(WindowEvent::Minimized, report);
    };
    Tick();
    desktop.onShow = nullptr;
    EXPECT_TRUE(Hidden(report) && Hidden(passed));
    EXPECT_NE(host.interval, kEventTickMs);

    engine.Poll().ToggleSuspend();
    const int hidden = engine.Windows().HiddenCount();
    engine.OnWindowEvent(WindowEvent::Minimized, Minimised(u"Report 2"));
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_NE(host.interval, kEventTickMs);
    EXPECT_EQ(engine.Windows().HiddenCount(), hidden);

    // A caption change of a hidden window reaches its tip at once; others are ignored.
    desktop[h].caption = u"Letter - Notepad";
    engine.OnWindowEvent(WindowEvent::CaptionChanged, h);
    engine.OnWindowEvent(WindowEvent::CaptionChanged, desktop.Add(u"Other"));
    EXPECT_EQ(SlotTip(1), u"Letter - Notepad");
}

TEST_F(Hardening, OnlyARealRefusalIsReportedAndEachOnceWithItsCause) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle elevated = Minimised(u"Admin - Notepad");
    desktop[elevated].elevated = true;
    WindowHandle refused = Minimised(u"Locked - Notepad");
    desktop[refused].refusesHide = true;
    WindowHandle store = Minimised(u"Store - Notepad");
    desktop[store].className = u"ApplicationFrameWindow";
    WindowHandle hung = Minimised(u"Hung - Notepad");
    desktop[hung].hung = true;
    WindowHandle normal = Minimised(u"Untitled - Notepad");
    for (int i = 0; i < 5; ++i) Tick();

    EXPECT_TRUE(Hidden(normal));
    ASSERT_EQ(engine.Windows().HiddenCount(), 2);  // the normal window, and the hung one still asked
    EXPECT_EQ(engine.Records().Icons().Count(), 2);
    EXPECT_EQ(Balloons(u"Hidewell cannot hide Admin - Notepad: it runs with higher rights."), 1);
    EXPECT_EQ(Balloons(u"Hidewell cannot hide Locked - Notepad: Windows refused the request."), 1);
    EXPECT_EQ(Balloons(u"Hidewell cannot hide Store - Notepad: it is a Store app, which Windows does not let other "
                       u"programs hide."), 1);
    EXPECT_EQ(tray.balloons.size(), 3u) << "a hung program is not told it has higher rights";
    EXPECT_TRUE(desktop[store].visible);
    EXPECT_EQ(std::count(desktop.shows.begin(), desktop.shows.end(), std::pair{elevated, int(kSwHide)}), 0)
        << "a program of higher rights is not asked in vain";
    EXPECT_EQ(std::count(desktop.shows.begin(), desktop.shows.end(), std::pair{hung, int(kSwHide)}), 1)
        << "requests do not pile up in a hung program's queue";
    EXPECT_EQ(std::count(desktop.shows.begin(), desktop.shows.end(), std::pair{refused, int(kSwHide)}), 1)
        << "a refused window is not asked again at every tick";
    EXPECT_TRUE(desktop[elevated].visible && desktop[refused].visible);
}

// A refusal is told where the user can see it: on a hidden window's icon while the own icon
// is hidden, or once the shell takes an icon again; never marked as told when shown nowhere.
TEST_F(Hardening, ARefusalIsToldOnAnIconTheUserCanSee) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    SetOptions([](OptionValues& o) { o.hideOwnIcon = true; });
    Minimised(u"Untitled - Notepad");
    Tick();
    Tick();
    ASSERT_EQ(tray.Find(FakeHost::kOwnReceiver), nullptr);
    desktop[Minimised(u"Admin - Notepad")].elevated = true;
    Tick();
    const Text told = u"Hidewell cannot hide Admin - Notepad: it runs with higher rights.";
    EXPECT_EQ(Balloons(told), 1);
    EXPECT_EQ(tray.calls.back().record.receiver, FakeHost::ReceiverOf(1));

    // The shell has lost every icon and takes none for a while.
    tray.icons.clear();
    tray.refuseAdds = true;
    desktop[Minimised(u"Locked - Notepad")].refusesHide = true;
    Tick();
    Tick();
    EXPECT_EQ(Balloons(u"Hidewell cannot hide Locked - Notepad: Windows refused the request."), 0);
    tray.refuseAdds = false;
    Tick();
    Tick();
    EXPECT_EQ(Balloons(u"Hidewell cannot hide Locked - Notepad: Windows refused the request."), 1);
    EXPECT_EQ(Balloons(told), 1);
}

// Windows refuses a show while the program's message queue is full: the record keeps its icon,
// every tick asks again (logged once), and an Exit meanwhile leaves the window to the journal.
TEST_F(Hardening, AShowWindowsRefusedIsAskedAgainAndTheWindowKeepsItsWayBack) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle h = Minimised(u"Untitled - Notepad");
    Tick();
    ASSERT_TRUE(Hidden(h));
    desktop[h].refusesShow = true;
    EditEntries([](Entries& e) { e[0].titlePattern = u"*MAIL*"; });
    engine.Config().RefreshAll();
    const std::size_t logged = log.lines.size();
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_NE(SlotIcon(1), nullptr);
    EXPECT_EQ(Requests(h, kSwShowNa), 4);
    EXPECT_EQ(log.lines.size(), logged);
    ASSERT_GE(logged, 1u);
    EXPECT_EQ(log.lines.back().caption, u"Untitled - Notepad");
    desktop[h].refusesShow = false;
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_TRUE(HiddenJournal(reg, kJournalKey).Read().empty());

    EditEntries([](Entries& e) { e[0].titlePattern = u"*NOTEPAD*"; });
    Tick();
    ASSERT_TRUE(Hidden(h));
    desktop[h].refusesShow = true;
    engine.Quit(QuitReason::User);
    ASSERT_EQ(HiddenJournal(reg, kJournalKey).Read().size(), 1u);
    EXPECT_EQ(HiddenJournal(reg, kJournalKey).Read()[0].window, h);
    // The next start asks again; still refused, the window has its own icon until it shows.
    PlantEntries(reg, {{u"*MAIL*", kAppIcon}});
    TrayEngine next(platform);
    next.Start();
    EXPECT_EQ(next.Windows().HiddenCount(), 1);
    EXPECT_EQ(tray.icons.size(), 2u);
    desktop[h].refusesShow = false;
    next.PollTick();
    desktop.Advance();
    EXPECT_TRUE(desktop[h].visible);
    EXPECT_EQ(next.Windows().HiddenCount(), 0);
    EXPECT_TRUE(HiddenJournal(reg, kJournalKey).Read().empty());
    next.Quit(QuitReason::User);
}

// A close shows the window first; while Windows refuses that, the window keeps its icon.
TEST_F(Hardening, AClosedWindowWhoseShowIsRefusedKeepsItsWayBack) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle h = Minimised(u"Untitled - Notepad");
    desktop[h].refusesClose = true;  // the user cancels the close
    Tick();
    desktop[h].refusesShow = true;
    EXPECT_TRUE(engine.Windows().Close(Ref(1)));
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_NE(SlotIcon(1), nullptr);
    desktop[h].refusesShow = false;
    Tick();
    Tick();
    EXPECT_TRUE(desktop[h].visible && !desktop[h].iconic);
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
}

// The user restores a window whose program has not yet carried out the hide: the restore wins.
// The record stays until the window shows not minimised, and neither the minimised scan nor an
// appear rule (the parameter) hides it again until the user minimises it.
class PendingRestore : public Hardening, public ::testing::WithParamInterface<bool> {};

TEST_P(PendingRestore, TheUsersRestoreWins) {
    Start({{u"*NOTEPAD*", kAppIcon, GetParam()}});
    WindowHandle h = Minimised(u"Big file - Notepad");
    desktop[h].pumpDelayMs = 2000;
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 1);
    engine.OnWindowIconEvent(1, 0x203);  // double click
    Tick();
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 1) << "forgotten before the window showed";
    EXPECT_NE(SlotIcon(1), nullptr);
    desktop.Advance(2000);
    for (int i = 0; i < 4; ++i) Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    EXPECT_TRUE(desktop[h].visible && !desktop[h].iconic);
    EXPECT_EQ(Requests(h, kSwHide), 1);
    EXPECT_EQ(Requests(h, kSwMinimize), 0);

    desktop[h].pumpDelayMs = 0;
    desktop[h].iconic = true;
    engine.OnWindowEvent(WindowEvent::Minimized, h);
    Tick();
    EXPECT_TRUE(Hidden(h));
}

INSTANTIATE_TEST_SUITE_P(MinimisedOrAppearing, PendingRestore, ::testing::Bool());

TEST_F(Hardening, ABusyProgramsWindowKeepsItsIconUntilItGoes) {
    Start({{u"*NOTEPAD*", kAppIcon}}, 3000);
    WindowHandle h = Minimised(u"Big file - Notepad");
    desktop[h].pumpDelayMs = 2000;  // saving a large file right after it was minimised
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_TRUE(engine.Windows().HiddenWindows()[0].pending);
    EXPECT_NE(SlotIcon(1), nullptr);
    EXPECT_EQ(host.interval, kHideCheckMs);
    for (int i = 0; i < 7; ++i) Tick();  // 1.75 s later, still on the taskbar
    EXPECT_FALSE(Hidden(h));
    EXPECT_EQ(engine.Windows().HiddenCount(), 1);
    EXPECT_TRUE(tray.balloons.empty());
    Tick();
    Tick();
    EXPECT_TRUE(Hidden(h));
    EXPECT_FALSE(engine.Windows().HiddenWindows()[0].pending);
    EXPECT_EQ(host.interval, 3000);
}

TEST_F(Hardening, CommandsReachTheWindowTheyWereBuiltForOrNothing) {
    Start({{u"*", u""}});
    WindowHandle a = Minimised(u"A");
    Tick();
    const WindowRef popup = Ref(1);
    // While the popup is open, its window goes and a new window takes its handle and slot.
    desktop.Reuse(a, u"B", true);
    Tick();
    Tick();
    ASSERT_EQ(SlotWindow(1), a);
    EXPECT_NE(Ref(1), popup);
    EXPECT_FALSE(engine.Windows().Restore(popup));
    EXPECT_FALSE(engine.Windows().Close(popup));
    engine.Windows().RunMirroredCommand(popup, 0xF060);  // SC_CLOSE
    EXPECT_TRUE(desktop.Exists(a) && Hidden(a));
    EXPECT_TRUE(desktop.sent.empty());
}

TEST_F(Hardening, AStartAfterACrashBringsBackWhatTheDeadRunHid) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", u""}});
    WindowHandle notes = Minimised(u"Untitled - Notepad");
    WindowHandle report = Minimised(u"Report 7");
    WindowHandle renamed = Minimised(u"Report 8");
    WindowHandle reused = Minimised(u"Report 9");
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 4);
    EXPECT_TRUE(reg.IsVolatile(kHkeyCurrentUser, kJournalKey));

    // The process dies. Meanwhile the report entry goes, a window changes its caption, and
    // one handle now belongs to another program's window.
    desktop[renamed].caption = u"Letter - Notepad";
    desktop[reused].processId = 999;
    PlantEntries(reg, {{u"*NOTEPAD*", kAppIcon}});
    // Records of another session's Hidewell, still running, are its own; those of a session
    // that has ended are rescued.
    WindowHandle otherSession = Minimised(u"Elsewhere");
    WindowHandle endedSession = Minimised(u"Ended");
    desktop[otherSession].visible = desktop[endedSession].visible = false;
    HiddenJournal(reg, kJournalKey).Add({otherSession, desktop[otherSession].processId, 2, u"AppWindow", u"Elsewhere"});
    HiddenJournal(reg, kJournalKey).Add({endedSession, desktop[endedSession].processId, 3, u"AppWindow", u"Ended"});
    desktop.otherSessions = {2};
    TrayEngine next(platform);
    next.Start();
    desktop.Advance();
    EXPECT_FALSE(desktop[otherSession].visible);
    EXPECT_TRUE(desktop[endedSession].visible);
    EXPECT_TRUE(desktop[report].visible && desktop[report].iconic);  // back as a taskbar button
    EXPECT_FALSE(desktop[notes].visible);                            // the first tick takes these
    EXPECT_FALSE(desktop[renamed].visible);
    EXPECT_FALSE(desktop[reused].visible);                           // not ours to touch
    next.PollTick();
    desktop.Advance();
    EXPECT_EQ(next.Windows().HiddenCount(), 2);

    next.Quit(QuitReason::User);
    ASSERT_EQ(HiddenJournal(reg, kJournalKey).Read().size(), 1u);
    EXPECT_EQ(HiddenJournal(reg, kJournalKey).Read()[0].window, otherSession);
    reg.Logoff();
    EXPECT_FALSE(reg.IsVolatile(kHkeyCurrentUser, kJournalKey));
}

// Where new icons go behind the overflow button, the first hide says so, once for good; a
// window hidden without an icon of its own is told through the own icon.
TEST_F(Hardening, TheOverflowIsExplainedAtTheFirstHideAndNeverAgain) {
    host.overflow = true;
    Start({{u"*NOTEPAD*", u""}, {u"*MAIL*", kAppIcon}});
    Minimised(u"Untitled - Notepad");
    Tick();
    Minimised(u"Inbox - Mail");
    Tick();
    EXPECT_EQ(Balloons(kOverflowTip), 1);
    auto told = std::find_if(tray.calls.begin(), tray.calls.end(), [](auto& c) { return c.record.changes & kNifInfo; });
    ASSERT_NE(told, tray.calls.end());
    EXPECT_EQ(told->record.receiver, FakeHost::kOwnReceiver);

    engine.Quit(QuitReason::User);
    TrayEngine next(platform);
    next.Start();
    Minimised(u"Drafts - Mail");
    next.PollTick();
    EXPECT_EQ(Balloons(kOverflowTip), 1);
    next.Quit(QuitReason::User);
}

TEST_F(Hardening, ThousandHideAndRestoreCyclesLeaveNothingBehind) {
    FakeMenus menus;
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", u""}});
    Tick();
    const std::size_t trayBefore = tray.icons.size();
    WindowHandle notes = Minimised(u"Untitled - Notepad");
    WindowHandle report = Minimised(u"Report 1");
    menus.AddSystemMenu(notes);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        desktop[notes].iconic = desktop[report].iconic = true;
        Tick();
        ASSERT_EQ(engine.Windows().HiddenCount(), 2) << "cycle " << cycle;
        {
            // The icon's popup mirrors the window's system menu, then goes.
            SysMenuMirror mirror(menus, desktop);
            MenuHandle popup = menus.CreatePopupMenu();
            mirror.Build(popup, notes);
            mirror.Clear();
            menus.DestroyMenu(popup);
        }
        engine.Windows().Restore(*engine.Windows().FindByCaption(u"Untitled - Notepad"));
        desktop[report].iconic = false;
        Tick();
        ASSERT_EQ(engine.Windows().HiddenCount(), 0) << "cycle " << cycle;
    }
    EXPECT_TRUE(icons.live.empty());
    EXPECT_EQ(icons.badDestroys, 0);
    EXPECT_EQ(menus.LiveCreated(), 0u);
    EXPECT_TRUE(host.receivers.empty());
    EXPECT_EQ(tray.icons.size(), trayBefore);
    EXPECT_EQ(reg.OpenHandles(), 0);
    EXPECT_TRUE(HiddenJournal(reg, kJournalKey).Read().empty());
}

}  // namespace
}  // namespace hw::test
