#include <gtest/gtest.h>

#include "addons/date/DateAddOn.h"
#include "fakes/EnglishDateNames.h"
#include "fakes/SimulatedEngine.h"

namespace hw {
namespace {

constexpr WindowHandle kReceiver = 0x900;

struct FakeDateHost : DateAddOnHost {
    WindowHandle Receiver() override { return kReceiver; }
    IconHandle DayIcon(int day) override { return 0x1000 + static_cast<IconHandle>(day); }
    std::optional<DateMenuItem> ShowMenu(const std::array<Text, 3>& dates, DateChoice defaultItem) override {
        menuDates = dates;
        menuDefault = defaultItem;
        return menuAnswer;
    }
    void ShowConfiguration() override { ++configurations; }
    bool IsOwnOrShell(WindowHandle h) override { return h == own; }
    void TypeInto(WindowHandle target, const Text& text) override { typed.emplace_back(target, text); }

    WindowHandle own = 0;
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
    EXPECT_EQ(Icon()->hIcon, 0x1000u + 31);
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
    EXPECT_EQ(Icon()->hIcon, 0x1000u + 1);
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
    engine.SetDateIcon(&addOn);
    Start({{u"*NOTEPAD*", u"000:C:\\Apps\\app.exe"}});
    Tick();
    ASSERT_EQ(tray.icons.size(), 2u);
    EXPECT_EQ(tray.icons.back().hWnd, kReceiver);  // up from the first tick, behind the own icon

    desktop.Add(u"Untitled - Notepad", true);
    Tick();
    ASSERT_EQ(tray.icons.size(), 3u);
    EXPECT_EQ(tray.icons.back().hWnd, kReceiver);  // added again behind the new icon

    engine.SetHideDateIcon(true);
    engine.RemoveDateIcon();
    clock.now.minute += 1;
    Tick();
    EXPECT_EQ(tray.Find(kReceiver), nullptr);
    engine.SetHideDateIcon(false);
    Tick();
    EXPECT_NE(tray.Find(kReceiver), nullptr);

    engine.Quit(QuitReason::User);
    EXPECT_TRUE(tray.icons.empty());
}

}  // namespace
}  // namespace hw
