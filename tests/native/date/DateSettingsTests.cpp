#include <gtest/gtest.h>

#include "addons/date/DateSettings.h"
#include "addons/date/TypingTarget.h"
#include "fakes/FakeDesktop.h"
#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"

namespace hw {
namespace {

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
