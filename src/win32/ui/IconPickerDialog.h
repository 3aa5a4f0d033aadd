#pragma once
// The icon picker "Applications Icon".
#include <windows.h>

#include <optional>

#include "platform/Types.h"

namespace hw {

// Lets the user choose an icon of a program, library or icon file, starting at the icon
// reference given ("NNN:path"). Empty, for an entry without an icon, starts in the folder
// where an icon was last chosen in this run, else at the first icon of explorer.exe. Returns
// the chosen reference, or nothing when the user cancelled.
std::optional<Text> PickIcon(HWND owner, const Text& reference);

}  // namespace hw
