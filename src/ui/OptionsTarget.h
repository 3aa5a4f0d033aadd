#pragma once
// What the options dialog reads and changes: the live options.
#include "platform/Types.h"
#include "settings/Settings.h"

namespace hw {

class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual OptionValues CurrentOptions() = 0;
    // Writes or removes the start-with-Windows value; false when the registry refused.
    virtual bool SetStartWithWindows(bool on) = 0;
    // Takes every other option and has it take effect at once, as changed settings do.
    virtual void ApplyOptions(const OptionValues& options) = 0;
};

}  // namespace hw
