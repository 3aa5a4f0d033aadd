#include "hiddenwindows/OwnMenu.h"

#include <algorithm>

#include "common/NumericParse.h"

namespace hw {

OwnMenuWindows OwnMenuWindowsOf(const std::vector<HiddenWindowView>& hidden) {
    OwnMenuWindows menu;
    const std::size_t shown = std::min(hidden.size(), kOwnMenuWindowLimit);
    menu.items.assign(hidden.begin(), hidden.begin() + static_cast<std::ptrdiff_t>(shown));
    menu.more = hidden.size() - shown;
    return menu;
}

Text MoreWindowsText(std::size_t more) { return DecimalText(static_cast<std::int64_t>(more)) + u" more\u2026"; }

}  // namespace hw
