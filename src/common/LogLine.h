#pragma once
// One line of the diagnostics log.
#include "platform/Clock.h"

namespace hw {

// "yyyy-mm-dd hh:nn:ss  what  "caption"  error text" and CR LF; the caption and the error
// text are left out when empty. Control characters (a caption's line breaks) become
// blanks, so that every event stays on one line.
Text LogLine(const LocalTime& t, const Text& what, const Text& caption, const Text& errorText);

}  // namespace hw
