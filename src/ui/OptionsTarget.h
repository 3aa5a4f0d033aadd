#pragma once
// What the options dialog reads and changes: the live options.
#include <cstdint>

#include "platform/Types.h"
#include "settings/Hotkey.h"
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
    // Whether the hotkey could be registered now: 0, or the platform's error.
    virtual std::uint32_t TryHotkey(const Hotkey& hotkey) = 0;
    // Where the settings are kept, as the user is shown it: a registry key or a file.
    virtual Text SettingsPlace() { return Text(); }
};

}  // namespace hw
