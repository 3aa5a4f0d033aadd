#pragma once
// The date icon's window side: a hidden window that receives the icon's mouse messages and
// owns its menu, the day pictures, the configuration window, and the typing of the date.
#include <memory>

#include "addons/date/DateAddOn.h"
#include "win32/base/Window.h"
#include "win32/date/DateConfigWindow.h"
#include "win32/date/DayIcons.h"
#include "win32/date/ForegroundTyping.h"
#include "win32/date/Win32DateNames.h"

namespace hw {

class DateIconWindow : public Window, public DateAddOnHost {
public:
    static constexpr const wchar_t* kClassName = L"HidewellDate";
    static constexpr UINT kCallbackMessage = kTrayCallbackMessage;

    DateIconWindow(NotifyArea& tray, Desktop& desktop, Clock& clock, Registry& registry, Ui& ui, Log& log);
    ~DateIconWindow() override;

    // Creates the hidden window; the icon goes up at the poll loop's first date step.
    bool Create();
    DateAddOn& AddOn() { return addOn_; }

    // DateAddOnHost
    WindowHandle Receiver() override;
    IconHandle DayIcon(int day) override;
    std::optional<DateMenuItem> ShowMenu(const std::array<Text, 3>& dates, DateChoice defaultItem) override;
    void ShowConfiguration() override;
    bool IsOwnOrShell(WindowHandle h) override;
    void TypeInto(WindowHandle target, const Text& text) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Clock& clock_;
    Win32DateNames names_;
    DayIcons icons_;
    DateAddOn addOn_;
    ForegroundTyping typing_;
    std::unique_ptr<DateConfigWindow> config_;
};

}  // namespace hw
