#include "win32/ui/DialogLayout.h"

namespace hw {

UniqueFont MessageFontForDpi(int dpi) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return UniqueFont();
    HDC dc = GetDC(nullptr);
    int systemDpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    ncm.lfMessageFont.lfHeight = MulDiv(ncm.lfMessageFont.lfHeight, dpi, systemDpi > 0 ? systemDpi : 96);
    return UniqueFont(CreateFontIndirectW(&ncm.lfMessageFont));
}

void DialogLayout::SetDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    font_ = MessageFontForDpi(dpi_);
}

HWND DialogLayout::Add(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                       int width, int height, DWORD exStyle) {
    HWND c = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, Px(x), Px(y), Px(width), Px(height),
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (!c) return nullptr;
    if (font_) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    placed_.push_back({c, x, y, width, height});
    return c;
}

void DialogLayout::Rescale(int dpi) {
    SetDpi(dpi);
    for (const Placed& p : placed_) {
        SetWindowPos(p.hwnd, nullptr, Px(p.x), Px(p.y), Px(p.width), Px(p.height), SWP_NOZORDER | SWP_NOACTIVATE);
        if (font_) SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
}

SIZE DialogLayout::WindowSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) const {
    RECT r{0, 0, Px(clientWidth), Px(clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace hw
