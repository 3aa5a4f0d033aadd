#pragma once
// The date add-on: an icon with today's day of the month and the date and time as its tip,
// kept up to date by the poll loop; its menu and double click type today's date into the
// window the user works in.
#include <array>
#include <optional>

#include "addons/date/DateConfigModel.h"
#include "addons/date/DateSettings.h"
#include "addons/date/TypingTarget.h"
#include "engine/DateIconSteps.h"
#include "engine/TrayIcon.h"
#include "platform/Clock.h"
#include "platform/DateNames.h"
#include "platform/Desktop.h"
#include "platform/Log.h"
#include "platform/NotifyArea.h"
#include "platform/Registry.h"
#include "platform/Ui.h"

namespace hw {

// The items of the date icon's menu.
enum class DateMenuItem { User, Medium, Short, Configuration };

// What the add-on needs of its window side.
class DateAddOnHost {
public:
    virtual ~DateAddOnHost() = default;
    // The window that receives the date icon's mouse messages.
    virtual WindowHandle Receiver() = 0;
    virtual IconHandle DayIcon(int day) = 0;
    // Shows the menu at the mouse with the three date texts, the default one in bold.
    virtual std::optional<DateMenuItem> ShowMenu(const std::array<Text, 3>& dates, DateChoice defaultItem) = 0;
    // Shows the configuration window (not modal); it ends in ApplyConfiguration.
    virtual void ShowConfiguration() = 0;
    // Hidewell's own windows and the taskbar, which never receive the date.
    virtual bool IsOwnOrShell(WindowHandle h) = 0;
    // Brings the window to the front and types the text into it, without waiting on the
    // user-interface thread; the outcome goes to DateAddOn::OnTypingFinished, now or later.
    virtual void TypeInto(WindowHandle target, const Text& text) = 0;
};

struct DateAddOnServices {
    NotifyArea& tray;
    Desktop& desktop;
    Clock& clock;
    Registry& registry;
    DateNames& names;
    DateAddOnHost& host;
    Ui& ui;
    Log& log;
};

// What the user is told when the date could not be typed into the window with this caption.
Text TypingFailedMessage(TypingOutcome outcome, const Text& caption);

// The tip: "dddd dd mmmm yyyy - hh:nn am/pm".
Text DateTipText(const LocalTime& t, DateNames& names);

class DateAddOn : public DateIconSteps {
public:
    explicit DateAddOn(const DateAddOnServices& services);
    DateAddOn(const DateAddOn&) = delete;
    DateAddOn& operator=(const DateAddOn&) = delete;

    // The poll loop's date steps, while the date icon is not hidden: the tip follows the
    // minute, a new day asks for a rebuild, and a requested rebuild adds the icon again
    // (behind every other icon) and clears the request. An icon that was removed is added again.
    void Tick(bool rebuild) override;
    // Takes the icon out of the notification area (hidden by option, or Hidewell ends).
    void RemoveIcon() override;
    void OnTaskbarCreated() override;
    // Shows today's picture again, drawn anew by the host (the icon size changed).
    void RedrawIcon();
    // A mouse message (the low word of the callback's lParam) of the date icon.
    void OnIconEvent(int message);

    // Types today's date in the chosen form into the window the user works in.
    void TypeDate(DateChoice choice);
    Text DateText(DateChoice choice, const LocalTime& t);
    // How typing into the target ended: a failure is logged and told to the user.
    void OnTypingFinished(WindowHandle target, const TypingResult& result);

    // The settings, read on first use.
    const DateSettings& Settings();
    DateConfigModel ConfigModel() { return DateConfigModel(Settings()); }
    // Ok and Cancel both keep the choice for this run; Ok also writes it, telling the user
    // and the log when that fails.
    void ApplyConfiguration(const DateConfigModel::Result& result);

private:
    DateAddOnServices s_;
    TrayIcon icon_;
    bool handlingEvent_ = false;  // a nested event (a click while the menu is open) does nothing
    std::optional<DateSettings> settings_;
    Text lastMinute_;
    Text lastDay_;
};

}  // namespace hw
