#pragma once
// Runs a window modally over its owner: the owner is disabled until the window is done.
#include <windows.h>

#include <functional>

namespace hw {

// Shows the dialog, pumps messages (Tab, Enter, Esc and accelerators as in a dialog) until
// done() holds or the dialog is destroyed, then hides it and gives the owner back the focus.
// keyPreview sees the dialog's keyboard messages first; true when it handled one.
void RunModal(HWND dialog, HWND owner, const std::function<bool()>& done,
              const std::function<bool(const MSG&)>& keyPreview = {});

}  // namespace hw
