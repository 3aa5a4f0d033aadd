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

    bool operator==(const OptionValues&) const = default;
};

// The live options. Each setter takes effect at once.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual OptionValues CurrentOptions() = 0;
    // Writes or removes the start-with-Windows value; false when the registry refused.
    virtual bool SetStartWithWindows(bool on) = 0;
    virtual void SetHideOwnIcon(bool on) = 0;
    virtual void SetSingleClickRestores(bool on) = 0;
    // The poll timer takes the new interval at once.
    virtual void SetPollInterval(int ms) = 0;
    virtual void SetHideDateIcon(bool on) = 0;
    // Takes the date icon out of the notification area now.
    virtual void RemoveDateIcon() = 0;
    // Has the next poll tick rebuild the date icon.
    virtual void RefreshDateIcon() = 0;
    // Has the next poll tick reconsider whether the own icon is to be hidden.
    virtual void RefreshOwnIcon() = 0;
};

}  // namespace hw
