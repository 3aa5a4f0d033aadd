#include "ui/OptionsModel.h"

#include <algorithm>

#include "common/NumericParse.h"
#include "settings/HotkeyClash.h"
#include "settings/HotkeyText.h"

namespace hw {

namespace {

// Whether the stored text is this combination, however it is written.
bool SameCombination(const Text& stored, const Hotkey& hotkey) {
    const HotkeyReading reading = ReadHotkey(stored);
    return !hotkey.IsNone() && reading.problem.empty() && reading.hotkey == hotkey;
}

}  // namespace

Text ResponseTimeText(int ms) {
    int tenths = (std::max(ms, 0) + 50) / 100;  // halves rounded up
    Text text = tenths >= 10 ? DecimalText(tenths / 10) : Text();
    text += u'.';
    if (tenths % 10) text += DecimalText(tenths % 10);
    return text;
}

FieldKey ClassifyFieldKey(std::uint8_t key, std::uint8_t modifiers) {
    // Shift, Ctrl, Alt (each also left and right), the Win keys, Caps Lock.
    constexpr std::uint8_t kModifierKeys[] = {0x10, 0x11, 0x12, 0x5B, 0x5C, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x14};
    for (std::uint8_t m : kModifierKeys)
        if (key == m) return FieldKey::Modifier;
    if ((modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyWin)) != 0) return FieldKey::Combination;
    if (key == vk::kTab || ((key == vk::kEsc || key == vk::kEnter) && modifiers == 0)) return FieldKey::Dialog;
    if ((key == vk::kBackspace || key == vk::kDel) && modifiers == 0) return FieldKey::Clear;
    return FieldKey::Combination;
}

OptionsModel::OptionsModel(const OptionValues& live) : values_(live), live_(live) { SetInterval(live.pollIntervalMs); }

Text OptionsModel::HotkeyFieldText(HotkeyAction action) const {
    const Text& stored = values_.HotkeyOf(action);
    if (stored.empty()) return u"None";
    const HotkeyReading reading = ReadHotkey(stored);
    return reading.problem.empty() ? HotkeyText(reading.hotkey) : stored;
}

Text OptionsModel::OnHotkeyPressed(HotkeyAction action, const Hotkey& pressed, OptionsTarget& target) {
    const Text text = HotkeyText(pressed);
    if (pressed.IsNone()) return {};
    if ((pressed.modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyWin)) == 0)
        return text + u" is not taken: a hotkey needs Ctrl, Alt or Win, or it would stop that key in every program.";
    if (std::uint32_t error = target.TryHotkey(pressed)) {
        if (error == kErrorHotkeyTaken) return text + u" is taken by another program; choose another.";
        return u"Windows refused " + text + u" (error " + DecimalText(static_cast<std::int64_t>(error)) + u").";
    }
    SetHotkey(action, pressed);
    for (HotkeyAction other : kHotkeyActions)
        if (other != action && SameCombination(values_.HotkeyOf(other), pressed))
            return text + u" is also chosen for \"" + HotkeyActionName(other) + u"\"; choose another for one of them.";
    const HotkeyConflict conflict = ConflictOf(pressed);
    if (conflict.clash == HotkeyClash::ReservedByWindows)
        return text + u" is kept by Windows (" + conflict.use + u") and may never reach Hidewell.";
    if (conflict.clash == HotkeyClash::CommonShortcut)
        return text + u" is " + conflict.use + u" in many programs; it would stop working there.";
    return {};
}

void OptionsModel::SetHotkey(HotkeyAction action, const Hotkey& hotkey) { values_.HotkeyOf(action) = HotkeyText(hotkey); }

OptionsModel::OkReply OptionsModel::OnOk(OptionsTarget& target) {
    Text warnings;
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i) {
        const HotkeyAction action = kHotkeyActions[i];
        const Text& text = values_.HotkeyOf(action);
        if (text.empty() || text == live_.HotkeyOf(action)) continue;
        for (std::size_t j = 0; j < std::size(kHotkeyActions); ++j)
            if (j != i && SameCombination(values_.HotkeyOf(kHotkeyActions[j]), ReadHotkey(text).hotkey))
                return {text + u" is chosen for two hotkeys. Choose another one for \"" + HotkeyActionName(action) + u"\"."};
        const Hotkey hotkey = ReadHotkey(text).hotkey;
        if (std::uint32_t error = target.TryHotkey(hotkey)) {
            if (error == kErrorHotkeyTaken)
                return {text + u" is taken by another program. Choose another one for \"" + HotkeyActionName(action) +
                        u"\"."};
            return {u"Windows refused the hotkey " + text + u" (error " + DecimalText(static_cast<std::int64_t>(error)) +
                    u")."};
        }
        HotkeyConflict conflict = ConflictOf(hotkey);
        if (conflict.clash == HotkeyClash::ReservedByWindows)
            warnings += text + u" is kept by Windows (" + conflict.use + u") and may never reach Hidewell.\n";
        else if (conflict.clash == HotkeyClash::CommonShortcut)
            warnings += text + u" is " + conflict.use + u" in many programs; it would stop working there.\n";
    }
    if (!warnings.empty()) return {warnings + u"\n" + kKeepHotkeysQuestion, true};
    Finish(true);
    return {};
}

void OptionsModel::SetInterval(int ms) {
    values_.pollIntervalMs = std::clamp(ms, kOptionsMinIntervalMs, kOptionsMaxIntervalMs);
}

void OptionsModel::Step(ScrollStep step) {
    int ms = values_.pollIntervalMs;
    switch (step) {
    case ScrollStep::LineDown: ms += kOptionsSmallStepMs; break;
    case ScrollStep::LineUp: ms -= kOptionsSmallStepMs; break;
    case ScrollStep::PageDown: ms += kOptionsLargeStepMs; break;
    case ScrollStep::PageUp: ms -= kOptionsLargeStepMs; break;
    case ScrollStep::ToStart: ms = kOptionsMinIntervalMs; break;
    case ScrollStep::ToEnd: ms = kOptionsMaxIntervalMs; break;
    }
    SetInterval(ms);
}

Text OptionsModel::ResponseTimeLabel() const { return u"Response &Time : " + ResponseTimeText(values_.pollIntervalMs); }

void OptionsModel::Finish(bool ok) {
    if (!outcome_) outcome_ = ok;
}

bool OptionsModel::ApplyTo(OptionsTarget& target) const {
    if (!Accepted()) return true;
    bool runValueChanged = true;
    if (values_.startWithWindows != target.CurrentOptions().startWithWindows)
        runValueChanged = target.SetStartWithWindows(values_.startWithWindows);
    target.ApplyOptions(values_);
    return runValueChanged;
}

}  // namespace hw
