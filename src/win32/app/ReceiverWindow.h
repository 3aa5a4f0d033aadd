#pragma once
// A hidden message-only window that receives one tray icon's callback message and
// hands the mouse message number (the low word of lParam) to its handler.
#include <functional>

#include "platform/NotifyArea.h"
#include "win32/base/Window.h"

namespace hw {

class ReceiverWindow : public Window {
public:
    using Handler = std::function<void(int message)>;
    static constexpr UINT kCallbackMessage = kTrayCallbackMessage;

    bool Create(Handler handler);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

}  // namespace hw
