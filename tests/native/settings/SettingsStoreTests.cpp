#include "StoreFixture.h"

namespace hw::test {
namespace {

TEST_F(StoreTest, FirstStartAsksOnceAndStoresDefaults) {
    ui.answer = kIdYes;
    store.Load();
    store.Load();
    EXPECT_EQ(Shown(), Texts{u"Do you wish to Auto Load Hidewell on Startup?|Hidewell+|36"});
    EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"C:\\Tools\\Hidewell.exe\" /startup");
    EXPECT_EQ(std::make_tuple(model.startWithWindows, Stored(u"EOF"), Stored(u"SINGLE")), std::make_tuple(true, u"0", u"0"));
    // A new installation hides by a right click on the minimise button.
    EXPECT_EQ(std::make_tuple(model.rightClickHides, Stored(u"RightClickHides")), std::make_tuple(true, u"1"));
    EXPECT_EQ(reg.OpenHandles(), 0);

    ResetRegistry();  // settings saved before the first-start record existed
    Set(u"EOF", u"0");
    store.Load();
    EXPECT_EQ(ui.messages.size(), 1u);

    // A registry that takes no write: the Yes is not lost in silence, nor is the record.
    ResetRegistry();
    reg.writesLeft = 0;
    ui.messages.clear();
    store.Load();
    EXPECT_EQ(Shown(), (Texts{u"Do you wish to Auto Load Hidewell on Startup?|Hidewell+|36",
                              kRunValueFailedMessage + u"|Hidewell+|48"}));
    ASSERT_GE(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[1].what, u"Hidewell could not record that the start-with-Windows question was answered");

    // The Yes written but not its record: the Run value answers the question at the next start.
    ResetRegistry();
    reg.writesLeft = 2;
    ui.messages.clear();
    store.Load();
    store.Load();
    EXPECT_EQ(Shown(), Texts{u"Do you wish to Auto Load Hidewell on Startup?|Hidewell+|36"});
    EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"C:\\Tools\\Hidewell.exe\" /startup");
}

// Twelve entries (value names " 10", "I10", "W9" ...) saved over fifteen that all hid on
// appearing, one of them huge; the hotkeys as canonical text.
TEST_F(StoreTest, SaveAndLoadRoundTrip) {
    PlantSettings(Entries(15, {u"*old*", u"i", true}));
    for (int i = 0; i < 12; ++i) {
        model.entries.push_back(
            {u"*App " + DecimalText(i) + u"*", i % 2 ? Text() : u"00" + DecimalText(i % 10) + u":C:\\X.DLL", i % 3 == 0,
             i % 4 == 1 ? u"Program" : i % 4 == 2 ? u"Class" : u""});
    }
    model.entries[11].matchBy = u"Window";  // a kind of a later version: kept, never read as the caption
    model.entries[1].titlePattern = u"*" + Text(32768, u'\x3a9') + u"*";
    std::tie(model.pollIntervalMs, model.hideDateIcon, model.singleClickRestores) = std::make_tuple(500, true, true);
    model.hotkeyHide = u"Ctrl+Alt+H";
    model.hotkeyMenu = u"Shift+Win+F12";
    store.Save();
    EXPECT_EQ(std::make_tuple(Stored(u" 10"), Stored(u"I10"), Stored(u"W9"), Stored(u"W10")),
              std::make_tuple(u"*App 10*", u"000:C:\\X.DLL", u"1", std::nullopt));
    EXPECT_EQ(std::make_tuple(Stored(u"HotkeyHide"), Stored(u"HotkeyRestore")), std::make_tuple(u"Ctrl+Alt+H", std::nullopt));
    EXPECT_EQ(std::make_tuple(Stored(u"M0"), Stored(u"M1"), Stored(u"M2"), Stored(u"M11")),
              std::make_tuple(std::nullopt, u"Program", u"Class", u"Window"));
    for (int i = 12; i < 15; ++i)
        for (const EntrySetting& s : kEntrySettings) EXPECT_FALSE(Stored(EntryValueName(s, i))) << i;
    EXPECT_TRUE(Reload() == model);

    // Read without regard to case; anything but "1" hides on minimise.
    Set(u"HOTKEYRESTORE", u"ctrl+alt+pagedown");
    Set(u"W0", u"yes");
    Set(u"m3", u"pROGRAM");
    Set(u"M5", u"");
    Settings loaded = Reload();
    EXPECT_EQ(loaded.hotkeyRestore, u"Ctrl+Alt+PgDn");
    EXPECT_FALSE(loaded.entries[0].hideOnAppear);
    EXPECT_EQ(loaded.entries[3].Kind(), MatchBy::Program);
    EXPECT_EQ(loaded.entries[5].Kind(), MatchBy::Caption);
    EXPECT_EQ(loaded.entries[11].Kind(), MatchBy::Unknown);
}

// NUL titles go (saved at once, one message); icon references lose blanks; terminators are cut.
TEST_F(StoreTest, LoadCleansStoredEntries) {
    const Text nul(1, u'\0');
    PlantSettings({{u"*A*", u"  001:A.DLL  "}, {nul, u"002:X.DLL"}, {u"*B*", nul + u"03:B.DLL"}, {nul, u""},
                   {nul, u""}, {}, {u"*D*", Text(32768, u' ')}});
    Set(u" 5", u"*C*", true);
    Set(u"I5", u"000:C:\\ok.ico", true);
    store.Load();
    EXPECT_EQ(Titles(model), (Texts{u"*A*", u"*B*", u"*C*", u"*D*"}));
    EXPECT_EQ(Icons(model), (Texts{u"001:A.DLL", u"", u"000:C:\\ok.ico", u""}));
    EXPECT_EQ(Stored(u"EOF"), u"4");
    EXPECT_EQ(Shown(), Texts{u"Youre System has an out of Date Registry Setting\rAnd has been updated|Hidewell+|64"});
}

TEST_F(StoreTest, OptionsOutsideTheirRangeKeepThePreviousValue) {
    PlantSettings({});
    // An option box reads "1" as on, "0" and "2" (greyed) as off.
    const std::tuple<Text, Text, int, bool> cases[] = {
        {u"0", u"1", 3000, true},  {u"", u"2", 3000, false},         {u"abc", u"", 3000, false},
        {u"20000", u"3", 777, true}, {u"-5", u"-1", 777, true}, {u"99999", u"70000", 777, true},
        {u" 1500.5", u" 1", 1500, true},
    };
    for (const auto& [rt, box, timeScroll, check] : cases) {
        std::tie(model.pollIntervalMs, model.hideOwnIcon) = std::make_tuple(777, true);
        Set(u"RT", rt);
        Set(u"HIDE", box);
        store.Load();
        EXPECT_EQ(std::tie(model.pollIntervalMs, model.hideOwnIcon), std::make_tuple(timeScroll, check));
    }
    for (const char16_t* height : {u"", u" 0", u"abc", u"-5", u"70000"}) {
        Set(u"Height", height);
        EXPECT_EQ(store.ReadHeight(), 4230);
    }
    store.SaveHeight(5000);
    EXPECT_EQ(std::make_tuple(Stored(u"Height"), store.ReadHeight()), std::make_tuple(u" 5000", 5000));
}

// A damaged count loses no entry and makes none up; only values that exist are read.
TEST_F(StoreTest, DamagedCountKeepsStoredEntries) {
    const Text counts[] = {u"2000000000", u"32767", u"-1", u"abc", u"", u"99999", Text(u"2") + u'\0'};
    for (bool listingFails : {false, true}) {
        for (const Text& eof : counts) {
            ResetRegistry();
            reg.listingFails = listingFails;
            PlantSettings({{u"*A*", u"i"}, {u"*B*", u""}});
            Set(u"EOF", eof);
            Settings loaded = Reload();
            EXPECT_TRUE(listingFails || reg.queries < 40);  // a handful per option, not one per index  // a handful per option, not one per index
            EXPECT_EQ(Titles(loaded), (Texts{u"*A*", u"*B*"})) << listingFails;
        }
    }
}

// Settings older than "SINGLE" are migrated and saved at once, losing no unreadable entry.
TEST_F(StoreTest, OldSettingsAreMigratedAtOnce) {
    PlantSettings({{u"Notepad", u"ia"}, {u"*Calc*", u"ib"}, {u"*Start", u"ic"}, {u"", u""}, {u"x", u""}, {u"y", u"if"}},
                  true);
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u" 4", kRegBinary, {1});
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u" 5", kRegDword, {7, 0, 0, 0});
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u"EOF", kRegBinary, {5});
    Set(u" 7", u"F");
    store.Load();
    EXPECT_EQ(Titles(model), (Texts{u"*Notepad*", u"*Calc*", u"*Start", u"**", u"*7*", u"*F*"}));
    EXPECT_EQ(Icons(model), (Texts{u"ia", u"ib", u"ic", u"", u"if", u""}));
    EXPECT_EQ(Stored(u"SINGLE"), u"0");
    // An option newer than the settings does not change them under the user's hands.
    EXPECT_EQ(std::make_tuple(model.rightClickHides, Stored(u"RightClickHides")), std::make_tuple(false, u"0"));
    EXPECT_EQ(Reload().entries, model.entries);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace hw::test
