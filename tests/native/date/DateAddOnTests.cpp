#include <gtest/gtest.h>

#include "addons/date/DateAddOn.h"
#include "addons/date/DateFormat.h"
#include "addons/date/DateSettings.h"
#include "addons/date/TypingTarget.h"
#include "fakes/EnglishDateNames.h"
#include "fakes/SimulatedEngine.h"
#include "settings/SettingsLayout.h"

namespace hw {
namespace {

constexpr WindowHandle kReceiver{0x900};

struct FakeDateHost : DateAddOnHost {
    WindowHandle Receiver() override { return kReceiver; }
    IconHandle DayIcon(int day) override { return IconHandle{0x1000 + static_cast<std::uint64_t>(day)}; }
    std::optional<DateMenuItem> ShowMenu(const std::array<Text, 3>& dates, DateChoice defaultItem) override {
        menuDates = dates;
        menuDefault = defaultItem;
        return menuAnswer;
    }
    void ShowConfiguration() override { ++configurations; }
    bool IsOwnOrShell(WindowHandle h) override { return h == own; }
    void TypeInto(WindowHandle target, const Text& text) override { typed.emplace_back(target, text); }

    WindowHandle own;
    std::array<Text, 3> menuDates;
    DateChoice menuDefault = DateChoice::User;
    std::optional<DateMenuItem> menuAnswer;
    int configurations = 0;
    std::vector<std::pair<WindowHandle, Text>> typed;
};

// The add-on in the world of a simulated engine, which some tests start.
class DateAddOnTest : public ::testing::Test, public test::SimulatedEngine {
protected:
    const NotifyIconRecord* Icon() const { return tray.Find(kReceiver); }
    Text Tip() const { return test::FakeNotifyArea::ShownTip(*Icon()); }

    test::EnglishDateNames names;
    FakeDateHost dates;
    DateAddOn addOn{DateAddOnServices{tray, desktop, clock, reg, names, dates, ui, log}};
    bool rebuild = false;
};

TEST_F(DateAddOnTest, TipFollowsTheMinuteAndTheIconTheDay) {
    clock.now = LocalTime{2026, 12, 31, 23, 58, 0, 4};
    addOn.Tick(rebuild);
    ASSERT_NE(Icon(), nullptr);
    EXPECT_EQ(Tip(), u"Thursday 31 December 2026 - 11:58 pm");
    EXPECT_EQ(Icon()->icon, IconHandle{0x1000 + 31});
    EXPECT_FALSE(rebuild);

    std::size_t calls = tray.calls.size();
    addOn.Tick(rebuild);  // same minute: nothing goes to the shell
    EXPECT_EQ(tray.calls.size(), calls);

    clock.now.minute = 59;
    addOn.Tick(rebuild);  // new minute: the tip only
    EXPECT_EQ(Tip(), u"Thursday 31 December 2026 - 11:59 pm");
    ASSERT_EQ(tray.calls.size(), calls + 1);
    EXPECT_EQ(tray.calls.back().action, kNimModify);

    clock.now = LocalTime{2027, 1, 1, 0, 0, 0, 5};
    addOn.Tick(rebuild);  // midnight: removed and added again with the new day
    EXPECT_EQ(tray.calls[tray.calls.size() - 2].action, kNimDelete);
    EXPECT_EQ(tray.calls.back().action, kNimAdd);
    EXPECT_EQ(Icon()->icon, IconHandle{0x1000 + 1});
    EXPECT_EQ(Tip(), u"Friday 01 January 2027 - 12:00 am");
}

TEST_F(DateAddOnTest, MenuAndDoubleClickTypeIntoTheWindowInFrontThatIsNotOursAndFailuresAreTold) {
    clock.now = LocalTime{2026, 12, 22, 9, 30, 0, 2};
    WindowHandle editor = desktop.Add(u"Untitled - Notepad");
    dates.own = desktop.Add(u"Date Hidewell");
    addOn.Tick(rebuild);

    dates.menuAnswer = DateMenuItem::Medium;
    addOn.OnIconEvent(0x7B);  // the shell's menu request
    EXPECT_EQ(dates.menuDates[0], u"22nd December 2026");
    EXPECT_EQ(dates.menuDates[1], u"22-Dec-26");
    EXPECT_EQ(dates.menuDates[2], u"22/12/2026");
    EXPECT_EQ(dates.menuDefault, DateChoice::User);
    addOn.OnIconEvent(515);  // double click: the stored choice, the user's pattern
    ASSERT_EQ(dates.typed.size(), 2u);
    EXPECT_EQ(dates.typed[0], std::make_pair(editor, Text(u"22-Dec-26")));
    EXPECT_EQ(dates.typed[1], std::make_pair(editor, Text(u"22nd December 2026")));

    // Cancel keeps the new choice for this run without writing it.
    DateConfigModel model = addOn.ConfigModel();
    model.OnChoose(DateChoice::Short);
    addOn.ApplyConfiguration(model.Finish(false));
    addOn.OnIconEvent(515);
    EXPECT_EQ(dates.typed.back().second, u"22/12/2026");
    EXPECT_EQ(LoadDateSettings(reg).choice, DateChoice::User);

    desktop.Close(editor);  // nothing but our own window: nothing typed
    addOn.OnIconEvent(515);
    EXPECT_EQ(dates.typed.size(), 3u);
    WindowHandle admin = desktop.Add(u"Admin - Notepad");
    addOn.OnTypingFinished(admin, TypingResult{});
    EXPECT_TRUE(log.lines.empty());
    EXPECT_TRUE(ui.messages.empty());

    // Typing that fails, or a save that fails, is told and logged.

    addOn.OnTypingFinished(admin, TypingResult{TypingOutcome::InputBlocked, 5});
    addOn.OnTypingFinished(admin, TypingResult{TypingOutcome::NotInFront, 0});
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0].what, u"Typing the date: the input fell short");
    EXPECT_EQ(log.lines[0].caption, u"Admin - Notepad");
    EXPECT_EQ(log.lines[0].systemError, 5u);
    EXPECT_EQ(log.lines[1].what, u"Typing the date: could not bring the window to the front");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, TypingFailedMessage(TypingOutcome::InputBlocked, u"Admin - Notepad"));
    EXPECT_EQ(ui.messages[1].text, TypingFailedMessage(TypingOutcome::NotInFront, u"Admin - Notepad"));

    model = addOn.ConfigModel();  // reads the settings while the registry lets it
    model.OnChoose(DateChoice::Short);
    reg.writesLeft = 0;
    addOn.ApplyConfiguration(model.Finish(true));
    ASSERT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[2].what, u"Saving the date settings");
    EXPECT_NE(log.lines[2].systemError, 0u);
    EXPECT_EQ(ui.messages.back().text, kSaveFailedMessage);
    addOn.OnIconEvent(515);  // the choice holds for this run all the same
    EXPECT_EQ(dates.typed.back().first, admin);
}

TEST_F(DateAddOnTest, StepsInThePollLoopFollowNewIconsStayAwayWhileHiddenAndLeaveOnQuit) {
    icons.files[u"C:\\Apps\\app.exe"] = 1;
    engine.Records().Icons().SetDateIcon(&addOn);
    Start({{u"*NOTEPAD*", u"000:C:\\Apps\\app.exe"}});
    Tick();
    ASSERT_EQ(tray.icons.size(), 2u);
    EXPECT_EQ(tray.icons.back().receiver, kReceiver);  // up from the first tick, behind the own icon

    desktop.Add(u"Untitled - Notepad", true);
    Tick();
    ASSERT_EQ(tray.icons.size(), 3u);
    EXPECT_EQ(tray.icons.back().receiver, kReceiver);  // added again behind the new icon

    SetOptions([](OptionValues& o) { o.hideDateIcon = true; });
    clock.now.minute += 1;
    Tick();
    EXPECT_EQ(tray.Find(kReceiver), nullptr);
    SetOptions([](OptionValues& o) { o.hideDateIcon = false; });
    Tick();
    EXPECT_NE(tray.Find(kReceiver), nullptr);

    engine.Quit(QuitReason::User);
    EXPECT_TRUE(tray.icons.empty());
}

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

    desk.foreground = {};
    WindowHandle printTo = desk.Add(u"Print to file", false, editor);  // owned, but kept
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), printTo);

    test::FakeDesktop onlyOurs;
    WindowHandle own = onlyOurs.Add(u"Date Hidewell");
    EXPECT_EQ(ChooseTypingTarget(onlyOurs, [&](WindowHandle h) { return h == own; }), WindowHandle{});
}

}  // namespace
}  // namespace hw
