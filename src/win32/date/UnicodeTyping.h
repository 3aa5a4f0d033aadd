#pragma once
// Typing text into another program as the user would, character by character.
#include <windows.h>

#include "platform/Types.h"

namespace hw {

// Brings the window to the front and types the text into it as Unicode characters, so that
// no character is read as a key command. False when the window could not be brought to the
// front or the input was refused.
bool TypeIntoWindow(HWND target, const Text& text);

}  // namespace hw
