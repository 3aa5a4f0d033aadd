#include "win32/base/ModalLoop.h"

namespace hw {

void RunModal(HWND dialog, HWND owner, const std::function<bool()>& done,
              const std::function<bool(const MSG&)>& keyPreview) {
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    if (!IsChild(dialog, GetFocus())) SetFocus(GetNextDlgTabItem(dialog, nullptr, FALSE));
    MSG msg{};
    while (IsWindow(dialog) && !done()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the program is ending: leave it to the main loop
            break;
        }
        if (got < 0) break;
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (key && root == dialog && keyPreview && keyPreview(msg)) continue;
        if (root && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Enable the owner before hiding, so the activation goes back to it.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) ShowWindow(dialog, SW_HIDE);
    if (owner && IsWindow(owner)) SetActiveWindow(owner);
}

}  // namespace hw
