#include "engine/EngineOptions.h"

namespace hw {

OptionValues EngineOptions::CurrentOptions() {
    const Settings& s = engine_.CurrentSettings();
    return {s.startWithWindows, s.hideOwnIcon, s.hideDateIcon, s.singleClickRestores, s.pollIntervalMs};
}

}  // namespace hw
