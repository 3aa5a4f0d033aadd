#pragma once
// What the platform reports about other programs' windows as it happens, so the engine
// need not wait for its next poll.
#include "platform/Types.h"

namespace hw {

enum class WindowEvent {
    Minimized,       // a window starts to minimise
    CaptionChanged,  // a window's caption changed
};

class WindowEventSink {
public:
    virtual ~WindowEventSink() = default;
    virtual void OnWindowEvent(WindowEvent event, WindowHandle window) = 0;
};

}  // namespace hw
