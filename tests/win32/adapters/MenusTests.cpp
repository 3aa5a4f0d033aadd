#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "harness/HidewellApp.h"
#include "win32/adapters/Win32Desktop.h"
#include "win32/base/HandleCast.h"
#include "win32/base/Handles.h"
#include "win32/menus/Win32Menus.h"
#include "hiddenwindows/SysMenuMirror.h"

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
    for (int build = 0; build < 2; ++build) mirror.Build(FromWin32(operation.Get()), FromWin32(window.Get()));

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

namespace hw::wine {
namespace {

// Windows in German (run with LANG=de_DE.UTF-8): the mirror of a minimised window of another
// process, whose system menu Wine does not hand out, carries the system's texts and states.
TEST(Win32MenusGerman, StandInCarriesTheSystemsTexts) {
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_GERMAN) << "not running in German";
    UniqueWindow own(CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    HMENU system = GetSystemMenu(own.Get(), FALSE);
    TestWindow other;
    ASSERT_TRUE(other.Start(L"Menus test German", L"minimized"));
    UniqueMenu operation(CreatePopupMenu());
    AppendMenuW(operation.Get(), MF_STRING, 1, L"App Title");
    AppendMenuW(operation.Get(), MF_SEPARATOR, 0, nullptr);
    Win32Menus menus;
    Win32Desktop desktop;
    SysMenuMirror mirror(menus, desktop);
    mirror.Build(FromWin32(operation.Get()), FromWin32(other.Hwnd()));

    const std::pair<UINT, UINT> items[] = {{SC_RESTORE, 0}, {SC_MOVE, MF_GRAYED}, {SC_MINIMIZE, MF_GRAYED}, {SC_CLOSE, 0}};
    for (auto [command, grayed] : items) {
        wchar_t expected[256]{}, mirrored[256]{};
        GetMenuStringW(system, command, expected, 256, MF_BYCOMMAND);
        auto at = std::find(mirror.CommandMap().begin(), mirror.CommandMap().end(), command);
        ASSERT_NE(at, mirror.CommandMap().end()) << command;
        UINT id = 100 + static_cast<UINT>(at - mirror.CommandMap().begin());
        GetMenuStringW(operation.Get(), id, mirrored, 256, MF_BYCOMMAND);
        EXPECT_STREQ(mirrored, expected) << command;
        EXPECT_EQ(GetMenuState(operation.Get(), id, MF_BYCOMMAND) & MF_GRAYED, grayed) << command;
    }
    wchar_t restore[256]{};
    GetMenuStringW(system, SC_RESTORE, restore, 256, MF_BYCOMMAND);
    EXPECT_STRNE(restore, L"&Restore") << "Wine shows no German system menu";
}

}  // namespace
}  // namespace hw::wine
