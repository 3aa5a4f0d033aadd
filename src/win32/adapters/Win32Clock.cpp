#include "win32/adapters/Win32Clock.h"

#include <windows.h>

#include "win32/base/WinText.h"

namespace hw {

namespace {
SYSTEMTIME ToSystem(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wDayOfWeek = static_cast<WORD>(t.weekday);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}
}  // namespace

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

Text Win32Clock::SystemDate(const LocalTime& t) {
    SYSTEMTIME st = ToSystem(t);
    wchar_t buffer[128] = {};
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}

Text Win32Clock::SystemTime(const LocalTime& t) {
    SYSTEMTIME st = ToSystem(t);
    wchar_t buffer[128] = {};
    int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}

}  // namespace hw
