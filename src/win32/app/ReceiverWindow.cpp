#include "win32/app/ReceiverWindow.h"

namespace hw {

bool ReceiverWindow::Create(Handler handler) {
    handler_ = std::move(handler);
    if (!Window::Create(L"HidewellReceiver", L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
    // Explorer runs with normal rights: its callbacks reach an elevated Hidewell too.
    ChangeWindowMessageFilterEx(Hwnd(), kCallbackMessage, MSGFLT_ALLOW, nullptr);
    return true;
}

LRESULT ReceiverWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kCallbackMessage) {
        if (handler_) handler_(LOWORD(lParam));
        return 0;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace hw
