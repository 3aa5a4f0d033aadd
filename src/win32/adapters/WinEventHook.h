#pragma once
// Minimise starts and caption changes of other processes' windows, reported to a sink on
// the thread that created the hook. The hooks run out of context: no DLL is loaded into
// other processes, and the events arrive while this thread waits for messages.
#include <windows.h>

#include <utility>

#include "platform/WindowEvents.h"
#include "win32/base/Window.h"

namespace hw {

class WinEventHook : public Window {
public:
    explicit WinEventHook(WindowEventSink& sink);
    ~WinEventHook() override;

    // False when the platform refused a hook; polling alone then notices everything.
    bool Installed() const { return minimize_ != nullptr && nameChange_ != nullptr; }

    // The platform's callback; finds this thread's hook window and hands it the event.
    static void CALLBACK OnEventThunk(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject, LONG idChild,
                                      DWORD thread, DWORD time);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Unhook();

    WindowEventSink& sink_;
    HWINEVENTHOOK minimize_ = nullptr;
    HWINEVENTHOOK nameChange_ = nullptr;
};

}  // namespace hw
