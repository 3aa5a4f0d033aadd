#pragma once
// The hotkey field of the options dialog: a box that shows its window text (the whole
// combination, as the dialog sets it) and takes the keyboard focus; the dialog reads the keys
// pressed in it. While a field has the focus and its dialog is in front, a low-level keyboard
// hook takes the combinations with Ctrl, Alt or Win before any program that holds them (and
// before Windows' own Win combinations) and posts them to the dialog.
#include <windows.h>

#include <cstdint>

namespace hw {

inline constexpr wchar_t kHotkeyFieldClass[] = L"HidewellHotkeyField";

// Registers the field's window class (once); false when Windows refused.
bool RegisterHotkeyFieldClass();
bool IsHotkeyField(HWND h);

// The modifiers held (kHotkey* bits): as the message being handled saw them, or (async) now.
std::uint8_t ModifiersHeld(bool async);

class FieldKeyboardHook {
public:
    // Posted to the dialog: wParam the virtual key, lParam the modifiers.
    static constexpr UINT kCombinationMessage = WM_APP + 60;
    FieldKeyboardHook();
    ~FieldKeyboardHook();
    FieldKeyboardHook(const FieldKeyboardHook&) = delete;
    FieldKeyboardHook& operator=(const FieldKeyboardHook&) = delete;
    bool Installed() const { return hook_ != nullptr; }

private:
    HHOOK hook_ = nullptr;
};

}  // namespace hw
