#include "win32/base/Controls.h"

#include "win32/base/WinText.h"

namespace hw {

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
