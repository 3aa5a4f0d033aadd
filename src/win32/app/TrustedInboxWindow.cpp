#include "win32/app/TrustedInboxWindow.h"

#include "common/CommandInbox.h"
#include "win32/app/MainWindowClass.h"

namespace hw {

bool TrustedInboxWindow::Create(Handler handler) {
    handler_ = std::move(handler);
    return Window::Create(kTrustedInboxClass, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

LRESULT TrustedInboxWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA && handler_) return handler_(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    return Default(msg, wParam, lParam);
}

}  // namespace hw
