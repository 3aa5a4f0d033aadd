#include "win32/adapters/Win32ClickTarget.h"

#include "win32/base/HandleCast.h"

namespace hw {

namespace {

// Long enough for a program that pumps, short against the system's limit on a mouse hook.
constexpr UINT kHitTestTimeoutMs = 40;

CaptionGeometry GeometryOf(HWND window) {
    CaptionGeometry g;
    RECT r{};
    if (!GetWindowRect(window, &r)) return g;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    g.left = r.left;
    g.top = r.top;
    g.right = r.right;
    g.bottom = r.bottom;
    const bool sizable = (style & WS_THICKFRAME) != 0;
    g.frameX = GetSystemMetrics(sizable ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    g.frameY = GetSystemMetrics(sizable ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    g.captionHeight = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
    g.buttonWidth = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE);
    g.hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    g.hasCloseButton = (style & WS_SYSMENU) != 0;
    g.hasMinimiseButton = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    return g;
}

}  // namespace

WindowHandle Win32ClickTarget::TopLevelAt(int x, int y) {
    HWND at = WindowFromPoint(POINT{x, y});
    return at ? FromWin32(GetAncestor(at, GA_ROOT)) : WindowHandle{};
}

WindowArea Win32ClickTarget::AreaAt(WindowHandle window, int x, int y) {
    HWND h = ToWin32<HWND>(window);
    DWORD_PTR hit = HTNOWHERE;
    const LPARAM point = MAKELPARAM(static_cast<SHORT>(x), static_cast<SHORT>(y));
    if (SendMessageTimeoutW(h, WM_NCHITTEST, 0, point, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, kHitTestTimeoutMs, &hit)) {
        if (hit == HTMINBUTTON) return WindowArea::MinimiseButton;
        return hit == HTCAPTION ? WindowArea::Caption : WindowArea::Other;
    }
    return AreaFromGeometry(GeometryOf(h), x, y);
}

}  // namespace hw
