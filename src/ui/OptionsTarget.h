#pragma once
// What the options dialog reads and changes: the five options and their immediate effects.
#include "platform/Types.h"

namespace hw {

struct OptionValues {
    bool startWithWindows = false;
    bool hideOwnIcon = false;
    bool hideDateIcon = false;
    bool singleClickRestores = false;
    int pollIntervalMs = 3000;
};

class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual OptionValues CurrentOptions() = 0;
    // Writes or removes the start-with-Windows value now; false when the registry refused.
    virtual bool SetStartWithWindows(bool on) = 0;
    // Takes the other options (the poll interval applies at once) and asks the own icon and
    // the date icon to be brought up to date at the next tick.
    virtual void ApplyOptions(const OptionValues& values) = 0;
    // Removes the date icon at once.
    virtual void RemoveDateIcon() = 0;
};

}  // namespace hw
