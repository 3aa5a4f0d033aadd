#include <gtest/gtest.h>

#include <vector>

#include "win32/adapters/Win32Desktop.h"
#include "win32/base/Handles.h"
#include "win32/menus/Win32Menus.h"
#include "windows/SysMenuMirror.h"

namespace hw {
namespace {

// A real window's system menu, mirrored twice into a popup with a title, a separator and one own item.
TEST(Win32Menus, MirrorsARealSystemMenuOnce) {
    UniqueWindow window(CreateWindowExW(0, L"STATIC", L"Menus test", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
    HMENU sys = GetSystemMenu(window.Get(), FALSE);
    ASSERT_TRUE(sys);
    int count = GetMenuItemCount(sys);
    ASSERT_GE(count, 7);  // Wine adds its own items after Close
    UniqueMenu operation(CreatePopupMenu());
    for (const wchar_t* text : {L"App Title", L"", L"&Task List"})
        AppendMenuW(operation.Get(), *text ? MF_STRING : MF_SEPARATOR, 1, text);
    Win32Menus menus;
    Win32Desktop desktop;
    SysMenuMirror mirror(menus, desktop);
    auto handle = [](auto h) { return reinterpret_cast<std::uintptr_t>(h); };
    for (int build = 0; build < 2; ++build) mirror.Build(handle(operation.Get()), handle(window.Get()));

    ASSERT_EQ(GetMenuItemCount(operation.Get()), count + 3);
    const wchar_t* texts[] = {L"&Restore", L"&Move", L"&Size", L"Mi&nimize", L"Ma&ximize"};
    const UINT grayed[] = {0, MF_GRAYED, MF_GRAYED, MF_GRAYED, 0};
    for (UINT i = 0; i < static_cast<UINT>(count); ++i) {
        wchar_t text[256]{};
        GetMenuStringW(operation.Get(), 2 + i, text, 256, MF_BYPOSITION);
        EXPECT_EQ(GetMenuItemID(operation.Get(), static_cast<int>(2 + i)), 100 + i) << i;
        if (i >= 5) continue;
        EXPECT_STREQ(text, texts[i]);
        EXPECT_EQ(GetMenuState(operation.Get(), 2 + i, MF_BYPOSITION) & MF_GRAYED, grayed[i]) << i;
    }
    const std::uint32_t commands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
    EXPECT_EQ(std::vector<std::uint32_t>(mirror.CommandMap().begin(), mirror.CommandMap().begin() + 7),
              std::vector<std::uint32_t>(std::begin(commands), std::end(commands)));
}

}  // namespace
}  // namespace hw
