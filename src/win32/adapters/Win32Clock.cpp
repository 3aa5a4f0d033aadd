#include "win32/adapters/Win32Clock.h"

#include <windows.h>

#include "win32/base/SystemTime.h"
#include "win32/base/WinText.h"

namespace hw {

LocalTime Win32Clock::Now() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

Text Win32Clock::SystemDate(const LocalTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    wchar_t buffer[128] = {};
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}

Text Win32Clock::SystemTime(const LocalTime& t) {
    SYSTEMTIME st = ToSystemTime(t);
    wchar_t buffer[128] = {};
    int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
    return n > 1 ? FromWide(buffer, static_cast<std::size_t>(n - 1)) : Text{};
}

std::uint64_t Win32Clock::Milliseconds() { return GetTickCount64(); }

}  // namespace hw
