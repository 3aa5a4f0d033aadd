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
    bool runValueChanged = true;
    if (values_.startWithWindows != target.CurrentOptions().startWithWindows)
        runValueChanged = target.SetStartWithWindows(values_.startWithWindows);
    target.ApplyOptions(values_);
    return runValueChanged;
}

}  // namespace hw
