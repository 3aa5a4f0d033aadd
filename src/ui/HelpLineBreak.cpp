#include "ui/HelpLineBreak.h"

#include <algorithm>

namespace hw {

namespace {

bool Breaks(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

int HelpWordBreak(std::u16string_view text, int at, WordBreakQuery query) {
    const int n = static_cast<int>(text.size());
    at = std::clamp(at, 0, n);
    auto breaks = [&](int i) { return Breaks(text[static_cast<std::size_t>(i)]); };
    switch (query) {
    case WordBreakQuery::IsDelimiter: return at < n && breaks(at) ? 1 : 0;
    case WordBreakQuery::Right:
        while (at < n && !breaks(at)) ++at;
        while (at < n && breaks(at)) ++at;
        return at;
    case WordBreakQuery::Left:
        if (at == 0) return 0;
        --at;
        while (at > 0 && breaks(at)) --at;
        while (at > 0 && !breaks(at - 1)) --at;
        return at;
    }
    return 0;
}

}  // namespace hw
