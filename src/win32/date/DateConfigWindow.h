#pragma once
// The date add-on's configuration window: what a double click types (the user's pattern,
// the medium or the short date) and the user's pattern, with Ok, Help and Cancel. Not modal;
// it destroys itself when it ends and hands the result to its owner.
#include <functional>

#include "addons/date/DateConfigModel.h"
#include "platform/Clock.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/Window.h"

namespace hw {

class DateConfigWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"HidewellDateConfig";
    // Called once after Ok, Cancel, Esc or the close box, when the window is gone; it may
    // delete this object.
    using FinishedHandler = std::function<void(const DateConfigModel::Result&)>;

    DateConfigWindow(DateConfigModel model, Clock& clock, DateNames& names, FinishedHandler finished);
    ~DateConfigWindow() override;

    // Creates the window, centred on the screen, and shows it in front.
    bool Create();
    void BringToFront();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowModel();
    void ShowCaptions();
    void Finish(bool ok);

    DateConfigModel model_;
    Clock& clock_;
    DateNames& names_;
    FinishedHandler finished_;
    bool finishing_ = false;
    DialogLayout layout_;
};

}  // namespace hw
