#include "addons/date/DateFormat.h"

#include "common/NumericParse.h"

namespace hw {

namespace {

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// True when the pattern holds word at position at, letters compared in either case.
bool HasAt(const Text& pattern, std::size_t at, std::u16string_view word) {
    if (pattern.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(pattern[at + i]) != word[i]) return false;
    return true;
}

Text TwoDigits(int n) {
    Text t = DecimalText(n % 100);
    return t.size() < 2 ? u"0" + t : t;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DayOfYear(const LocalTime& t) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int month = (t.month >= 1 && t.month <= 12) ? t.month : 1;
    return kBefore[month - 1] + t.day + (month > 2 && IsLeapYear(t.year) ? 1 : 0);
}

bool HoldsAmPm(const Text& pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (HasAt(pattern, i, u"am/pm") || HasAt(pattern, i, u"a/p")) return true;
    return false;
}

// Length of the run of the same letter (either case) at position at.
std::size_t RunLength(const Text& pattern, std::size_t at) {
    std::size_t n = 1;
    while (at + n < pattern.size() && Lower(pattern[at + n]) == Lower(pattern[at])) ++n;
    return n;
}

}  // namespace

std::optional<Text> FormatDate(const LocalTime& t, const Text& pattern, DateNames& names) {
    const bool twelveHour = HoldsAmPm(pattern);
    int hour = t.hour;
    if (twelveHour) hour = (hour % 12 == 0) ? 12 : hour % 12;
    Text out;
    bool afterHour = false;  // m and mm after an hour element are minutes
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        const char16_t lc = Lower(c);
        if (c == u'\\') {
            if (i + 1 >= pattern.size()) return std::nullopt;
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        if (c == u'"') {
            std::size_t close = pattern.find(u'"', i + 1);
            if (close == Text::npos) return std::nullopt;
            out += pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (HasAt(pattern, i, u"am/pm") || HasAt(pattern, i, u"a/p")) {
            const bool upper = c == u'A';
            const bool longForm = HasAt(pattern, i, u"am/pm");
            Text mark = t.hour < 12 ? (longForm ? u"am" : u"a") : (longForm ? u"pm" : u"p");
            if (upper)
                for (char16_t& m : mark) m = static_cast<char16_t>(m - u'a' + u'A');
            out += mark;
            i += longForm ? 5 : 3;
            afterHour = false;
            continue;
        }
        const std::size_t run = RunLength(pattern, i);
        std::size_t used = 0;
        bool hourElement = false;
        switch (lc) {
            case u'd':
                used = run < 4 ? run : 4;
                if (used == 1) out += DecimalText(t.day);
                else if (used == 2) out += TwoDigits(t.day);
                else out += names.WeekdayName(t.weekday, used == 3);
                break;
            case u'm':
                used = run < 4 ? run : 4;
                if (afterHour && used <= 2) out += used == 1 ? DecimalText(t.minute) : TwoDigits(t.minute);
                else if (used == 1) out += DecimalText(t.month);
                else if (used == 2) out += TwoDigits(t.month);
                else out += names.MonthName(t.month, used == 3);
                break;
            case u'y':
                used = run >= 4 ? 4 : (run >= 2 ? 2 : 1);
                if (used == 4) out += DecimalText(t.year);
                else if (used == 2) out += TwoDigits(t.year);
                else out += DecimalText(DayOfYear(t));
                break;
            case u'h':
                used = run < 2 ? 1 : 2;
                out += used == 1 ? DecimalText(hour) : TwoDigits(hour);
                hourElement = true;
                break;
            case u'n':
                used = run < 2 ? 1 : 2;
                out += used == 1 ? DecimalText(t.minute) : TwoDigits(t.minute);
                break;
            case u's':
                used = run < 2 ? 1 : 2;
                out += used == 1 ? DecimalText(t.second) : TwoDigits(t.second);
                break;
            default:
                out += c;
                ++i;
                continue;  // a literal keeps an hour element's claim on a following m
        }
        i += used;
        afterHour = hourElement;
    }
    return out;
}

Text OrdinalSuffix(int day) {
    const Text d = DecimalText(day);
    if (d == u"1" || d == u"21" || d == u"31") return u"\\s\\t";
    if (d == u"2" || d == u"22") return u"\\n\\d";
    if (d == u"3" || d == u"23") return u"\\r\\d";
    return u"\\t\\h";
}

Text ReplaceFirst(const Text& s, const Text& what, const Text& with) {
    const std::size_t at = s.find(what);
    if (at == Text::npos) return s;
    return s.substr(0, at) + with + s.substr(at + what.size());
}

Text UnformattedDate(const LocalTime& t, DateNames& names) {
    return names.ShortDate(t) + u" " + DecimalText(t.hour) + u":" + TwoDigits(t.minute) + u":" + TwoDigits(t.second);
}

Text FormatOrdinalDate(const LocalTime& t, const Text& pattern, DateNames& names) {
    Text rewritten = pattern;
    if (pattern.find(u"th") != Text::npos) rewritten = ReplaceFirst(pattern, u"th", OrdinalSuffix(t.day));
    std::optional<Text> formatted = FormatDate(t, rewritten, names);
    return formatted ? *formatted : UnformattedDate(t, names);
}

Text MediumDate(const LocalTime& t, DateNames& names) {
    return TwoDigits(t.day) + u"-" + names.MonthName(t.month, true) + u"-" + TwoDigits(t.year);
}

}  // namespace hw
