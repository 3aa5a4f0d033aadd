#pragma once
// Hidewell's help window, shared by every Help button and menu item.
#include <windows.h>

#include "common/HelpContext.h"

namespace hw {

// Opens the help window at the topic of the context (or brings it to the front there).
void ShowHelp(HWND owner, HelpContext context);
// Closes the help window if it is open (when Hidewell quits).
void CloseHelp();

}  // namespace hw
