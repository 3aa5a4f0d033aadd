#include "win32/date/Win32DateNames.h"

#include <windows.h>

#include "win32/base/SystemTime.h"
#include "win32/base/WinText.h"

namespace hw {

namespace {
Text LocaleText(LCTYPE type) {
    wchar_t buffer[96] = {};
    int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 96);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}
}  // namespace

Text Win32DateNames::MonthName(int month, bool abbreviated) {
    if (month < 1 || month > 12) return {};
    return LocaleText((abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1) + static_cast<LCTYPE>(month - 1));
}

Text Win32DateNames::WeekdayName(int weekday, bool abbreviated) {
    if (weekday < 0 || weekday > 6) return {};
    // The locale's list starts on Monday.
    LCTYPE index = static_cast<LCTYPE>((weekday + 6) % 7);
    return LocaleText((abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + index);
}

Text Win32DateNames::ShortDate(const LocalTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    wchar_t buffer[96] = {};
    int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 96, nullptr);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}

}  // namespace hw
