// A window for the end-to-end tests: its caption comes from the command line.
//   testwindow.exe <caption> [minimized] [refuseclose] [nomaxbox] [palette]
// "refuseclose": ignores WM_CLOSE. "palette": a floating tool palette, topmost, that never
// takes the front. WM_APP+1 with lParam N sets the caption to caption + " N";
// WM_APP+2 makes it stop answering messages for good (to test time-outs); WM_APP+3 with
// lParam N minimises it, then keeps its thread busy for N ms (a program saving a large file);
// WM_APP+4 reports a caption change and WM_APP+5 minimises it and reports the minimise, as
// Windows does for every window (Wine reports neither of its own).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

bool g_refuseClose = false;
std::wstring g_caption;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        if (g_refuseClose) return 0;
        DestroyWindow(hwnd);
        return 0;
    case WM_APP + 1:
        SetWindowTextW(hwnd, (g_caption + L" " + std::to_wstring(lParam)).c_str());
        return 0;
    case WM_APP + 2:
        Sleep(INFINITE);  // hung from here on
        return 0;
    case WM_APP + 3:
        ShowWindow(hwnd, SW_MINIMIZE);
        Sleep(static_cast<DWORD>(lParam));
        return 0;
    case WM_APP + 4:
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_WINDOW, CHILDID_SELF);
        return 0;
    case WM_APP + 5:
        ShowWindow(hwnd, SW_MINIMIZE);
        NotifyWinEvent(EVENT_SYSTEM_MINIMIZESTART, hwnd, OBJID_WINDOW, CHILDID_SELF);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    g_caption = argc > 1 ? argv[1] : L"Test Window";
    bool minimized = false, noMaxBox = false, palette = false;
    for (int i = 2; i < argc; ++i) {
        std::wstring a = argv[i];
        minimized |= a == L"minimized";
        g_refuseClose |= a == L"refuseclose";
        noMaxBox |= a == L"nomaxbox";
        palette |= a == L"palette";
    }
    LocalFree(argv);

    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"HidewellTestWindow";
    RegisterClassW(&wc);
    DWORD style = WS_OVERLAPPEDWINDOW & ~(noMaxBox ? WS_MAXIMIZEBOX : 0);
    DWORD exStyle = 0;
    if (palette) {
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    }
    HWND hwnd = CreateWindowExW(exStyle, wc.lpszClassName, g_caption.c_str(), style, 100, 100, 320, 200, nullptr,
                                nullptr, instance, nullptr);
    ShowWindow(hwnd, minimized ? SW_SHOWMINNOACTIVE : palette ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
