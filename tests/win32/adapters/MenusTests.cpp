#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "win32/adapters/Win32Desktop.h"
#include "win32/base/Handles.h"
#include "win32/menus/Win32Menus.h"
#include "windows/SysMenuMirror.h"

namespace hw {
namespace {

struct Item {
    std::wstring text;
    UINT id;
    UINT state;
    HMENU submenu;
};

Item ReadItem(HMENU menu, int i) {
    wchar_t text[256]{};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    return {text, GetMenuItemID(menu, i), GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION), GetSubMenu(menu, i)};
}

MenuHandle Handle(HMENU m) { return reinterpret_cast<std::uintptr_t>(m); }

// Items of the caller's popup around the mirror: title and separator before, four after.
constexpr int kOwnItems = 6;

class MenusTest : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* text : {L"App Title", L"", L"System Menu", L"", L"Confi&gure", L"&Task List"})
            AppendMenuW(operation.Get(), *text ? MF_STRING : MF_SEPARATOR, 1, text);
    }

    bool Open(DWORD style) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"HwMenusTest";
        RegisterClassW(&wc);
        window.Reset(CreateWindowExW(0, wc.lpszClassName, L"Menus test", style, 10, 10, 300, 200, nullptr, nullptr,
                                     wc.hInstance, nullptr));
        return window && GetSystemMenu(window.Get(), FALSE);
    }

    void Build() { mirror->BuildSysMenu(Handle(operation.Get()), reinterpret_cast<std::uintptr_t>(window.Get())); }
    int Mirrored() const { return GetMenuItemCount(operation.Get()) - kOwnItems; }
    Item At(int i) const { return ReadItem(operation.Get(), 2 + i); }

    Win32Menus menus;
    Win32Desktop desktop;
    UniqueWindow window;
    UniqueMenu operation{CreatePopupMenu()};
    std::optional<SysMenuMirror> mirror{std::in_place, menus, desktop};
};

TEST_F(MenusTest, MirrorsRealSystemMenu) {
    for (DWORD style : {WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX}) {
        ASSERT_TRUE(Open(style));
        Build();
        int count = GetMenuItemCount(GetSystemMenu(window.Get(), FALSE));
        ASSERT_GE(count, 7);  // Wine adds its own items after Close
        ASSERT_EQ(Mirrored(), count);
        EXPECT_EQ(mirror->ItemCount(), count);

        const wchar_t* texts[] = {L"&Restore", L"&Move", L"&Size", L"Mi&nimize", L"Ma&ximize"};
        const UINT grayed[] = {0, MF_GRAYED, MF_GRAYED, MF_GRAYED, style & WS_MAXIMIZEBOX ? 0u : MF_GRAYED};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(At(i).text, texts[i]) << i;
            EXPECT_EQ(At(i).state & MF_GRAYED, grayed[i]) << i;
        }
        EXPECT_TRUE(At(5).state & MF_SEPARATOR);
        EXPECT_EQ(At(6).text.rfind(L"&Close", 0), 0u) << At(6).text;
        for (int i = 0; i < count; ++i) EXPECT_EQ(At(i).id, static_cast<UINT>(100 + i)) << i;

        const std::uint32_t commands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
        EXPECT_EQ(std::vector<std::uint32_t>(mirror->SysCmdMap().begin(), mirror->SysCmdMap().begin() + 7),
                  std::vector<std::uint32_t>(std::begin(commands), std::end(commands)));
    }
}

TEST_F(MenusTest, RebuildLeavesOneCopyAndFreesSubmenus) {
    ASSERT_TRUE(Open(WS_OVERLAPPEDWINDOW));
    HMENU sys = GetSystemMenu(window.Get(), FALSE);
    HMENU extra = CreatePopupMenu();
    AppendMenuW(extra, MF_STRING | MF_CHECKED, 0x5010, L"&Pinned");
    ASSERT_TRUE(InsertMenuW(sys, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(extra), L"&Extra"));
    int count = GetMenuItemCount(sys);

    Build();
    HMENU first = At(1).submenu;
    ASSERT_TRUE(first);
    Item pinned = ReadItem(first, 0);
    EXPECT_EQ(pinned.text, L"&Pinned");
    EXPECT_EQ(pinned.id, 101u);
    EXPECT_EQ(pinned.state, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(At(2).id, 102u);

    Build();
    EXPECT_EQ(Mirrored(), count);
    EXPECT_FALSE(IsMenu(first));
    HMENU second = At(1).submenu;

    mirror.reset();
    EXPECT_EQ(Mirrored(), 0);
    EXPECT_FALSE(IsMenu(second));
    EXPECT_EQ(At(0).text, L"System Menu");
}

}  // namespace
}  // namespace hw
