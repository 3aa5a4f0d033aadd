#include "win32/adapters/WinEventHook.h"

namespace hw {

namespace {

constexpr const wchar_t* kClassName = L"HidewellWindowEvents";
constexpr UINT kEventMessage = WM_APP + 1;  // wParam: WindowEvent, lParam: the window

HWINEVENTHOOK Hook(DWORD event) {
    return SetWinEventHook(event, event, nullptr, &WinEventHook::OnEventThunk, 0, 0,
                           WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

}  // namespace

WinEventHook::WinEventHook(WindowEventSink& sink) : sink_(sink) {
    // A message-only window receives the events, so the callback, which carries no
    // context, finds its receiver among this thread's windows.
    if (!Create(kClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE)) return;
    minimize_ = Hook(EVENT_SYSTEM_MINIMIZESTART);
    nameChange_ = Hook(EVENT_OBJECT_NAMECHANGE);
    if (!Installed()) Unhook();
}

WinEventHook::~WinEventHook() { Unhook(); }

void WinEventHook::Unhook() {
    if (minimize_) UnhookWinEvent(std::exchange(minimize_, nullptr));
    if (nameChange_) UnhookWinEvent(std::exchange(nameChange_, nullptr));
}

void CALLBACK WinEventHook::OnEventThunk(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD,
                                         DWORD) {
    // Only the windows themselves, not their parts (a caption change of a list item, ...).
    if (!hwnd || idObject != OBJID_WINDOW || idChild != CHILDID_SELF) return;
    const DWORD thread = GetCurrentThreadId();
    for (HWND h = nullptr; (h = FindWindowExW(HWND_MESSAGE, h, kClassName, nullptr)) != nullptr;) {
        if (GetWindowThreadProcessId(h, nullptr) != thread) continue;
        WindowEvent e = event == EVENT_SYSTEM_MINIMIZESTART ? WindowEvent::Minimized : WindowEvent::CaptionChanged;
        SendMessageW(h, kEventMessage, static_cast<WPARAM>(e), reinterpret_cast<LPARAM>(hwnd));
        return;
    }
}

LRESULT WinEventHook::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kEventMessage) return Default(msg, wParam, lParam);
    sink_.OnWindowEvent(static_cast<WindowEvent>(wParam),
                        static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(reinterpret_cast<HWND>(lParam))));
    return 0;
}

}  // namespace hw
