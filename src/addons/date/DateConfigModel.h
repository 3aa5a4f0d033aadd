#pragma once
// The date add-on's configuration window: which text a double click types and the user's
// pattern. Ok keeps and writes the choice; Cancel keeps it for this run without writing it.
#include "addons/date/DateSettings.h"
#include "platform/DateNames.h"

namespace hw {

inline const Text kDateConfigCaption = u"Date Hidewell";

class DateConfigModel {
public:
    explicit DateConfigModel(DateSettings settings) : settings_(std::move(settings)) {}

    void OnChoose(DateChoice choice) { settings_.choice = choice; }
    void OnFormatChange(const Text& format) { settings_.format = format; }
    // The pattern box is shown only while the user's pattern is chosen.
    bool FormatVisible() const { return settings_.choice == DateChoice::User; }
    const DateSettings& Settings() const { return settings_; }

    // The captions of the three option buttons for the date t.
    Text UserCaption(const LocalTime& t, DateNames& names) const;
    static Text MediumCaption(const LocalTime& t, DateNames& names);
    static Text ShortCaption(const LocalTime& t, DateNames& names);

    struct Result {
        DateSettings settings;  // in effect from now on, either way
        bool write = false;     // Ok: stored as well
    };
    // The one way out: Ok, Cancel, Esc and the close box.
    Result Finish(bool ok) const { return Result{settings_, ok}; }

private:
    DateSettings settings_;
};

}  // namespace hw
