#pragma once
// What lies under the mouse pointer: the top-level window there, and which part of it.
#include "platform/Types.h"

namespace hw {

enum class WindowArea { Other, Caption, MinimiseButton };

class ClickTarget {
public:
    virtual ~ClickTarget() = default;
    // The top-level window at the point (screen coordinates); 0 for none.
    virtual WindowHandle TopLevelAt(int x, int y) = 0;
    // The part of the window at the point, by the window's own answer to a hit test, asked
    // with a time-out short enough for a mouse hook; by its title bar's geometry when the
    // window does not answer in time.
    virtual WindowArea AreaAt(WindowHandle window, int x, int y) = 0;
};

// A window's frame as the system draws it, for a window too busy to say where its buttons are.
struct CaptionGeometry {
    int left = 0, top = 0, right = 0, bottom = 0;  // the window's rectangle on the screen
    int frameX = 0, frameY = 0;                    // the sizing border
    int captionHeight = 0;
    int buttonWidth = 0;  // one caption button
    bool hasCaption = false;
    bool hasCloseButton = false;     // a system menu
    bool hasMinimiseButton = false;  // minimise and maximise come as a pair
};

// The part of a window at a point from its geometry alone: the buttons sit at the right end
// of the title bar, close outermost, then maximise, then minimise.
WindowArea AreaFromGeometry(const CaptionGeometry& frame, int x, int y);

}  // namespace hw
