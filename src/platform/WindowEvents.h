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

// How windows made or shown are being watched.
struct AppearanceWatch {
    // By the shell's notices of new top-level windows, which also tell the caption changes of
    // every top-level window; otherwise the platform's error.
    bool shellNotices = false;
    std::uint32_t shellError = 0;
    // By a hook on shown windows, where the shell's notices are not to be had; otherwise the
    // platform's error. Neither: new windows are found by polling alone.
    bool shownHook = false;
    std::uint32_t hookError = 0;
};

// Caption changes are reported only for the processes named here (those that own hidden
// windows), so that the title changes of every other program cost nothing.
class CaptionWatch {
public:
    virtual ~CaptionWatch() = default;
    // The processes, in ascending order.
    virtual void WatchCaptionsOf(const std::vector<std::uint32_t>& processIds) = 0;
    // Windows made or shown are reported only while asked for (while entries hide windows as
    // soon as they appear); turning it on says how they are watched.
    virtual AppearanceWatch WatchAppearances(bool on) = 0;
};

}  // namespace hw
