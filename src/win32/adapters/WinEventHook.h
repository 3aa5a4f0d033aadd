#pragma once
// Minimise starts of other processes' windows, caption changes of the processes that own
// hidden windows, and, while asked for, top-level windows made or shown, reported to a sink on
// the thread that created the hook. New windows come from the shell's notices of new top-level
// windows where the system delivers them, or else from a hook on shown windows. The hooks run
// out of context: no DLL is loaded into other processes, and the events arrive while this
// thread waits for messages.
#include <windows.h>

#include <cstdint>
#include <map>

#include "platform/WindowEvents.h"
#include "win32/base/Handles.h"

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
    AppearanceWatch WatchAppearances(bool on) override;
    // Events and shell notices delivered to this thread so far, whether reported or not: what
    // watching costs.
    std::uint64_t Delivered() const { return delivered_; }

private:
    // The platform's callbacks, which carry no context: they reach this thread's hook.
    static void CALLBACK OnEventThunk(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject, LONG idChild,
                                      DWORD thread, DWORD time);
    static LRESULT CALLBACK OnShellNotice(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    WindowEventSink& sink_;
    HWINEVENTHOOK minimize_ = nullptr;
    // The hidden window that gets the shell's notices of new windows and caption changes.
    UniqueWindow shellWindow_;
    UINT shellMessage_ = 0;
    HWINEVENTHOOK appearances_ = nullptr;  // windows shown, of every process
    std::map<std::uint32_t, HWINEVENTHOOK> captionHooks_;  // by process
    std::uint64_t delivered_ = 0;
};

}  // namespace hw
