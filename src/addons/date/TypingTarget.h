#pragma once
// The window that the date is typed into, and how typing into it ended.
#include <cstdint>
#include <functional>

#include "platform/Desktop.h"

namespace hw {

// The window in front when it is one the user types into; otherwise the topmost such window
// in Z order. Such a window is visible, not minimised, not kept out of sight by the system
// (cloaked), no floating tool palette (a tool window or one that never takes the front),
// titled, and has no owner unless its title holds "TO FILE" in any case; windows for which
// excluded is true (Hidewell's own, the shell's) never qualify. 0 when there is none.
WindowHandle ChooseTypingTarget(Desktop& desktop, const std::function<bool(WindowHandle)>& excluded);

enum class TypingOutcome {
    Typed,
    NotInFront,    // the window did not come to the front: nothing was typed
    InputBlocked,  // the system took less input than was sent (a program with higher rights)
};

struct TypingResult {
    TypingOutcome outcome = TypingOutcome::Typed;
    std::uint32_t systemError = 0;  // the system's error code, 0 for none
};

}  // namespace hw
