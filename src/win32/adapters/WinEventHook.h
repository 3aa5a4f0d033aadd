#pragma once
// Minimise starts of other processes' windows, caption changes of the processes that own
// hidden windows, and, while asked for, top-level windows made or shown, reported to a sink on
// the thread that created the hook. The hooks run out
// of context: no DLL is loaded into other processes, and the events arrive while this thread
// waits for messages.
#include <windows.h>

#include <map>

#include "platform/WindowEvents.h"

namespace hw {

class WinEventHook : public CaptionWatch {
public:
    explicit WinEventHook(WindowEventSink& sink);
    ~WinEventHook() override;
    WinEventHook(const WinEventHook&) = delete;
    WinEventHook& operator=(const WinEventHook&) = delete;

    // False when the platform refused the minimise hook; polling alone then notices everything.
    bool Installed() const { return minimize_ != nullptr; }
    void WatchCaptionsOf(const std::vector<std::uint32_t>& processIds) override;
    void WatchAppearances(bool on) override;

private:
    // The platform's callback, which carries no context: it reaches this thread's hook.
    static void CALLBACK OnEventThunk(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject, LONG idChild,
                                      DWORD thread, DWORD time);

    WindowEventSink& sink_;
    HWINEVENTHOOK minimize_ = nullptr;
    HWINEVENTHOOK appearances_ = nullptr;  // object create to show, of every process
    std::map<std::uint32_t, HWINEVENTHOOK> captionHooks_;  // by process
};

}  // namespace hw
