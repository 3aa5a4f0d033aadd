#pragma once
// The options dialog "Options".
#include <windows.h>

#include "ui/OptionsTarget.h"

namespace hw {

// Runs the dialog modally over owner; OK applies the options to target. True on OK.
bool ShowOptionsDialog(HWND owner, OptionsTarget& target);

}  // namespace hw
