#pragma once
// A child window that paints itself through a callback, flicker-free, and reports a click to
// its parent as WM_COMMAND with STN_CLICKED, as a static control with SS_NOTIFY does.
#include <functional>

#include "win32/base/Window.h"

namespace hw {

class PaintBox : public Window {
public:
    using Painter = std::function<void(HDC, const RECT&)>;

    ~PaintBox() override;
    bool Create(HWND parent, int id, Painter painter);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    Painter painter_;
};

}  // namespace hw
