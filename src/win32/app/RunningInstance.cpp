#include "win32/app/RunningInstance.h"

#include <windows.h>

#include "win32/app/CommandIds.h"
#include "win32/app/MainWindowClass.h"

namespace hw {

void ShowRunningInstance() {
    HWND main = FindWindowW(kMainWindowClass, nullptr);
    if (!main) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    // This start came from the user, so the running copy may come to the front.
    AllowSetForegroundWindow(pid);
    if (IsWindowVisible(main))
        SetForegroundWindow(main);
    else
        PostMessageW(main, RegisterWindowMessageW(kShowConfigurationMessage), 0, 0);
}

}  // namespace hw
