#include "win32/menus/Win32Menus.h"

#include "win32/base/HandleCast.h"

#include <windows.h>

#include <vector>

#include "win32/base/WinText.h"

namespace hw {

namespace {
HMENU Menu(MenuHandle m) { return ToWin32<HMENU>(m); }
MenuHandle Handle(HMENU m) { return FromWin32(m); }
HWND H(WindowHandle h) { return ToWin32<HWND>(h); }
}  // namespace

MenuHandle Win32Menus::GetSystemMenu(WindowHandle window, bool revert) {
    if (HMENU menu = ::GetSystemMenu(H(window), revert ? TRUE : FALSE)) return Handle(menu);
    if (!::IsWindow(H(window)) || revert) return 0;
    LONG_PTR style = ::GetWindowLongPtrW(H(window), GWL_STYLE);
    bool iconic = ::IsIconic(H(window)), zoomed = ::IsZoomed(H(window));
    auto state = [](bool enabled) { return enabled ? MF_ENABLED : MF_GRAYED; };
    standIn_.Reset(::CreatePopupMenu());
    HMENU m = standIn_.Get();
    ::AppendMenuW(m, MF_STRING | state(iconic || zoomed), SC_RESTORE, L"&Restore");
    ::AppendMenuW(m, MF_STRING | state(!iconic && !zoomed), SC_MOVE, L"&Move");
    ::AppendMenuW(m, MF_STRING | state(!iconic && !zoomed && (style & WS_THICKFRAME)), SC_SIZE, L"&Size");
    ::AppendMenuW(m, MF_STRING | state(!iconic && (style & WS_MINIMIZEBOX)), SC_MINIMIZE, L"Mi&nimize");
    ::AppendMenuW(m, MF_STRING | state(!zoomed && (style & WS_MAXIMIZEBOX)), SC_MAXIMIZE, L"Ma&ximize");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, SC_CLOSE, L"&Close\tAlt+F4");
    return Handle(m);
}

MenuHandle Win32Menus::CreatePopupMenu() { return Handle(::CreatePopupMenu()); }

bool Win32Menus::DestroyMenu(MenuHandle menu) { return ::DestroyMenu(Menu(menu)) != FALSE; }

bool Win32Menus::InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint64_t idOrSubmenu,
                            const Text& text) {
    std::wstring wide = ToWide(text);
    return ::InsertMenuW(Menu(menu), position, flags, static_cast<UINT_PTR>(idOrSubmenu), wide.c_str()) != FALSE;
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

MenuHandle Win32Menus::GetSubMenu(MenuHandle menu, int position) { return Handle(::GetSubMenu(Menu(menu), position)); }

}  // namespace hw
