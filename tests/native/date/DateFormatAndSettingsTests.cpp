#include <gtest/gtest.h>

#include "addons/date/DateFormat.h"
#include "addons/date/DateSettings.h"
#include "addons/date/TypingTarget.h"
#include "fakes/EnglishDateNames.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"

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

const Text kKey = kSettingsKey + u"\\Kestle2";

TEST(DateSettings, FirstLoadWritesTheDefaultFormatAndBadChoicesReadAsUser) {
    test::MemoryRegistry reg;
    DateSettings first = LoadDateSettings(reg);
    EXPECT_EQ(first.format, u"dth mmmm yyyy");
    EXPECT_EQ(reg.TextOf(kHkeyCurrentUser, kKey, u"Format"), u"dth mmmm yyyy");
    EXPECT_EQ(first.choice, DateChoice::User);

    for (const char16_t* stored : {u"7", u"-1", u"x", u"99999999"}) {
        reg.PlantText(kHkeyCurrentUser, kKey, u"Double", stored);
        EXPECT_EQ(LoadDateSettings(reg).choice, DateChoice::User);
    }

    SaveDateSettings(reg, DateSettings{u"d.m.yy ~{+}", DateChoice::Short});
    EXPECT_EQ(reg.TextOf(kHkeyCurrentUser, kKey, u"Double"), u"2");
    DateSettings back = LoadDateSettings(reg);
    EXPECT_EQ(back.format, u"d.m.yy ~{+}");
    EXPECT_EQ(back.choice, DateChoice::Short);
}

TEST(TypingTarget, TheWindowInFrontOrTheTopmostOneTheUserTypesInto) {
    test::FakeDesktop desk;
    WindowHandle editor = desk.Add(u"Untitled - Notepad");
    WindowHandle other = desk.Add(u"Report");
    desk.Add(u"Report", true);                  // minimised
    desk.Add(u"");                              // untitled
    desk.Add(u"Find", false, editor);           // owned
    desk[desk.Add(u"Hidden")].style &= ~kWindowVisible;
    desk[desk.Add(u"Other desktop")].cloaked = true;
    WindowHandle palette = desk.Add(u"Palette");  // floating tools on top of the others
    desk[palette].exStyle = kWsExToolWindow | kWsExNoActivate;
    desk[desk.Add(u"Keyboard")].exStyle = kWsExNoActivate;
    desk[desk.Add(u"Tools")].exStyle = kWsExToolWindow;
    WindowHandle ours = desk.Add(u"Date Hidewell");
    WindowHandle taskbar = desk.Add(u"Taskbar");
    auto excluded = [&](WindowHandle h) { return h == ours || h == taskbar; };
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), other);

    for (WindowHandle front : {ours, taskbar, palette}) {  // not one to type into: Z order
        desk.foreground = front;
        EXPECT_EQ(ChooseTypingTarget(desk, excluded), other);
    }
    desk.foreground = editor;  // the user works in it, below another window
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), editor);

    desk.foreground = 0;
    WindowHandle printTo = desk.Add(u"Print to file", false, editor);  // owned, but kept
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), printTo);

    test::FakeDesktop onlyOurs;
    WindowHandle own = onlyOurs.Add(u"Date Hidewell");
    EXPECT_EQ(ChooseTypingTarget(onlyOurs, [&](WindowHandle h) { return h == own; }), 0u);
}

}  // namespace
}  // namespace hw
