#include "addons/date/DateAddOn.h"

#include "addons/date/DateFormat.h"
#include "addons/date/TypingTarget.h"
#include "engine/TrayEngine.h"

namespace hw {

namespace {
const Text kTipPattern = u"dddd dd mmmm yyyy - hh:nn am/pm";
const Text kDayPattern = u"dddd dd mmmm yyyy";
constexpr int kCaptionBuffer = 256;
}  // namespace

Text TypingFailedMessage(TypingOutcome outcome, const Text& caption) {
    if (outcome == TypingOutcome::NotInFront)
        return u"Hidewell could not bring " + caption + u" to the front, so the date was not typed.";
    return u"Windows did not let Hidewell type the date into " + caption +
           u". The program may run with higher rights than Hidewell.";
}

Text DateTipText(const LocalTime& t, DateNames& names) { return FormatOrdinalDate(t, kTipPattern, names); }

DateAddOn::DateAddOn(const DateAddOnServices& services) : s_(services), icon_(services.tray) {}

const DateSettings& DateAddOn::Settings() {
    if (!settings_) settings_ = LoadDateSettings(s_.registry);
    return *settings_;
}

void DateAddOn::Tick(bool rebuild) {
    const LocalTime now = s_.clock.Now();
    const Text tip = DateTipText(now, s_.names);
    if (tip != lastMinute_) {
        lastMinute_ = tip;
        icon_.SetTip(tip + u'\0');
    }
    const Text day = FormatOrdinalDate(now, kDayPattern, s_.names);
    if (day != lastDay_) {
        lastDay_ = day;
        rebuild = true;
    }
    // An icon taken away (hidden by option) comes back at the first tick that runs again.
    if (!rebuild && icon_.Shown()) return;
    Settings();  // the first showing reads the settings, writing the default format if none
    icon_.Remove();
    icon_.SetTip(tip + u'\0');
    icon_.SetReceiver(s_.host.Receiver());
    icon_.SetIcon(s_.host.DayIcon(now.day));
    if (!icon_.Show()) s_.log.Failure(u"The date icon could not be added to the notification area", u"", 0);
}

void DateAddOn::RemoveIcon() {
    if (icon_.Shown()) icon_.Remove();
}

void DateAddOn::OnTaskbarCreated() { icon_.Readd(); }

void DateAddOn::RedrawIcon() {
    if (icon_.Shown()) icon_.SetIcon(s_.host.DayIcon(s_.clock.Now().day));
}

void DateAddOn::OnIconEvent(int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event || handlingEvent_) return;
    handlingEvent_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{handlingEvent_};
    [&] {
        if (*event == TrayEvent::LeftDoubleClick || *event == TrayEvent::KeySelect) {
            TypeDate(Settings().choice);
        } else if (OpensMenu(*event, icon_)) {
            const LocalTime now = s_.clock.Now();
            std::array<Text, 3> dates{DateText(DateChoice::User, now), DateText(DateChoice::Medium, now),
                                      DateText(DateChoice::Short, now)};
            std::optional<DateMenuItem> item = s_.host.ShowMenu(dates, Settings().choice);
            if (!item) return;
            if (*item == DateMenuItem::Configuration) s_.host.ShowConfiguration();
            else TypeDate(static_cast<DateChoice>(*item));
        }
    }();
}

Text DateAddOn::DateText(DateChoice choice, const LocalTime& t) {
    switch (choice) {
    case DateChoice::Medium: return MediumDate(t, s_.names);
    case DateChoice::Short: return s_.names.ShortDate(t);
    case DateChoice::User: break;
    }
    return FormatOrdinalDate(t, Settings().format, s_.names);
}

void DateAddOn::TypeDate(DateChoice choice) {
    WindowHandle target =
        ChooseTypingTarget(s_.desktop, [this](WindowHandle h) { return s_.host.IsOwnOrShell(h); });
    if (!target) return;
    s_.host.TypeInto(target, DateText(choice, s_.clock.Now()));
}

void DateAddOn::OnTypingFinished(WindowHandle target, const TypingResult& result) {
    if (result.outcome == TypingOutcome::Typed) return;
    Text caption = s_.desktop.GetText(target, kCaptionBuffer);
    s_.log.Failure(result.outcome == TypingOutcome::NotInFront ? u"Typing the date: could not bring the window to the front"
                                                              : u"Typing the date: the input fell short",
                   caption, result.systemError);
    s_.ui.ShowMessage(TypingFailedMessage(result.outcome, caption), kAppTitle, kMbIconInformation);
}

void DateAddOn::ApplyConfiguration(const DateConfigModel::Result& result) {
    settings_ = result.settings;
    if (!result.write) return;
    std::int32_t status = SaveDateSettings(s_.registry, result.settings);
    if (status == kErrorSuccess) return;
    s_.log.Failure(u"Saving the date settings", u"", static_cast<std::uint32_t>(status));
    s_.ui.ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
}

}  // namespace hw
