#include "win32/adapters/WinEventHook.h"

#include <algorithm>
#include <utility>

namespace hw {

namespace {

// The hook of this thread, where the context-free callbacks find it: one lookup in memory,
// no system call per event.
thread_local WinEventHook* t_hook = nullptr;

constexpr wchar_t kShellWindowClass[] = L"HidewellShellNotices";

HWINEVENTHOOK Hook(DWORD first, DWORD last, DWORD processId, WINEVENTPROC proc) {
    // A hook on one other process needs no skipping of our own, and Wine delivers nothing to
    // a hook that has both.
    const DWORD skipOwn = processId == 0 ? WINEVENT_SKIPOWNPROCESS : 0;
    return SetWinEventHook(first, last, nullptr, proc, processId, 0, WINEVENT_OUTOFCONTEXT | skipOwn);
}

WindowHandle HandleOf(HWND hwnd) { return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(hwnd)); }

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

AppearanceWatch WinEventHook::WatchAppearances(bool on) {
    AppearanceWatch how;
    if (!on) {
        if (shellWindow_) DeregisterShellHookWindow(shellWindow_.Get());
        shellWindow_.Reset();
        if (appearances_) UnhookWinEvent(std::exchange(appearances_, nullptr));
        return how;
    }
    if (shellWindow_ || appearances_) {
        how.shellNotices = static_cast<bool>(shellWindow_);
        how.shownHook = appearances_ != nullptr;
        return how;
    }
    // The shell tells of new top-level windows only: the controls other programs make cost
    // nothing. A hidden window of its own receives the notices.
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &OnShellNotice;
    wc.hInstance = instance;
    wc.lpszClassName = kShellWindowClass;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        how.shellError = GetLastError();
    } else {
        shellMessage_ = RegisterWindowMessageW(L"SHELLHOOK");
        shellWindow_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, kShellWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, instance, nullptr));
        SetLastError(0);
        if (shellWindow_ && shellMessage_ && RegisterShellHookWindow(shellWindow_.Get())) {
            how.shellNotices = true;
            return how;
        }
        how.shellError = GetLastError();
        shellWindow_.Reset();
    }
    // Otherwise every window shown, of which only top-level ones are reported.
    appearances_ = Hook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, 0, &OnEventThunk);
    how.shownHook = appearances_ != nullptr;
    if (!how.shownHook) how.hookError = GetLastError();
    return how;
}

LRESULT CALLBACK WinEventHook::OnShellNotice(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WinEventHook* hook = t_hook;
    if (!hook || message != hook->shellMessage_ || hwnd != hook->shellWindow_.Get())
        return DefWindowProcW(hwnd, message, wParam, lParam);
    ++hook->delivered_;
    const HWND window = reinterpret_cast<HWND>(lParam);
    if (!window) return 0;
    // Exactly these: HSHELL_FLASH is HSHELL_REDRAW with the high bit.
    if (wParam == HSHELL_WINDOWCREATED)
        hook->sink_.OnWindowEvent(WindowEvent::Appeared, HandleOf(window));
    else if (wParam == HSHELL_REDRAW)
        hook->sink_.OnWindowEvent(WindowEvent::CaptionChanged, HandleOf(window));
    return 0;
}

void CALLBACK WinEventHook::OnEventThunk(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD,
                                         DWORD) {
    if (!t_hook) return;
    ++t_hook->delivered_;
    // Only the windows themselves, not their parts (a caption change of a list item, ...).
    if (!hwnd || idObject != OBJID_WINDOW || idChild != CHILDID_SELF) return;
    WindowEvent e = event == EVENT_SYSTEM_MINIMIZESTART ? WindowEvent::Minimized
                    : event == EVENT_OBJECT_NAMECHANGE  ? WindowEvent::CaptionChanged
                                                        : WindowEvent::Appeared;
    // Of the windows shown, only top-level ones.
    if (e == WindowEvent::Appeared && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0) return;
    t_hook->sink_.OnWindowEvent(e, HandleOf(hwnd));
}

}  // namespace hw
