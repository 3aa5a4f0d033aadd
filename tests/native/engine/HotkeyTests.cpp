// The global hotkeys on the simulated host, and the windows they hide by hand.
#include "engine/EngineFixture.h"
#include "engine/RightClickHiding.h"
#include "settings/HotkeyText.h"

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
    EXPECT_EQ(engine.CurrentSettings().hotkeyHide, u"Ctrl+Alt+H");
    ASSERT_EQ(ui.messages.size(), 1u);
    const Text& told = ui.messages[0].text;
    EXPECT_NE(told.find(u"Bring back the last hidden window (Ctrl+Oops): "), Text::npos);
    EXPECT_NE(told.find(u"Open the menu of hidden windows (Ctrl+Alt+M): another program uses it."), Text::npos);

    Tick();
    engine.RefreshAll();
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
    EXPECT_EQ(engine.TryHotkey(ReadHotkey(u"Ctrl+Alt+H").hotkey), 0u);
    host.takenElsewhere.insert({kCtrlAlt, vk::Letter('X')});
    EXPECT_EQ(engine.TryHotkey(ReadHotkey(u"Ctrl+Alt+X").hotkey), kErrorHotkeyTaken);

    engine.Quit(QuitReason::User);
    EXPECT_TRUE(host.hotkeys.empty());
}

// Windows hidden by hand stay hidden through ticks and Refresh although no entry matches
// them, and come back last one first.
TEST_F(Hotkeys, HandHiddenWindowsStayAndComeBackLastFirst) {
    Start({{u"*NOTEPAD*", kAppIcon}});
    const WindowHandle first = desktop.Add(u"Report.txt");
    const WindowHandle second = desktop.Add(u"Budget");
    desktop.foreground = first;
    Press(HotkeyAction::Hide);
    EXPECT_TRUE(engine.HideByCaption(u"Budget"));
    EXPECT_FALSE(engine.HideByCaption(u"Budget"));  // hidden already
    desktop.Advance();
    for (int i = 0; i < 3; ++i) Tick();
    engine.RefreshAll();
    Tick();
    ASSERT_EQ(engine.HiddenCount(), 2);
    for (WindowHandle h : {first, second}) EXPECT_TRUE(Hidden(h) && desktop[h].iconic);
    EXPECT_EQ(engine.HiddenWindows()[0].kind, HideKind::Manual);
    EXPECT_EQ(SlotTip(1), u"Report.txt");  // its own icon, with its caption

    Press(HotkeyAction::Restore);
    EXPECT_TRUE(desktop[second].visible);
    EXPECT_FALSE(desktop[first].visible);
    Press(HotkeyAction::Restore);  // the next one, though the first has not left the ledger yet
    EXPECT_TRUE(desktop[first].visible);
    Tick();
    EXPECT_EQ(engine.HiddenCount(), 0);
    EXPECT_FALSE(engine.RestoreLast());

    Press(HotkeyAction::Menu);
    EXPECT_EQ(host.ownMenus, 1);
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
    RightClickHider hider{target, [this](WindowHandle h) { return engine.JudgeHandHide(h); }};
    // Both halves of a click at x; whether each was taken, and the window to hide.
    std::tuple<bool, bool, WindowHandle> Click(int x, bool shift = false) {
        const MouseVerdict down = hider.OnMouse({Kind::RightDown, x, 5, shift});
        if (down.refuse) engine.TellHandHideRefused(down.refuse);
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
    hider.SetEnabled(engine.CurrentSettings().rightClickHides);
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

    EXPECT_TRUE(engine.HideByHand(report));
    desktop.Advance();
    Tick();
    EXPECT_TRUE(Hidden(report));
    EXPECT_EQ(engine.HiddenWindows().at(0).kind, HideKind::Manual);
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
