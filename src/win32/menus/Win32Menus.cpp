#include "win32/menus/Win32Menus.h"

#include "win32/base/HandleCast.h"

#include <windows.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "win32/base/WinText.h"

namespace hw {

namespace {
HMENU Menu(MenuHandle m) { return ToWin32<HMENU>(m); }
HWND H(WindowHandle h) { return ToWin32<HWND>(h); }

// The text of an item by command, as the menu holds it; empty when there is no such item.
std::wstring ItemText(HMENU menu, UINT command) {
    wchar_t buffer[256]{};
    int n = ::GetMenuStringW(menu, command, buffer, static_cast<int>(std::size(buffer)), MF_BYCOMMAND);
    return n > 0 ? std::wstring(buffer, static_cast<std::size_t>(n)) : std::wstring();
}
}  // namespace

HMENU Win32Menus::SystemTexts() {
    // An own window that is never shown: its system menu holds the items in the system's language.
    if (!textSource_)
        textSource_.Reset(::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 0, 0, nullptr, nullptr,
                                            ::GetModuleHandleW(nullptr), nullptr));
    return textSource_ ? ::GetSystemMenu(textSource_.Get(), FALSE) : nullptr;
}

MenuHandle Win32Menus::GetSystemMenu(WindowHandle window, bool revert) {
    if (HMENU menu = ::GetSystemMenu(H(window), revert ? TRUE : FALSE)) return FromWin32(menu);
    if (!::IsWindow(H(window)) || revert) return {};
    HMENU texts = SystemTexts();
    if (!texts) return {};
    LONG_PTR style = ::GetWindowLongPtrW(H(window), GWL_STYLE);
    bool iconic = ::IsIconic(H(window)), zoomed = ::IsZoomed(H(window));
    const std::pair<UINT, bool> items[] = {
        {SC_RESTORE, iconic || zoomed},
        {SC_MOVE, !iconic && !zoomed},
        {SC_SIZE, !iconic && !zoomed && (style & WS_THICKFRAME)},
        {SC_MINIMIZE, !iconic && (style & WS_MINIMIZEBOX)},
        {SC_MAXIMIZE, !zoomed && (style & WS_MAXIMIZEBOX)},
        {0, false},  // separator
        {SC_CLOSE, true},
    };
    standIn_.Reset(::CreatePopupMenu());
    HMENU m = standIn_.Get();
    for (const auto& [command, enabled] : items) {
        if (command == 0) {
            ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = ItemText(texts, command);
        if (!text.empty()) ::AppendMenuW(m, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text.c_str());
    }
    return FromWin32(m);
}

MenuHandle Win32Menus::CreatePopupMenu() { return FromWin32(::CreatePopupMenu()); }

bool Win32Menus::DestroyMenu(MenuHandle menu) { return ::DestroyMenu(Menu(menu)) != FALSE; }

bool Win32Menus::InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                            const Text& text) {
    std::wstring wide = ToWide(text);
    return ::InsertMenuW(Menu(menu), position, flags, id, wide.c_str()) != FALSE;
}

bool Win32Menus::InsertSubmenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle submenu,
                               const Text& text) {
    std::wstring wide = ToWide(text);
    return ::InsertMenuW(Menu(menu), position, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(Menu(submenu)),
                         wide.c_str()) != FALSE;
}

bool Win32Menus::DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) {
    return ::DeleteMenu(Menu(menu), position, flags) != FALSE;
}

int Win32Menus::GetMenuItemCount(MenuHandle menu) { return ::GetMenuItemCount(Menu(menu)); }

std::uint32_t Win32Menus::GetMenuItemID(MenuHandle menu, int position) {
    return static_cast<std::uint32_t>(::GetMenuItemID(Menu(menu), position));
}

Text Win32Menus::GetItemText(MenuHandle menu, int position, int maxCount) {
    if (maxCount <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(maxCount) + 1, L'\0');
    int n = ::GetMenuStringW(Menu(menu), static_cast<UINT>(position), buffer.data(), maxCount, MF_BYPOSITION);
    return n > 0 ? FromWide(buffer.data(), static_cast<std::size_t>(n)) : Text{};
}

std::uint32_t Win32Menus::GetMenuState(MenuHandle menu, int position) {
    return static_cast<std::uint32_t>(::GetMenuState(Menu(menu), static_cast<UINT>(position), MF_BYPOSITION));
}

MenuHandle Win32Menus::GetSubMenu(MenuHandle menu, int position) {
    return FromWin32(::GetSubMenu(Menu(menu), position));
}

}  // namespace hw
