#include "win32/adapters/Win32Ui.h"

#include "win32/base/WinText.h"

namespace hw {

int Win32Ui::ShowMessage(const Text& text, const Text& caption, std::uint32_t style) {
    // A hidden owner would keep the box out of sight; such boxes go to the foreground.
    HWND owner = owner_ && IsWindowVisible(owner_) ? owner_ : nullptr;
    UINT flags = style | (owner ? 0u : static_cast<UINT>(MB_SETFOREGROUND | MB_TOPMOST));
    return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

}  // namespace hw
