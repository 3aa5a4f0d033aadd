#include "win32/adapters/WinEventHook.h"

#include <algorithm>
#include <utility>

namespace hw {

namespace {

// The hook of this thread, where the context-free callback finds it: one lookup in memory,
// no system call per event.
thread_local WinEventHook* t_hook = nullptr;

HWINEVENTHOOK Hook(DWORD first, DWORD last, DWORD processId, WINEVENTPROC proc) {
    // A hook on one other process needs no skipping of our own, and Wine delivers nothing to
    // a hook that has both.
    const DWORD skipOwn = processId == 0 ? WINEVENT_SKIPOWNPROCESS : 0;
    return SetWinEventHook(first, last, nullptr, proc, processId, 0, WINEVENT_OUTOFCONTEXT | skipOwn);
}

}  // namespace

WinEventHook::WinEventHook(WindowEventSink& sink) : sink_(sink) {
    t_hook = this;
    minimize_ = Hook(EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZESTART, 0, &OnEventThunk);
}

WinEventHook::~WinEventHook() {
    WatchCaptionsOf({});
    WatchAppearances(false);
    if (minimize_) UnhookWinEvent(std::exchange(minimize_, nullptr));
    if (t_hook == this) t_hook = nullptr;
}

void WinEventHook::WatchCaptionsOf(const std::vector<std::uint32_t>& processIds) {
    for (auto it = captionHooks_.begin(); it != captionHooks_.end();) {
        if (std::binary_search(processIds.begin(), processIds.end(), it->first)) {
            ++it;
            continue;
        }
        if (it->second) UnhookWinEvent(it->second);
        it = captionHooks_.erase(it);
    }
    for (std::uint32_t pid : processIds)
        if (!captionHooks_.count(pid))
            captionHooks_[pid] = Hook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, pid, &OnEventThunk);
}

void WinEventHook::WatchAppearances(bool on) {
    if (on && !appearances_)
        appearances_ = Hook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, 0, &OnEventThunk);
    else if (!on && appearances_)
        UnhookWinEvent(std::exchange(appearances_, nullptr));
}

void CALLBACK WinEventHook::OnEventThunk(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD,
                                         DWORD) {
    // Only the windows themselves, not their parts (a caption change of a list item, ...).
    if (!t_hook || !hwnd || idObject != OBJID_WINDOW || idChild != CHILDID_SELF) return;
    WindowEvent e = event == EVENT_SYSTEM_MINIMIZESTART ? WindowEvent::Minimized
                    : event == EVENT_OBJECT_NAMECHANGE  ? WindowEvent::CaptionChanged
                                                        : WindowEvent::Appeared;
    // Of the windows made and shown, only top-level ones; a destroyed one is no news.
    if (e == WindowEvent::Appeared &&
        (event == EVENT_OBJECT_DESTROY || (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0))
        return;
    t_hook->sink_.OnWindowEvent(e, static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd)));
}

}  // namespace hw
