#include "win32/base/PopupPlace.h"

#include <shellapi.h>

namespace hw {

namespace {

// Taken at run time: a shell without it leaves the popup at the mouse.
using GetRectFunction = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);

bool IconRect(HWND receiver, RECT& rect) {
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    auto getRect = shell ? reinterpret_cast<GetRectFunction>(
                               reinterpret_cast<void (*)()>(GetProcAddress(shell, "Shell_NotifyIconGetRect")))
                         : nullptr;
    if (!getRect || !receiver) return false;
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = receiver;
    icon.uID = 1;
    return SUCCEEDED(getRect(&icon, &rect)) && !IsRectEmpty(&rect);
}

}  // namespace

POINT TrayPopupPoint(HWND receiver, bool* atIcon) {
    POINT pt{};
    GetCursorPos(&pt);
    RECT icon{};
    bool keyboard = IconRect(receiver, icon) && !PtInRect(&icon, pt);
    if (keyboard) pt = POINT{(icon.left + icon.right) / 2, icon.top};
    if (atIcon) *atIcon = keyboard;
    return pt;
}

POINT KeyboardPopupPoint(HWND receiver) {
    RECT place{};
    if (IconRect(receiver, place)) return POINT{(place.left + place.right) / 2, place.top};
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    HWND notify = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
    if ((notify && GetWindowRect(notify, &place)) || (taskbar && GetWindowRect(taskbar, &place)))
        return POINT{place.right - 1, place.top};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &place, 0);
    return POINT{place.right - 1, place.bottom - 1};
}

void ReturnTrayFocus(HWND receiver) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = receiver;
    data.uID = 1;
    Shell_NotifyIconW(NIM_SETFOCUS, &data);
}

}  // namespace hw
