#pragma once
// Keys and focus in Hidewell's dialogs made of plain windows, which the modal loop or the
// main loop run through IsDialogMessage: Enter presses the focused push button, otherwise
// the dialog's default button; Esc sends IDCANCEL.
#include <windows.h>

#include <optional>

namespace hw {

// The answer to DM_GETDEFID, which tells IsDialogMessage the button Enter presses: the
// focused push button, otherwise defaultId (none for 0: Enter then sends IDOK). Nothing
// for other messages.
std::optional<LRESULT> AnswerDefaultButton(HWND dialog, UINT msg, int defaultId);

// For a modal dialog without a default button: Enter presses only a focused push button,
// the focused control is kept while another window is active, and focus moves as the
// dialog manager asks.
class DialogFocus {
public:
    // The answer to a message it handles (DM_GETDEFID, WM_ACTIVATE, WM_NEXTDLGCTL), or nothing.
    std::optional<LRESULT> Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    HWND last_ = nullptr;
};

}  // namespace hw
