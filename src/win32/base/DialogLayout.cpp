#include "win32/base/DialogLayout.h"

#include "win32/base/Dpi.h"
#include "win32/base/Placement.h"

namespace hw {

void DialogLayout::SetDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    font_.Reset();  // made when a control first needs it
}

RECT DialogLayout::CentredWindow(int clientWidth, int clientHeight, DWORD style, DWORD exStyle) const {
    return CentredWindowRect(Px(clientWidth), Px(clientHeight), style, exStyle, dpi_);
}

HWND DialogLayout::Add(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                       int width, int height, DWORD exStyle) {
    HWND c = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, Px(x), Px(y),
                             Px(width), Px(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!c) return nullptr;
    placed_.push_back({c, x, y, width, height, nullptr, false});
    SendFont(placed_.back(), FALSE);
    return c;
}

void DialogLayout::Keep(HWND child, int x, int y, int width, int height) {
    if (!child) return;
    SetWindowPos(child, nullptr, Px(x), Px(y), Px(width), Px(height), SWP_NOZORDER | SWP_NOACTIVATE);
    placed_.push_back({child, x, y, width, height, nullptr, true});
}

void DialogLayout::SetFont(HWND control, const UniqueFont& font) {
    for (Placed& p : placed_) {
        if (p.hwnd != control) continue;
        p.font = &font;
        SendFont(p, FALSE);
    }
}

void DialogLayout::SendFont(const Placed& p, BOOL redraw) {
    if (p.keepsFont) return;
    if (!p.font && !font_) font_ = CreateMessageFont(dpi_);
    HFONT font = p.font ? p.font->Get() : font_.Get();
    if (font) SendMessageW(p.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void DialogLayout::Rescale(int dpi, const std::function<void()>& remakeFonts) {
    UniqueFont old = std::move(font_);  // goes only after every control has the new one
    SetDpi(dpi);
    if (remakeFonts) remakeFonts();
    for (const Placed& p : placed_) {
        SetWindowPos(p.hwnd, nullptr, Px(p.x), Px(p.y), Px(p.width), Px(p.height), SWP_NOZORDER | SWP_NOACTIVATE);
        SendFont(p, TRUE);
    }
}

void DialogLayout::FollowDpiChange(HWND window, WPARAM wParam, LPARAM lParam,
                                   const std::function<void()>& remakeFonts) {
    // The controls first: a window that holds its width asks for it at the new DPI.
    Rescale(HIWORD(wParam), remakeFonts);
    MoveToSuggestedRect(window, lParam);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace hw
