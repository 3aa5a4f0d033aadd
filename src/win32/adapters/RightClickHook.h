#pragma once
// The low-level mouse hook of the right click that hides a window: installed in Hidewell's
// own process only while the option is on, so no code goes into other programs. It decides
// at once and leaves the hide itself to a message posted to Hidewell's window.
#include <windows.h>

#include "engine/RightClickHiding.h"
#include "win32/adapters/Win32ClickTarget.h"

namespace hw {

class RightClickHook {
public:
    // hideMessage and refuseMessage are posted to window with the window (wParam) to hide
    // by hand, or whose refusal the user is told of.
    RightClickHook(std::function<HandHide(WindowHandle)> judge, HWND window, UINT hideMessage, UINT refuseMessage);
    ~RightClickHook();
    RightClickHook(const RightClickHook&) = delete;
    RightClickHook& operator=(const RightClickHook&) = delete;

    // Installs or removes the hook; false when the platform refused to install it (the
    // error is in GetLastError).
    bool SetEnabled(bool on);

private:
    static LRESULT CALLBACK OnMouseThunk(int code, WPARAM wParam, LPARAM lParam);
    // True when the event goes no further.
    bool OnMouse(WPARAM message, const MSLLHOOKSTRUCT& info);

    Win32ClickTarget target_;
    RightClickHider hider_;
    HWND window_;
    UINT hideMessage_;
    UINT refuseMessage_;
    HHOOK hook_ = nullptr;
};

}  // namespace hw
