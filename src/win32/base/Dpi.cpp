#include "win32/base/Dpi.h"

namespace hw {

int ScreenDpi() {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

namespace {

// Functions of newer Windows versions, taken at run time.
template <typename Function>
Function Find(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (!m) m = LoadLibraryW(module);
    return m ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(m, name))) : nullptr;
}

using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

int MonitorDpi(HWND window) {
    static const auto getDpi = Find<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)
                              : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT x = 0, y = 0;
    if (getDpi && monitor && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
    return ScreenDpi();
}

int TaskbarDpi() { return MonitorDpi(FindWindowW(L"Shell_TrayWnd", nullptr)); }

namespace {

int MetricAtDpi(int metric, int dpi) {
    static const auto metrics = Find<GetSystemMetricsForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
    if (metrics) return metrics(metric, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(metric), dpi, ScreenDpi());
}

}  // namespace

int SmallIconSize(int dpi) {
    const int size = MetricAtDpi(SM_CXSMICON, dpi);
    return size > 0 ? size : MulDiv(16, dpi, 96);
}

int LargeIconSize(int dpi) {
    const int size = MetricAtDpi(SM_CXICON, dpi);
    return size > 0 ? size : MulDiv(32, dpi, 96);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = Find<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

UniqueFont CreateMessageFont(int dpi) {
    static const auto parameters =
        Find<SystemParametersInfoForDpiFunction>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (parameters && parameters(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0, static_cast<UINT>(dpi)))
        return UniqueFont(CreateFontIndirectW(&ncm.lfMessageFont));
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return UniqueFont();
    ncm.lfMessageFont.lfHeight = MulDiv(ncm.lfMessageFont.lfHeight, dpi, ScreenDpi());
    return UniqueFont(CreateFontIndirectW(&ncm.lfMessageFont));
}

void MoveToSuggestedRect(HWND window, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    if (r) SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                        SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace hw
