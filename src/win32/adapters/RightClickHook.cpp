#include "win32/adapters/RightClickHook.h"

#include <utility>

#include "win32/base/HandleCast.h"

namespace hw {

namespace {
// The platform's callback carries no context: it reaches the hook of the thread that
// installed it, which is the thread it runs on.
thread_local RightClickHook* t_hook = nullptr;
}  // namespace

RightClickHook::RightClickHook(std::function<HandHide(WindowHandle)> judge, HWND window, UINT hideMessage,
                               UINT refuseMessage)
    : hider_(target_, std::move(judge)), window_(window), hideMessage_(hideMessage), refuseMessage_(refuseMessage) {}

RightClickHook::~RightClickHook() { SetEnabled(false); }

bool RightClickHook::SetEnabled(bool on) {
    hider_.SetEnabled(on);
    if (on && !hook_) {
        t_hook = this;
        hook_ = SetWindowsHookExW(WH_MOUSE_LL, &RightClickHook::OnMouseThunk, GetModuleHandleW(nullptr), 0);
        if (!hook_) t_hook = nullptr;
        return hook_ != nullptr;
    }
    if (!on && hook_) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
        t_hook = nullptr;
    }
    return true;
}

LRESULT CALLBACK RightClickHook::OnMouseThunk(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && t_hook && lParam && t_hook->OnMouse(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool RightClickHook::OnMouse(WPARAM message, const MSLLHOOKSTRUCT& info) {
    MouseInput input;
    if (message == WM_RBUTTONDOWN || message == WM_NCRBUTTONDOWN)
        input.kind = MouseInput::Kind::RightDown;
    else if (message == WM_RBUTTONUP || message == WM_NCRBUTTONUP)
        input.kind = MouseInput::Kind::RightUp;
    else
        return false;
    input.x = info.pt.x;
    input.y = info.pt.y;
    input.shift = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    const MouseVerdict verdict = hider_.OnMouse(input);
    if (verdict.hide) PostMessageW(window_, hideMessage_, static_cast<WPARAM>(verdict.hide.Value()), 0);
    if (verdict.refuse) PostMessageW(window_, refuseMessage_, static_cast<WPARAM>(verdict.refuse.Value()), 0);
    return verdict.swallow;
}

}  // namespace hw
