#pragma once
// Base of every window Hidewell creates: registers its class once and routes the
// window procedure into the member function HandleMessage of the owning object.
#include <windows.h>

#include "win32/base/Handles.h"

namespace hw {

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return hwnd_.Get(); }

protected:
    // Creates the window; the class is registered on first use.
    bool Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                int width, int height, HWND parent, HICON icon = nullptr, UINT classStyle = 0);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY), as the last use of this object: a window
    // that owns itself deletes itself here.
    virtual void OnFinalMessage() {}
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(Hwnd(), msg, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    UniqueWindow hwnd_;
};

}  // namespace hw
