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

TEST(TypingTarget, TopmostVisibleTitledUnownedWindowThatIsNotExcluded) {
    test::FakeDesktop desk;
    WindowHandle editor = desk.Add(u"Untitled - Notepad");
    WindowHandle minimised = desk.Add(u"Report", true);
    WindowHandle untitled = desk.Add(u"");
    WindowHandle owned = desk.Add(u"Find", false, editor);
    WindowHandle invisible = desk.Add(u"Hidden");
    desk[invisible].style &= ~0x10000000u;
    WindowHandle ours = desk.Add(u"Date Hidewell");
    WindowHandle taskbar = desk.Add(u"Taskbar");
    auto excluded = [&](WindowHandle h) { return h == ours || h == taskbar; };
    (void)minimised, (void)untitled, (void)owned;
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), editor);

    WindowHandle printTo = desk.Add(u"Print to file", false, editor);  // owned, but kept
    EXPECT_EQ(ChooseTypingTarget(desk, excluded), printTo);

    test::FakeDesktop onlyOurs;
    WindowHandle own = onlyOurs.Add(u"Date Hidewell");
    EXPECT_EQ(ChooseTypingTarget(onlyOurs, [&](WindowHandle h) { return h == own; }), 0u);
}

}  // namespace
}  // namespace hw
