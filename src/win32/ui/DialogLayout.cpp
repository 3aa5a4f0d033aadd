#include "win32/ui/DialogLayout.h"

#include "win32/base/Dpi.h"

namespace hw {

void DialogLayout::SetDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    font_ = CreateMessageFont(dpi_);
}

HWND DialogLayout::Add(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                       int width, int height, DWORD exStyle) {
    HWND c = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, Px(x), Px(y), Px(width), Px(height),
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (!c) return nullptr;
    if (font_) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    placed_.push_back({c, x, y, width, height});
    return c;
}

void DialogLayout::Rescale(int dpi) {
    UniqueFont old = std::move(font_);  // goes only after every control has the new one
    SetDpi(dpi);
    for (const Placed& p : placed_) {
        SetWindowPos(p.hwnd, nullptr, Px(p.x), Px(p.y), Px(p.width), Px(p.height), SWP_NOZORDER | SWP_NOACTIVATE);
        if (font_) SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
}

}  // namespace hw
