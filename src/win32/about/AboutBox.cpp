#include "win32/about/AboutBox.h"

#include "win32/about/AboutWindow.h"
#include "win32/about/ProgramVersionReader.h"
#include "win32/base/ModalLoop.h"

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
    if (box.Create(owner, ReadProgramVersion())) RunModal(box.Hwnd(), owner, [&] { return box.Done(); });
}

}  // namespace hw
