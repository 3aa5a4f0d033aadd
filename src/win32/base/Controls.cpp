#include "win32/base/Controls.h"

#include "win32/base/WinText.h"

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

Text WindowText(HWND h) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

bool SetTextIfChanged(HWND h, const std::wstring& text) {
    std::wstring now(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    now.resize(static_cast<std::size_t>(GetWindowTextW(h, now.data(), static_cast<int>(now.size()))));
    if (now == text) return false;
    SetWindowTextW(h, text.c_str());
    return true;
}

bool SetTextIfChanged(HWND h, const Text& text) { return SetTextIfChanged(h, ToWide(text)); }

}  // namespace hw
