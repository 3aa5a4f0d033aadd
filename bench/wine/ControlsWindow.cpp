// The busy program of the appear-watch benchmark: one top-level window that, when told
// (WM_APP), makes and shows 1,000 child controls, then reports a minimise of its window that
// it never carries out: the sign that everything before it has been delivered. It ends on
// WM_CLOSE.
#include <windows.h>

namespace {

constexpr int kControls = 1000;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_APP: {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        for (int i = 0; i < kControls; ++i)
            CreateWindowExW(0, L"BUTTON", L"Control", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, (i % 40) * 24,
                            (i / 40) * 12, 22, 10, hwnd, nullptr, instance, nullptr);
        NotifyWinEvent(EVENT_SYSTEM_MINIMIZESTART, hwnd, OBJID_WINDOW, CHILDID_SELF);
        return 0;
    }
    case WM_DESTROY:
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
    wc.lpszClassName = L"HidewellControlsWindow";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Controls Window", WS_OVERLAPPEDWINDOW, 50, 50, 980, 320,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
