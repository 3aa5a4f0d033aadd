#include <gtest/gtest.h>

#include <optional>

#include "fakes/FakeDesktop.h"
#include "fakes/FakeMenus.h"
#include "windows/SysMenuMirror.h"

namespace hw::test {
namespace {

constexpr std::uint32_t kScMove = 0xF010, kScClose = 0xF060;

class SysMenuMirrorTest : public ::testing::Test {
protected:
    SysMenuMirrorTest() {
        // The caller's popup: title, separator, then its own items after the mirror.
        for (const char16_t* text : {u"App Title", u"", u"System Menu", u"", u"Confi&gure", u"&Task List"})
            menus.Append(operation, text, 1);
    }

    // A minimised window's usual system menu.
    void PlainSystemMenu() {
        menus.Append(sys, u"&Restore", kScRestore, kMfGrayed);
        menus.Append(sys, u"&Move", kScMove);
        menus.Append(sys, u"&Size", 0xF000);
        menus.Append(sys, u"Mi&nimize", 0xF020);
        menus.Append(sys, u"Ma&ximize", 0xF030, kMfGrayed);
        menus.Append(sys, u"", 0);
        menus.Append(sys, u"&Close\tAlt+F4", kScClose);
    }

    std::vector<FakeMenuItem> Mirrored() {
        std::vector<FakeMenuItem>& items = menus.Items(operation);
        return {items.begin() + 2, items.end() - 4};
    }

    FakeDesktop desktop;
    FakeMenus menus;
    WindowHandle window = desktop.Add(u"Untitled - Notepad", true);
    MenuHandle sys = menus.AddSystemMenu(window);
    MenuHandle operation = menus.CreatePopupMenu();
    std::optional<SysMenuMirror> mirror{std::in_place, menus, desktop};
};

TEST_F(SysMenuMirrorTest, PlainSystemMenu) {
    PlainSystemMenu();
    // With and without a maximise box; the second build must replace the first.
    for (auto [style, maximize] : {std::pair{0x10CF0000u, 0u}, {0x10CE0000u, std::uint32_t{kMfGrayed}}}) {
        desktop[window].style = style;
        mirror->BuildSysMenu(operation, window);
        const std::uint32_t states[] = {0, kMfGrayed, kMfGrayed, kMfGrayed, maximize, kMfSeparator, 0};
        std::vector<FakeMenuItem> items = Mirrored();
        ASSERT_EQ(items.size(), 7u);
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].id, 100 + i) << i;
            EXPECT_EQ(items[i].state, states[i]) << i;
        }
    }
    EXPECT_EQ(mirror->SysCmdMap(),
              (std::vector<std::uint32_t>{kScRestore, kScMove, 0xF000, 0xF020, 0xF030, 0, kScClose}));
    EXPECT_EQ(mirror->ItemCount(), 7);
    EXPECT_EQ(mirror->SysMenuWnd(), window);
    std::uint32_t cmd = 0;
    EXPECT_TRUE(mirror->SysCommandFor(106, cmd));
    EXPECT_EQ(cmd, kScClose);
    for (int id : {99, 105, 107, -1}) EXPECT_FALSE(mirror->SysCommandFor(id, cmd)) << id;

    mirror->BuildSysMenu(operation, desktop.Add(u"No system menu"));
    EXPECT_EQ(menus.Items(operation).size(), 6u);
}

TEST_F(SysMenuMirrorTest, ItemStatesAreCopied) {
    const std::pair<std::uint32_t, std::uint32_t> rows[] = {
        {kMfChecked, kMfChecked}, {0, 0}, {kMfGrayed | kMfDisabled, kMfGrayed},
        {kMfChecked | kMfGrayed, kMfChecked | kMfGrayed}, {kMfDisabled, 0}};
    for (auto [state, copied] : rows) menus.Append(sys, u"&Always on Top", 0x1000, state);
    mirror->BuildSysMenu(operation, window);
    std::vector<FakeMenuItem> items = Mirrored();
    ASSERT_EQ(items.size(), std::size(rows));
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].state, rows[i].second) << i;
}

TEST_F(SysMenuMirrorTest, SubmenuInTheMiddle) {
    MenuHandle options = menus.AddSystemMenu(0);
    menus.Append(options, u"&Opaque", 0x5001);
    menus.Append(options, u"&Transparent", 0x5002, kMfChecked);
    menus.Append(sys, u"&Restore", kScRestore);
    menus.Append(sys, u"&Options", 0, 0, options);
    menus.Append(sys, u"&Close\tAlt+F4", kScClose);
    std::size_t before = menus.LiveCreated();

    for (int build = 0; build < 2; ++build) mirror->BuildSysMenu(operation, window);
    std::vector<FakeMenuItem> items = Mirrored();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].id, 103u);
    std::vector<FakeMenuItem>& copied = menus.Items(items[1].submenu);
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0].id, 101u);
    EXPECT_EQ(copied[1].state, kMfChecked);
    EXPECT_EQ(mirror->SysCmdMap(), (std::vector<std::uint32_t>{kScRestore, 0x5001, 0x5002, kScClose}));
    EXPECT_EQ(mirror->ItemCount(), 5);
    EXPECT_EQ(menus.LiveCreated(), before + 1);

    menus.Items(sys).erase(menus.Items(sys).begin() + 1);
    mirror->BuildSysMenu(operation, window);
    EXPECT_EQ(Mirrored().size(), 2u);
    EXPECT_EQ(menus.LiveCreated(), before);

    menus.Append(sys, u"&Options", 0, 0, options);
    mirror->BuildSysMenu(operation, window);
    mirror.reset();
    EXPECT_EQ(menus.Items(operation).size(), 6u);
    EXPECT_EQ(menus.LiveCreated(), before);
}

TEST_F(SysMenuMirrorTest, MenuThatContainsItselfIsBounded) {
    menus.Append(sys, u"&Again", 0, 0, sys);
    std::size_t before = menus.LiveCreated();
    mirror->BuildSysMenu(operation, window);
    EXPECT_LE(mirror->ItemCount(), 1000);
    mirror->Clear();
    EXPECT_EQ(menus.Items(operation).size(), 6u);
    EXPECT_EQ(menus.LiveCreated(), before);
}

TEST_F(SysMenuMirrorTest, StatesAskedOfTheWindowButNotOfAHungOne) {
    PlainSystemMenu();
    desktop.onMessage = [&](WindowHandle, std::uint32_t msg, std::uint64_t wParam) {
        if (msg == kWmInitMenuPopup && wParam == sys) menus.Items(sys)[6].state = kMfGrayed;
    };
    desktop[window].hung = true;
    mirror->BuildSysMenu(operation, window);
    EXPECT_EQ(Mirrored()[6].state, 0u);
    EXPECT_EQ(desktop.sent.size(), 1u);  // each further message would wait out another time-out

    desktop[window].hung = false;
    mirror->BuildSysMenu(operation, window);
    EXPECT_EQ(Mirrored()[6].state, kMfGrayed);
    EXPECT_EQ(desktop.sent.size(), 3u);
}

TEST(SysMenuTexts, StateWordsAndStyleNames) {
    EXPECT_EQ(MenuStateText(0), u"Unchecked Enabled ");
    EXPECT_EQ(MenuStateText(kMfGrayed | kMfDisabled), u"Unchecked Disabled Grayed ");
    EXPECT_EQ(MenuStateText(kMfChecked | kMfBitmap | kMfMenuBarBreak | kMfMenuBreak | kMfSeparator),
              u"Checked Enabled Bitmap Bar-break Break Seperator ");
    EXPECT_EQ(WindowStyleText(0), u"");
    EXPECT_EQ(WindowStyleText(0x00C00000), u"WS_BORDER\r\nWS_CAPTION\r\nWS_DLGFRAME\r\n");
    EXPECT_EQ(WindowStyleText(0x90030000),
              u"WS_GROUP\r\nWS_MAXIMIZEBOX\r\nWS_MINIMIZEBOX\r\nWS_POPUP\r\nWS_TABSTOP\r\nWS_VISIBLE\r\n");
}

}  // namespace
}  // namespace hw::test
