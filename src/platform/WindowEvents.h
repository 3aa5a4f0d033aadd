#pragma once
// What the platform reports about other programs' windows as it happens, so the engine
// need not wait for its next poll.
#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace hw {

enum class WindowEvent {
    Minimized,       // a window starts to minimise
    CaptionChanged,  // a window's caption changed
    Appeared,        // a top-level window was made or shown
};

class WindowEventSink {
public:
    virtual ~WindowEventSink() = default;
    virtual void OnWindowEvent(WindowEvent event, WindowHandle window) = 0;
};

// Caption changes are reported only for the processes named here (those that own hidden
// windows), so that the title changes of every other program cost nothing.
class CaptionWatch {
public:
    virtual ~CaptionWatch() = default;
    // The processes, in ascending order.
    virtual void WatchCaptionsOf(const std::vector<std::uint32_t>& processIds) = 0;
    // Windows made or shown are reported only while asked for (while entries hide windows as
    // soon as they appear).
    virtual void WatchAppearances(bool on) = 0;
};

}  // namespace hw
