// The yardstick of the memory benchmark: the least a Win32 program with one window costs.
// One hidden top-level window and the message loop; with "tray" on the command line also one
// tray icon (shell32 loaded for it only then). It ends on WM_CLOSE.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"HidewellMinimalWindow";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Minimal Window", WS_OVERLAPPEDWINDOW, 100, 100, 320, 200,
                                nullptr, nullptr, instance, nullptr);
    using NotifyFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    NotifyFn notify = nullptr;
    if (std::wcsstr(GetCommandLineW(), L" tray"))
        if (HMODULE shell = LoadLibraryW(L"shell32.dll"))
            notify = reinterpret_cast<NotifyFn>(reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconW")));
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = hwnd;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(icon.szTip, L"Minimal Window");
    if (notify) notify(NIM_ADD, &icon);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (notify) notify(NIM_DELETE, &icon);
    return 0;
}
