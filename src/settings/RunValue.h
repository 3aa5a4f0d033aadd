#pragma once
// The value that starts Hidewell with Windows: "Hidewell" under the Run key, holding the
// program's full path in double quotes. It is written for the current user, whose key a
// normal account may write; a value under the machine's key still counts and is removed
// with it when the user turns the option off.
#include "platform/Registry.h"

namespace hw {

// True when either Run key holds a usable value (not empty, not only NUL characters).
bool StartsWithWindows(Registry& reg);

// Creates the current user's Run key when it is missing. The registry status: 0 when written.
std::int32_t WriteRunValue(Registry& reg, const Text& programPath);

// Removes the value from both Run keys. False when Hidewell would still start with Windows
// (a value under the machine's key that this user may not remove).
bool RemoveRunValue(Registry& reg);

}  // namespace hw
