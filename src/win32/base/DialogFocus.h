#pragma once
// Keyboard focus in Hidewell's dialogs made of plain windows: Enter presses only a focused
// push button, the focused control is kept while another window is active, and focus moves
// as the dialog manager asks.
#include <windows.h>

#include <optional>

namespace hw {

class DialogFocus {
public:
    // The answer to a message it handles (DM_GETDEFID, WM_ACTIVATE, WM_NEXTDLGCTL), or nothing.
    std::optional<LRESULT> Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    HWND last_ = nullptr;
};

}  // namespace hw
