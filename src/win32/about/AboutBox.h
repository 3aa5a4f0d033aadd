#pragma once
// The about box "About Hidewell".
#include <windows.h>

namespace hw {

// Shows the about box: modal over owner (Help > About), or modeless (the own menu's About).
void ShowAboutBox(HWND owner, bool modal);

}  // namespace hw
