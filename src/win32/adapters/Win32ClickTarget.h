#pragma once
// The window under the mouse pointer and which part of it, for the right-click hook: asked of
// the window itself with a short time-out, so a hung window never holds the mouse up.
#include <windows.h>

#include "platform/ClickTarget.h"

namespace hw {

class Win32ClickTarget : public ClickTarget {
public:
    WindowHandle TopLevelAt(int x, int y) override;
    WindowArea AreaAt(WindowHandle window, int x, int y) override;
};

}  // namespace hw
