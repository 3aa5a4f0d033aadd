#include "ui/OptionsModel.h"

#include <algorithm>

#include "common/NumericParse.h"

namespace hw {

Text ResponseTimeText(int ms) {
    int tenths = (std::max(ms, 0) + 50) / 100;  // halves rounded up
    Text text = tenths >= 10 ? DecimalText(tenths / 10) : Text();
    text += u'.';
    if (tenths % 10) text += DecimalText(tenths % 10);
    return text;
}

OptionsModel::OptionsModel(const OptionValues& live) : values_(live) { SetInterval(live.pollIntervalMs); }

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
    const OptionValues live = target.CurrentOptions();
    bool runValueChanged = true;
    if (values_.hideOwnIcon != live.hideOwnIcon) target.SetHideOwnIcon(values_.hideOwnIcon);
    if (values_.startWithWindows != live.startWithWindows)
        runValueChanged = target.SetStartWithWindows(values_.startWithWindows);
    if (values_.singleClickRestores != live.singleClickRestores)
        target.SetSingleClickRestores(values_.singleClickRestores);
    if (values_.pollIntervalMs != live.pollIntervalMs) target.SetPollInterval(values_.pollIntervalMs);
    if (values_.hideDateIcon != live.hideDateIcon) target.SetHideDateIcon(values_.hideDateIcon);
    if (values_.hideDateIcon)
        target.RemoveDateIcon();
    else
        target.RefreshDateIcon();
    target.RefreshOwnIcon();
    return runValueChanged;
}

}  // namespace hw
