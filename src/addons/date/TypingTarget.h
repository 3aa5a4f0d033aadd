#pragma once
// The window that the date is typed into.
#include <functional>

#include "platform/Desktop.h"

namespace hw {

// The topmost window, in Z order, that is visible, not minimised, titled, and has no owner
// (or whose title holds "TO FILE" in any case), leaving out the windows for which
// excluded is true (Hidewell's own, the taskbar). 0 when there is none.
WindowHandle ChooseTypingTarget(Desktop& desktop, const std::function<bool(WindowHandle)>& excluded);

}  // namespace hw
