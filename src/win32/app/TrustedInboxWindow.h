#pragma once
// The trusted inbox: a message-only window that takes every request of the command inbox,
// close among them. No message filter lets WM_COPYDATA through to it, so Windows keeps
// programs with fewer rights than Hidewell from sending to it.
#include <functional>

#include "win32/base/Window.h"

namespace hw {

class TrustedInboxWindow : public Window {
public:
    using Handler = std::function<LRESULT(WPARAM wParam, const COPYDATASTRUCT* data)>;

    bool Create(Handler handler);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

}  // namespace hw
