#pragma once
// Typing text into the window in front as the user would, character by character.
#include "addons/date/TypingTarget.h"

namespace hw {

// Sends the text as Unicode characters, so that no character is read as a key command.
// InputBlocked, with the system's error, when the system took fewer inputs than were sent.
TypingResult SendUnicodeText(const Text& text);

}  // namespace hw
