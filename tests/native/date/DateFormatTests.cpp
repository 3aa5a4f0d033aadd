#include <gtest/gtest.h>

#include "addons/date/DateFormat.h"
#include "fakes/EnglishDateNames.h"

namespace hw {
namespace {

test::EnglishDateNames names;

LocalTime Day(int day, int month = 12, int year = 2026, int hour = 14, int minute = 5) {
    return LocalTime{year, month, day, hour, minute, 7, 0};
}

TEST(OrdinalDate, SuffixFollowsTheDayOfTheMonthInEveryPattern) {
    const std::pair<int, const char16_t*> cases[] = {
        {1, u"1st"},   {2, u"2nd"},   {3, u"3rd"},   {4, u"4th"},   {11, u"11th"}, {12, u"12th"}, {13, u"13th"},
        {21, u"21st"}, {22, u"22nd"}, {23, u"23rd"}, {24, u"24th"}, {30, u"30th"}, {31, u"31st"},
    };
    for (auto [day, printed] : cases)
        EXPECT_EQ(FormatOrdinalDate(Day(day), u"dth mmmm yyyy", names), Text(printed) + u" December 2026") << day;

    const std::pair<const char16_t*, const char16_t*> variants[] = {
        {u"ddth mmm yy", u"01st Dec 26"},     // two-digit day keeps its suffix
        {u"d mmmm yyyy", u"1 December 2026"},  // no th: used unchanged
        {u"th d", u"st 1"},                    // th without a day letter still gets the suffix
        {u"dth-th", u"1st-t14"},               // only the first th: the second is t and the hour
        {u"dTH", u"1T14"},                     // exact case only
        {u"\"d\"th \\dd", u"dst d1"},          // quoted and escaped letters are literal
        {u"dth mmmm \\", u"01/12/2026 14:05:07"},  // unusable: the unformatted date
        {u"dth \"mmmm", u"01/12/2026 14:05:07"},
    };
    for (auto [pattern, printed] : variants) EXPECT_EQ(FormatOrdinalDate(Day(1), pattern, names), printed);
}

TEST(DateFormat, Elements) {
    LocalTime t{2026, 3, 9, 0, 4, 5, 1};  // Monday 9 March 2026, 00:04:05
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"dddd dd mmmm yyyy - hh:nn am/pm", u"Monday 09 March 2026 - 12:04 am"},
        {u"ddd d mmm yy", u"Mon 9 Mar 26"},
        {u"DD/MM/YYYY", u"09/03/2026"},
        {u"m/d/y", u"3/9/68"},
        {u"hh:mm:ss", u"00:04:05"},  // m after an hour is minutes
        {u"h:n:s AM/PM a/p", u"12:4:5 AM a"},
        {u"yyyy-mm-dd, ~+^%", u"2026-03-09, ~+^%"},
    };
    for (auto [pattern, printed] : cases) EXPECT_EQ(FormatDate(t, pattern, names).value_or(u"?"), printed);
    EXPECT_EQ(FormatDate(LocalTime{2026, 3, 9, 13, 0, 0, 1}, u"hh am/pm", names), u"01 pm");
    EXPECT_EQ(MediumDate(LocalTime{1998, 12, 2, 0, 0, 0, 3}, names), u"02-Dec-98");
}

}  // namespace
}  // namespace hw
