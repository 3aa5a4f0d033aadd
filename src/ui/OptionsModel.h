#pragma once
// The options dialog "Options": a copy of the options that the user edits; only OK hands it
// back to the live options.
#include <optional>

#include "ui/OptionsTarget.h"

namespace hw {

constexpr int kOptionsMinIntervalMs = 500;
constexpr int kOptionsMaxIntervalMs = 10000;
constexpr int kOptionsSmallStepMs = 500;
constexpr int kOptionsLargeStepMs = 1000;

enum class ScrollStep { LineDown, LineUp, PageDown, PageUp, ToStart, ToEnd };

// "##.#" of ms / 1000: no leading zero, always the point, one decimal unless it is zero
// (500 ".5", 1500 "1.5", 3000 "3.", 10000 "10.").
Text ResponseTimeText(int ms);

class OptionsModel {
public:
    // Copies the live options in; an interval outside the dialog's range is shown at its end.
    explicit OptionsModel(const OptionValues& live);

    OptionValues& Values() { return values_; }
    const OptionValues& Values() const { return values_; }
    void SetInterval(int ms);
    void Step(ScrollStep step);
    // "Response &Time : " followed by the interval in seconds.
    Text ResponseTimeLabel() const;

    // OK (true) or Cancel, Esc, the close box (false); only the first call counts.
    void Finish(bool ok);
    bool Finished() const { return outcome_.has_value(); }
    bool Accepted() const { return outcome_.value_or(false); }

    // After OK: changes the start-with-Windows value if it differs, then hands the other
    // options over, which take effect at once. False when the start-with-Windows value could
    // not be changed.
    bool ApplyTo(OptionsTarget& target) const;

private:
    OptionValues values_;
    std::optional<bool> outcome_;
};

}  // namespace hw
