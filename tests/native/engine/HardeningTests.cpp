// The engine where the platform is not polite: events between ticks, windows that will not
// hide, a run that ended without a clean exit, and many cycles of hiding and restoring.
#include "engine/HiddenJournal.h"
#include "fakes/FakeMenus.h"
#include "hiddenwindows/SysMenuMirror.h"

#include "EngineFixture.h"

namespace hw::test {
namespace {

using Hardening = EngineTest;

TEST_F(Hardening, MinimiseEventsBringATickForwardButNeverIntoATickOrWhileSuspended) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", kAppIcon}});
    engine.PollTick();
    ASSERT_EQ(host.interval, 500);

    WindowHandle h = Minimised(u"Untitled - Notepad");
    engine.OnWindowEvent(WindowEvent::Minimized, h);
    engine.OnWindowEvent(WindowEvent::Minimized, h);  // the same tick serves both
    EXPECT_EQ(host.interval, kEventTickMs);
    EXPECT_TRUE(host.timerEnabled);
    engine.PollTick();
    EXPECT_TRUE(Hidden(h));

    // An event that arrives while a tick runs changes nothing: that tick is on its way.
    WindowHandle report = Minimised(u"Report 1");
    desktop.onShow = [&](WindowHandle, int) { engine.OnWindowEvent(WindowEvent::Minimized, report); };
    engine.PollTick();
    desktop.onShow = nullptr;
    EXPECT_NE(host.interval, kEventTickMs);

    engine.ToggleSuspend();
    engine.OnWindowEvent(WindowEvent::Minimized, Minimised(u"Report 2"));
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_NE(host.interval, kEventTickMs);

    // A caption change of a hidden window reaches its tip at once; others are ignored.
    desktop[h].caption = u"Letter - Notepad";
    engine.OnWindowEvent(WindowEvent::CaptionChanged, h);
    engine.OnWindowEvent(WindowEvent::CaptionChanged, desktop.Add(u"Other"));
    EXPECT_EQ(SlotTip(1), u"Letter - Notepad");
}

TEST_F(Hardening, AWindowThatStaysOnTheTaskbarIsLeftAloneWithOneNotice) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    WindowHandle elevated = Minimised(u"Admin - Notepad");
    desktop[elevated].refusesHide = true;
    WindowHandle normal = Minimised(u"Untitled - Notepad");
    engine.PollTick();
    engine.PollTick();  // finds the elevated window still there

    EXPECT_TRUE(Hidden(normal));
    ASSERT_EQ(engine.HiddenCount(), 1);
    EXPECT_EQ(engine.HiddenWindows()[0].window, normal);
    EXPECT_EQ(engine.IconCount(), 1);
    EXPECT_EQ(host.receivers.size(), 1u);
    EXPECT_EQ(tray.icons.size(), 2u);  // the own icon and the normal window's
    EXPECT_EQ(tray.balloons,
              (std::vector<Text>{u"Hidewell|Hidewell cannot hide Admin - Notepad: it runs with higher rights."}));
    for (int i = 0; i < 3; ++i) engine.PollTick();
    EXPECT_EQ(tray.balloons.size(), 1u);
    EXPECT_EQ(engine.HiddenCount(), 1);
    EXPECT_TRUE(desktop[elevated].visible && desktop[elevated].iconic);
}

TEST_F(Hardening, AStartAfterACrashBringsBackWhatTheDeadRunHid) {
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", u""}});
    WindowHandle notes = Minimised(u"Untitled - Notepad");
    WindowHandle report = Minimised(u"Report 7");
    WindowHandle renamed = Minimised(u"Report 8");
    WindowHandle reused = Minimised(u"Report 9");
    engine.PollTick();
    ASSERT_EQ(engine.HiddenCount(), 4);
    EXPECT_TRUE(reg.IsVolatile(kHkeyCurrentUser, kJournalKey));

    // The process dies. Meanwhile the report entry goes, a window changes its caption, and
    // one handle now belongs to another program's window.
    desktop[renamed].caption = u"Letter - Notepad";
    desktop[reused].processId = 999;
    PlantEntries(reg, {{u"*NOTEPAD*", kAppIcon}});
    TrayEngine next(platform);
    next.Start();
    EXPECT_TRUE(desktop[report].visible && desktop[report].iconic);  // back as a taskbar button
    EXPECT_FALSE(desktop[notes].visible);                            // the first tick takes these
    EXPECT_FALSE(desktop[renamed].visible);
    EXPECT_FALSE(desktop[reused].visible);                           // not ours to touch
    next.PollTick();
    EXPECT_EQ(next.HiddenCount(), 2);

    next.Quit(QuitReason::User);
    EXPECT_TRUE(HiddenJournal(reg, kJournalKey).Read().empty());
    reg.Logoff();
    EXPECT_FALSE(reg.IsVolatile(kHkeyCurrentUser, kJournalKey));
}

TEST_F(Hardening, ThousandHideAndRestoreCyclesLeaveNothingBehind) {
    FakeMenus menus;
    Start({{u"*NOTEPAD*", kAppIcon}, {u"REPORT*", u""}});
    engine.PollTick();
    const std::size_t trayBefore = tray.icons.size();
    WindowHandle notes = Minimised(u"Untitled - Notepad");
    WindowHandle report = Minimised(u"Report 1");
    menus.AddSystemMenu(notes);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        desktop[notes].iconic = desktop[report].iconic = true;
        engine.PollTick();
        ASSERT_EQ(engine.HiddenCount(), 2) << "cycle " << cycle;
        {
            // The icon's popup mirrors the window's system menu, then goes.
            SysMenuMirror mirror(menus, desktop);
            MenuHandle popup = menus.CreatePopupMenu();
            mirror.Build(popup, notes);
            mirror.Clear();
            menus.DestroyMenu(popup);
        }
        engine.RestoreSlot(*engine.FindSlot(u"Untitled - Notepad"));
        desktop[report].iconic = false;
        engine.PollTick();
        ASSERT_EQ(engine.HiddenCount(), 0) << "cycle " << cycle;
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
