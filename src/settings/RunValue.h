#pragma once
// The value that starts Hidewell with Windows: "Hidewell" under the Run key, holding the
// program's full path in double quotes and the argument that tells Hidewell it starts with
// Windows (values written before the argument existed still start it, without it). It is written for the current user, whose key a
// normal account may write; a value under the machine's key still counts and is removed
// with it when the user turns the option off.
#include "platform/Registry.h"

namespace hw {

inline const Text kWithWindowsArgument = u"/startup";

// Whether a command line (the program first, as Windows gives it) carries the argument.
bool StartedWithWindows(const Text& commandLine);

// True when either Run key holds a usable value (not empty, not only NUL characters).
bool StartsWithWindows(Registry& reg);

// Creates the current user's Run key when it is missing. The registry status: 0 when written.
std::int32_t WriteRunValue(Registry& reg, const Text& programPath);

// Removes the value from both Run keys. False when Hidewell would still start with Windows
// (a value under the machine's key that this user may not remove).
bool RemoveRunValue(Registry& reg);

}  // namespace hw
