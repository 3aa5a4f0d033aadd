#pragma once
// The hidden windows in Hidewell's own menu: one item each up to the menu's limit, then one
// item that opens the task list and says how many windows it holds besides.
#include <cstddef>
#include <vector>

#include "engine/HiddenWindowActions.h"

namespace hw {

constexpr std::size_t kOwnMenuWindowLimit = 50;

struct OwnMenuWindows {
    std::vector<HiddenWindowView> items;  // in slot order
    std::size_t more = 0;                 // windows past the limit
};

OwnMenuWindows OwnMenuWindowsOf(const std::vector<HiddenWindowView>& hidden);

// The text of the last item, for example "12 more…".
Text MoreWindowsText(std::size_t more);

}  // namespace hw
