#pragma once
// The options dialog "Options": a copy of the options that the user edits; only OK hands it
// back to the live options.
#include <optional>

#include "platform/EngineHost.h"
#include "ui/OkReply.h"
#include "ui/OptionsTarget.h"

namespace hw {

inline const Text kKeepHotkeysQuestion = u"Use it anyway?";

constexpr int kOptionsMinIntervalMs = 500;
constexpr int kOptionsMaxIntervalMs = 10000;
constexpr int kOptionsSmallStepMs = 500;
constexpr int kOptionsLargeStepMs = 1000;

enum class ScrollStep { LineDown, LineUp, PageDown, PageUp, ToStart, ToEnd };

// "##.#" of ms / 1000: no leading zero, always the point, one decimal unless it is zero
// (500 ".5", 1500 "1.5", 3000 "3.", 10000 "10.").
Text ResponseTimeText(int ms);

// What a key pressed in a hotkey field does: Tab, Esc and Enter without Ctrl, Alt or Win go to
// the dialog; a modifier alone waits for the key; Backspace or Del alone clears the field;
// anything else is a combination.
enum class FieldKey { Dialog, Modifier, Clear, Combination };
FieldKey ClassifyFieldKey(std::uint8_t key, std::uint8_t modifiers);

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

    // The hotkey fields: what each shows (the whole combination, "None", or a stored text
    // that cannot be read as it is), and what the user set; a cleared one is none.
    Text HotkeyFieldText(HotkeyAction action) const;
    void SetHotkey(HotkeyAction action, const Hotkey& hotkey);
    // A combination pressed in a field, Win included. It is taken as pressed, unless it has
    // no Ctrl, Alt or Win, or Windows will not give it (another program holds it); the reply
    // says so at once, or warns of a taken combination that may clash; empty when all is well.
    Text OnHotkeyPressed(HotkeyAction action, const Hotkey& pressed, OptionsTarget& target);

    // OK: each hotkey the user changed is tried first. An empty message means the dialog
    // closes. Otherwise the dialog shows the message and stays open: a combination chosen
    // twice, or taken by another program, is refused; one that Windows keeps or that programs
    // commonly use makes a question, No by default, whose Yes closes the dialog (KeepHotkeys).
    using OkReply = hw::OkReply;
    OkReply OnOk(OptionsTarget& target);
    void KeepHotkeys() { Finish(true); }

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
    OptionValues live_;
    std::optional<bool> outcome_;
};

}  // namespace hw
