// Hidewell's entry point: one instance, the main window, and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "engine/Hidewell.h"
#include "win32/adapters/Win32Desktop.h"
#include "win32/adapters/Win32NotifyArea.h"
#include "win32/adapters/Win32Ui.h"
#include "win32/app/MainWindow.h"
#include "win32/base/Handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second copy ends at once, silently, before it touches settings or the tray.
    hw::UniqueKernelHandle instance(CreateMutexW(nullptr, FALSE, L"Local\\Hidewell.SingleInstance"));
    if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);

    hw::Win32Desktop desktop;
    hw::Win32NotifyArea tray;
    hw::Win32Ui ui;
    hw::MainWindow main;
    hw::Platform platform{desktop, tray, ui, main};
    hw::Hidewell engine(platform);
    if (!main.Create(engine)) return 1;
    ui.SetOwner(main.Hwnd());
    engine.Form_Load();

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (main.Hwnd() && IsDialogMessageW(main.Hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
