#include "win32/base/Controls.h"

namespace hw {

HWND CreateControl(HWND parent, HFONT font, int dpi, const wchar_t* cls, const wchar_t* text, DWORD style, int id,
                   int x, int y, int width, int height) {
    auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, px(x), px(y), px(width),
                             px(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (c && font) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
}

}  // namespace hw
