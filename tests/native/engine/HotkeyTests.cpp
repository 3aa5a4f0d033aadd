// The global hotkeys on the simulated host, and the windows they hide by hand.
#include "engine/EngineFixture.h"
#include "engine/EngineOptions.h"
#include "engine/RightClickHiding.h"
#include "settings/HotkeyText.h"
#include "ui/OptionsModel.h"

namespace hw::test {
namespace {

using Combination = std::pair<std::uint8_t, std::uint8_t>;
constexpr std::uint8_t kCtrlAlt = kHotkeyCtrl | kHotkeyAlt;

class Hotkeys : public EngineTest {
protected:
    void Press(HotkeyAction action) {
        engine.OnHotkey(HotkeyId(action));
        desktop.Advance();
    }
};

TEST_F(Hotkeys, EachRegistersOnItsOwnFailuresAreToldOnceAndChangesRegisterAgain) {
    host.takenElsewhere.insert({kCtrlAlt, vk::Letter('M')});
    PlantSetting(reg, u"HotkeyHide", u"ctrl+alt+h");
    PlantSetting(reg, u"HotkeyRestore", u"Ctrl+Oops");
    PlantSetting(reg, u"HotkeyMenu", u"Ctrl+Alt+M");
    Start({{u"*NOTEPAD*", kAppIcon}});
    EXPECT_EQ(host.hotkeys, (std::map<int, Combination>{{1, {kCtrlAlt, vk::Letter('H')}}}));
    EXPECT_EQ(engine.Config().Current().hotkeyHide, u"Ctrl+Alt+H");
    ASSERT_EQ(ui.messages.size(), 1u);
    const Text& told = ui.messages[0].text;
    EXPECT_TRUE(told.starts_with(u"Hidewell could not set up these hotkeys; the other one works:\n"));
    EXPECT_NE(told.find(u"Bring back the last hidden window (Ctrl+Oops): "), Text::npos);
    EXPECT_NE(told.find(u"Open the menu of hidden windows (Ctrl+Alt+M): another program uses it."), Text::npos);

    Tick();
    engine.Config().RefreshAll();
    EXPECT_EQ(ui.messages.size(), 1u);

    // Two hotkeys swap their combinations; the one not changed is not tried again.
    host.takenElsewhere.clear();
    SetOptions([](OptionValues& o) {
        o.hotkeyRestore = u"Ctrl+Alt+H";
        o.hotkeyHide = u"Ctrl+Alt+R";
    });
    EXPECT_EQ(host.hotkeys, (std::map<int, Combination>{{1, {kCtrlAlt, vk::Letter('R')}}, {2, {kCtrlAlt, vk::Letter('H')}}}));
    EXPECT_EQ(ui.messages.size(), 1u);
    // Held by Hidewell itself: free for the options dialog.
    EXPECT_EQ(engine.Keys().Try(ReadHotkey(u"Ctrl+Alt+H").hotkey), 0u);
    host.takenElsewhere.insert({kCtrlAlt, vk::Letter('X')});
    EXPECT_EQ(engine.Keys().Try(ReadHotkey(u"Ctrl+Alt+X").hotkey), kErrorHotkeyTaken);

    engine.Quit(QuitReason::User);
    EXPECT_TRUE(host.hotkeys.empty());
}

TEST(HotkeyFailures, TheHeadingFitsHowManyFailedAndWork) {
    const std::tuple<int, int, const char16_t*> cases[] = {
        {1, 0, u"Hidewell could not set up this hotkey:"},
        {1, 2, u"Hidewell could not set up this hotkey; the others work:"},
        {2, 1, u"Hidewell could not set up these hotkeys; the other one works:"},
        {3, 0, u"Hidewell could not set up these hotkeys:"},
    };
    for (auto [failed, working, heading] : cases) EXPECT_EQ(HotkeyFailureHeading(failed, working), heading);
}

// While the options dialog is open Hidewell's hotkeys are let go, so its fields receive them
// and count them as free; they are registered again once, as chosen, when its options have
// taken effect.
TEST_F(Hotkeys, TheOptionsDialogSetsThemAsideUntilItsOptionsTookEffect) {
    PlantSetting(reg, u"HotkeyHide", u"Ctrl+Alt+H");
    PlantSetting(reg, u"HotkeyMenu", u"Ctrl+Alt+M");
    Start({{u"*NOTEPAD*", kAppIcon}});
    EngineOptions target(engine);
    {
        HotkeysAside aside(target);
        EXPECT_TRUE(host.hotkeys.empty());
        OptionsModel m(target.CurrentOptions());
        EXPECT_EQ(m.OnHotkeyPressed(HotkeyAction::Restore, ReadHotkey(u"Ctrl+Alt+M").hotkey, target),
                  u"Ctrl+Alt+M is also chosen for \"Open the menu of hidden windows\"; choose another for one of them.");
        EXPECT_EQ(m.OnHotkeyPressed(HotkeyAction::Menu, ReadHotkey(u"Win+F9").hotkey, target), u"");
        m.Finish(true);
        m.ApplyTo(target);
        EXPECT_TRUE(host.hotkeys.empty()) << "registered once, when the dialog is done";
    }
    EXPECT_EQ(host.hotkeys, (std::map<int, Combination>{{1, {kCtrlAlt, vk::Letter('H')}},
                                                        {2, {kCtrlAlt, vk::Letter('M')}},
                                                        {3, {kHotkeyWin, vk::F(9)}}}));
    EXPECT_TRUE(ui.messages.empty());
}

// Windows hidden by hand stay hidden through ticks and Refresh although no entry matches
// them, and come back last one first.
TEST_F(Hotkeys, HandHiddenWindowsStayAndComeBackLastFirst) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    const WindowHandle first = desktop.Add(u"Report.txt");
    const WindowHandle second = desktop.Add(u"Budget");
    desktop.foreground = first;
    Press(HotkeyAction::Hide);
    EXPECT_TRUE(engine.Hand().HideByCaption(u"Budget"));
    EXPECT_FALSE(engine.Hand().HideByCaption(u"Budget"));  // hidden already
    desktop.Advance();
    for (int i = 0; i < 3; ++i) Tick();
    engine.Config().RefreshAll();
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 2);
    for (WindowHandle h : {first, second}) EXPECT_TRUE(Hidden(h) && desktop[h].iconic);
    EXPECT_EQ(engine.Windows().HiddenWindows()[0].kind, HideKind::Manual);
    EXPECT_EQ(SlotTip(1), u"Report.txt");  // its own icon, with its caption

    Press(HotkeyAction::Restore);
    EXPECT_TRUE(desktop[second].visible);
    EXPECT_FALSE(desktop[first].visible);
    Press(HotkeyAction::Restore);  // the next one, though the first has not left the ledger yet
    EXPECT_TRUE(desktop[first].visible);
    Tick();
    EXPECT_EQ(engine.Windows().HiddenCount(), 0);
    EXPECT_FALSE(engine.Hand().RestoreLast());

    Press(HotkeyAction::Menu);
    EXPECT_EQ(host.ownMenus, 1);
}

// A window hidden by hand comes back on Exit as it was, shown, not minimised; one the user
// minimised and an entry hid comes back minimised.
TEST_F(Hotkeys, ExitBringsHandHiddenWindowsBackAsTheyWere) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    const WindowHandle shown = desktop.Add(u"Report.txt");
    const WindowHandle minimised = Minimised(u"Untitled - Notepad");
    desktop.foreground = shown;
    Press(HotkeyAction::Hide);
    Tick();
    ASSERT_EQ(engine.Windows().HiddenCount(), 2);
    engine.Quit(QuitReason::User);
    desktop.Advance();
    EXPECT_TRUE(desktop[shown].visible && !desktop[shown].iconic);
    EXPECT_TRUE(desktop[minimised].visible && desktop[minimised].iconic);
}

// A double click brings the window back and its icon goes as soon as it shows, not at the
// next tick; a program slow to show it keeps the icon, and a tick comes soon.
TEST_F(Hotkeys, AnIconGoesAsSoonAsItsWindowShows) {
    Start({{u"*", kAppIcon}});
    const WindowHandle quick = Minimised(u"Quick");
    const WindowHandle slow = Minimised(u"Slow");
    Tick();
    desktop.Advance();
    Tick();
    ASSERT_EQ(engine.Records().Icons().Count(), 2);
    host.interval = 0;
    engine.OnWindowIconEvent(SlotView(u"Quick"), 0x203);  // double click
    EXPECT_TRUE(desktop[quick].visible);
    EXPECT_EQ(engine.Records().Icons().Count(), 1);
    desktop[slow].pumpDelayMs = 5000;
    engine.OnWindowIconEvent(SlotView(u"Slow"), 0x203);
    EXPECT_EQ(engine.Records().Icons().Count(), 1);
    EXPECT_EQ(host.interval, kHideCheckMs);
}

// The screen as the mouse hook sees it: at x = 10 * n the window n, in the area given.
class FakeClickTarget : public ClickTarget {
public:
    std::map<int, std::pair<WindowHandle, WindowArea>> at;  // by x
    WindowHandle TopLevelAt(int x, int) override { return at.count(x) ? at[x].first : WindowHandle{}; }
    WindowArea AreaAt(WindowHandle, int x, int) override { return at.count(x) ? at[x].second : WindowArea::Other; }
};

class RightClicks : public Hotkeys {
protected:
    using Kind = MouseInput::Kind;
    FakeClickTarget target;
    RightClickHider hider{target, [this](WindowHandle h) { return engine.Hand().JudgeHandHide(h); }};
    // Both halves of a click at x; whether each was taken, and the window to hide.
    std::tuple<bool, bool, WindowHandle> Click(int x, bool shift = false) {
        const MouseVerdict down = hider.OnMouse({Kind::RightDown, x, 5, shift});
        if (down.refuse) engine.Hand().TellHandHideRefused(down.refuse);
        EXPECT_FALSE(hider.OnMouse({Kind::Other, x + 1, 6, shift}).swallow);  // the pointer moves on
        const MouseVerdict up = hider.OnMouse({Kind::RightUp, x + 1, 6, shift});
        EXPECT_EQ(down.swallow, up.swallow) << "both halves or neither";
        return {down.swallow, up.swallow, up.hide};
    }
};

// A right click on a minimise button, or a Shift+right click on a title bar, hides the window
// by hand; any other click, and windows Hidewell may not hide, keep their click.
TEST_F(RightClicks, TakeBothHalvesOnlyForAWindowHidewellMayHide) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    EXPECT_TRUE(host.rightClickHiding);  // a new installation has it on
    hider.SetEnabled(engine.Config().Current().rightClickHides);
    const WindowHandle report = desktop.Add(u"Report.txt");
    const WindowHandle elevated = desktop.Add(u"Admin Tool");
    desktop[elevated].elevated = true;
    const WindowHandle palette = desktop.Add(u"Palette");
    desktop[palette].exStyle = kWsExToolWindow;
    const WindowHandle shell = desktop.Add(u"");
    desktop[shell].className = u"Shell_TrayWnd";
    target.at = {{10, {report, WindowArea::MinimiseButton}}, {20, {report, WindowArea::Caption}},
                 {30, {report, WindowArea::Other}},          {40, {elevated, WindowArea::MinimiseButton}},
                 {50, {palette, WindowArea::MinimiseButton}}, {60, {shell, WindowArea::MinimiseButton}}};
    const std::tuple<bool, bool, WindowHandle> passed{false, false, WindowHandle{}};
    EXPECT_EQ(Click(20), passed);  // the title bar without Shift
    EXPECT_EQ(Click(30), passed);
    EXPECT_EQ(Click(50), passed);
    EXPECT_EQ(Click(60), passed);
    EXPECT_EQ(Click(70), passed);  // nothing there
    EXPECT_EQ(Click(40), passed);
    EXPECT_EQ(Click(40), passed);
    EXPECT_EQ(tray.balloons.size(), 1u) << "told once that it cannot be hidden";
    EXPECT_EQ(Click(20, true), std::make_tuple(true, true, report));
    EXPECT_EQ(Click(10), std::make_tuple(true, true, report));
    // A button-up that never came belongs to no later click.
    EXPECT_TRUE(hider.OnMouse({Kind::RightDown, 10, 5, false}).swallow);
    EXPECT_FALSE(hider.OnMouse({Kind::RightDown, 30, 5, false}).swallow);
    EXPECT_FALSE(hider.OnMouse({Kind::RightUp, 30, 5, false}).swallow);

    EXPECT_TRUE(engine.Hand().HideByHand(report));
    desktop.Advance();
    Tick();
    EXPECT_TRUE(Hidden(report));
    EXPECT_EQ(engine.Windows().HiddenWindows().at(0).kind, HideKind::Manual);
    EXPECT_EQ(Click(10), passed) << "hidden already";

    // The option off: the hook goes and every click passes.
    SetOptions([](OptionValues& o) { o.rightClickHides = false; });
    EXPECT_FALSE(host.rightClickHiding);
    hider.SetEnabled(false);
    target.at[10] = {desktop.Add(u"Budget"), WindowArea::MinimiseButton};
    EXPECT_EQ(Click(10), passed);
    // A hook the system refuses is told when the user turns the option on.
    host.rightClickRefusal = 5;
    const std::size_t told = ui.messages.size();
    SetOptions([](OptionValues& o) { o.rightClickHides = true; });
    EXPECT_EQ(ui.messages.size(), told + 1);
    EXPECT_FALSE(log.lines.empty());
}

// A window too busy to answer a hit test is judged by its frame: close, maximise, then
// minimise from the right end of the title bar.
TEST(CaptionGeometryTest, MinimiseButtonAndTitleBarFromTheFrame) {
    CaptionGeometry f;
    f.left = 100, f.top = 50, f.right = 500, f.bottom = 400, f.frameX = 4, f.frameY = 4, f.captionHeight = 20,
    f.buttonWidth = 30, f.hasCaption = true, f.hasCloseButton = true, f.hasMinimiseButton = true;
    // Close 466..495, maximise 436..465, minimise 406..435.
    const struct {
        int x, y;
        WindowArea area;
    } cases[] = {{420, 60, WindowArea::MinimiseButton}, {406, 54, WindowArea::MinimiseButton}, {405, 60, WindowArea::Caption},
                 {436, 60, WindowArea::Other},           {470, 60, WindowArea::Other},          {420, 74, WindowArea::Other},
                 {420, 52, WindowArea::Other},           {200, 60, WindowArea::Caption},        {600, 60, WindowArea::Other}};
    for (const auto& c : cases) EXPECT_EQ(AreaFromGeometry(f, c.x, c.y), c.area) << c.x << "," << c.y;
    f.hasMinimiseButton = false;
    EXPECT_EQ(AreaFromGeometry(f, 420, 60), WindowArea::Caption);
    f.hasCaption = false;
    EXPECT_EQ(AreaFromGeometry(f, 200, 60), WindowArea::Other);
}

}  // namespace
}  // namespace hw::test
