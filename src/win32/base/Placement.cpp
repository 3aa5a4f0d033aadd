#include "win32/base/Placement.h"

#include "../../../resources/resource.h"
#include "win32/base/Dpi.h"

namespace hw {

namespace {

// The top left corner that centres a window of this size on the monitor (the primary one
// for no window).
POINT CentredCorner(HWND window, int width, int height) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& m = mi.rcMonitor;
    return POINT{m.left + (m.right - m.left - width) / 2, m.top + (m.bottom - m.top - height) / 2};
}

}  // namespace

RECT CentredWindowRect(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectForDpi(r, style, exStyle, dpi);
    int w = r.right - r.left, h = r.bottom - r.top;
    POINT at = CentredCorner(nullptr, w, h);
    return RECT{at.x, at.y, at.x + w, at.y + h};
}

void CentreOnScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    POINT at = CentredCorner(window, r.right - r.left, r.bottom - r.top);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON ProgramIcon() {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_HIDEWELL), IMAGE_ICON, 0, 0,
                                         LR_DEFAULTSIZE | LR_SHARED));
}

}  // namespace hw
