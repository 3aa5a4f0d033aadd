#include "win32/about/AboutBox.h"

#include "win32/about/AboutWindow.h"
#include "win32/about/ProgramVersionReader.h"

namespace hw {

namespace {

// The about box this process shows now, if any.
HWND OpenAboutBox() {
    for (HWND h = FindWindowExW(nullptr, nullptr, AboutWindow::kClassName, nullptr); h;
         h = FindWindowExW(nullptr, h, AboutWindow::kClassName, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(h, &process);
        if (process == GetCurrentProcessId()) return h;
    }
    return nullptr;
}

// Runs messages until the box is closed, with the owner disabled meanwhile.
void RunModal(AboutWindow& box, HWND owner) {
    bool disabled = owner && IsWindowEnabled(owner);
    if (disabled) EnableWindow(owner, FALSE);
    MSG msg{};
    while (box.Hwnd() && !box.Done()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit for the main loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner takes the activation back before the box goes away.
    if (disabled && IsWindow(owner)) EnableWindow(owner, TRUE);
}

}  // namespace

void ShowAboutBox(HWND owner, bool modal) {
    if (HWND open = OpenAboutBox()) {
        // One box at a time: the open one comes to the front.
        ShowWindow(open, SW_SHOWNORMAL);
        SetForegroundWindow(open);
        return;
    }
    if (!modal) {
        // A modeless box deletes itself once its window is gone.
        auto* box = new AboutWindow(false);
        if (!box->Create(owner, ReadProgramVersion())) delete box;
        return;
    }
    AboutWindow box(true);
    if (box.Create(owner, ReadProgramVersion())) RunModal(box, owner);
}

}  // namespace hw
