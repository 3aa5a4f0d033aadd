#include "ui/OptionsModel.h"

#include <algorithm>

#include "common/NumericParse.h"
#include "settings/HotkeyClash.h"
#include "settings/HotkeyText.h"

namespace hw {

Text ResponseTimeText(int ms) {
    int tenths = (std::max(ms, 0) + 50) / 100;  // halves rounded up
    Text text = tenths >= 10 ? DecimalText(tenths / 10) : Text();
    text += u'.';
    if (tenths % 10) text += DecimalText(tenths % 10);
    return text;
}

OptionsModel::OptionsModel(const OptionValues& live) : values_(live), live_(live) { SetInterval(live.pollIntervalMs); }

Hotkey OptionsModel::HotkeyShown(HotkeyAction action) const { return ReadHotkey(values_.HotkeyOf(action)).hotkey; }

void OptionsModel::SetHotkey(HotkeyAction action, const Hotkey& hotkey) { values_.HotkeyOf(action) = HotkeyText(hotkey); }

OptionsModel::OkReply OptionsModel::OnOk(OptionsTarget& target) {
    Text warnings;
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i) {
        const HotkeyAction action = kHotkeyActions[i];
        const Text& text = values_.HotkeyOf(action);
        if (text.empty() || text == live_.HotkeyOf(action)) continue;
        for (std::size_t j = 0; j < std::size(kHotkeyActions); ++j)
            if (j != i && values_.HotkeyOf(kHotkeyActions[j]) == text)
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
