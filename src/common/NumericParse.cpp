#include "common/NumericParse.h"

#include <limits>

namespace hw {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Index of the first character after the leading blanks and the sign.
std::size_t SkipBlanksAndSign(const Text& text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    return i;
}

// The rounded number; saturates far beyond any 32-bit value so huge texts stay cheap.
std::int64_t ParseRounded(const Text& text) {
    constexpr std::int64_t kSaturated = std::int64_t{1} << 40;
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    if (i >= text.size() || !IsDigit(text[i])) return 0;

    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude < kSaturated) magnitude = magnitude * 10 + (text[i] - u'0');
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        int first = (i < text.size() && IsDigit(text[i])) ? text[i++] - u'0' : 0;
        bool restNonZero = false;
        for (; i < text.size() && IsDigit(text[i]); ++i) restNonZero = restNonZero || text[i] != u'0';
        bool up = first > 5 || (first == 5 && (restNonZero || magnitude % 2 == 1));
        if (up) ++magnitude;
    }
    return negative ? -magnitude : magnitude;
}

template <typename Int>
std::optional<Int> ParseFitting(const Text& text) {
    std::int64_t n = ParseRounded(text);
    if (n < std::numeric_limits<Int>::min() || n > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(n);
}

}  // namespace

std::optional<std::int16_t> ParseInt16(const Text& text) { return ParseFitting<std::int16_t>(text); }

std::optional<std::int32_t> ParseInt32(const Text& text) { return ParseFitting<std::int32_t>(text); }

bool HasLeadingNumber(const Text& text) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    return i < text.size() && IsDigit(text[i]);
}

Text DecimalText(std::int64_t n) {
    // Works on the negative side so the smallest value needs no special case.
    std::int64_t rest = n < 0 ? n : -n;
    Text digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' - rest % 10));
        rest /= 10;
    } while (rest != 0);
    return n < 0 ? u"-" + digits : digits;
}

}  // namespace hw
