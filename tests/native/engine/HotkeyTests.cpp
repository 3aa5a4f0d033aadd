// The global hotkeys on the simulated host, and the windows they hide by hand.
#include "engine/EngineFixture.h"
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

}  // namespace
}  // namespace hw::test
