#include "engine/EngineOptions.h"

namespace hw {

OptionValues EngineOptions::CurrentOptions() {
    const Settings& s = engine_.settings;
    return {s.startWithWindows, s.hideOwnIcon, s.hideDateIcon, s.singleClickRestores, s.pollIntervalMs};
}

void EngineOptions::SetPollInterval(int ms) {
    if (engine_.settings.SetPollInterval(ms)) engine_.ApplyPollInterval();
}

}  // namespace hw
