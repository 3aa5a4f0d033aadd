#pragma once
// The diagnostics log: one line for each failure the user may want to look into afterwards
// (a window that cannot be hidden, an icon the shell refused, typing that was blocked, a
// setting that could not be saved). Nothing is written while all goes well.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

class Log {
public:
    virtual ~Log() = default;
    // what: what failed; caption: the window concerned, empty for none; systemError: the
    // system's error code (0 for none), written as the system's own text.
    virtual void Failure(const Text& what, const Text& caption, std::uint32_t systemError) = 0;
};

}  // namespace hw
