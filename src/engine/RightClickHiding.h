#pragma once
// Hiding a window by a right click on its minimise button, or a Shift+right click on its title
// bar, as seen from a low-level mouse hook in Hidewell's own process. The hook takes both
// halves of such a click or passes both on: the window never sees a lone button-up. Every
// other mouse event passes at once.
#include <functional>

#include "platform/ClickTarget.h"

namespace hw {

struct MouseInput {
    enum class Kind { RightDown, RightUp, Other };
    Kind kind = Kind::Other;
    int x = 0, y = 0;  // screen coordinates
    bool shift = false;
};

// What Hidewell would make of a hide by hand of a window.
enum class HandHide { Hide, Refuse, Ignore };

struct MouseVerdict {
    bool swallow = false;  // the event goes no further
    // Set on the button-up that completes a taken click: the window to hide now, outside
    // the hook.
    WindowHandle hide;
    // Set on a button-down passed on because the window may not be hidden: the window whose
    // refusal the user is told of.
    WindowHandle refuse;
};

class RightClickHider {
public:
    // judge: whether a hide by hand of the window would hide it, refuse it with a notice, or
    // leave it alone (Hidewell's own windows, the shell's, windows that are not application
    // windows).
    RightClickHider(ClickTarget& target, std::function<HandHide(WindowHandle)> judge);

    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    MouseVerdict OnMouse(const MouseInput& input);

private:
    ClickTarget& target_;
    std::function<HandHide(WindowHandle)> judge_;
    bool enabled_ = false;
    WindowHandle taken_;  // the window whose button-down was taken; its button-up is too
};

}  // namespace hw
