#include <chrono>

#include "StoreFixture.h"

namespace hw::test {
namespace {

using Titles = std::vector<Text>;

TEST_F(StoreTest, FirstStartAsksOnceAndStoresDefaults) {
    ui.answer = kIdYes;
    store.LoadRegEdit();
    store.LoadRegEdit();
    EXPECT_EQ(ui.shown, Titles{u"Do you wish to Auto Load Hidewell on Startup?|Hidewell+|36"});
    EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"C:\\Tools\\Hidewell.exe\"");
    EXPECT_EQ(model.chkAuto, 1);
    EXPECT_EQ(Stored(u"EOF"), u"0");
    EXPECT_EQ(Stored(u"RT"), u"3000");
    EXPECT_EQ(Stored(u"SINGLE"), u"0");
    EXPECT_EQ(reg.OpenHandles(), 0);

    ResetRegistry();  // settings saved before the first-start record existed
    Set(u"EOF", u"0");
    store.LoadRegEdit();
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(StoreTest, SaveAndLoadRoundTrip) {
    for (int i = 0; i < 12; ++i) {
        model.ApplicationsList.push_back(u"*App " + DecimalText(i) + u"*");
        model.EntryIcons.push_back(i % 2 ? Text() : u"00" + DecimalText(i % 10) + u":C:\\X.DLL");
    }
    model.TimeScroll = 500;
    model.chkHideDate = 2;
    model.chkSingleClick = 1;
    PlantCurrentSettings();
    store.SaveRegEdit();

    EXPECT_EQ(Stored(u" 10"), u"*App 10*");
    EXPECT_EQ(Stored(u"I10"), u"000:C:\\X.DLL");
    SettingsModel loaded = Reload();
    EXPECT_EQ(loaded.ApplicationsList, model.ApplicationsList);
    EXPECT_EQ(loaded.EntryIcons, model.EntryIcons);
    EXPECT_EQ(std::tie(loaded.TimeScroll, loaded.chkHide, loaded.chkHideDate, loaded.chkSingleClick),
              std::make_tuple(500, 0, 2, 1));
}

TEST_F(StoreTest, MigrationWrapsTitlesAndSavesAtOnce) {
    Set(kFirstStartRecord, u"1");
    PlantEntries({{u"Notepad", u"000:C:\\WINDOWS\\NOTEPAD.EXE"}, {u"*Calc*", u""}, {u"*Start", u""}, {u"", u""}});
    store.LoadRegEdit();
    EXPECT_EQ(model.ApplicationsList, (Titles{u"*Notepad*", u"*Calc*", u"*Start", u"**"}));
    EXPECT_EQ(Stored(u" 0"), u"*Notepad*");
    EXPECT_EQ(Stored(u"SINGLE"), u"0");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StoreTest, NulTitlesAreDroppedWithOneMessage) {
    PlantCurrentSettings();
    const Text nul(1, u'\0');
    PlantEntries({{u"*A*", u"001:A.DLL"}, {nul, u"002:X.DLL"}, {u"*B*", u"003:B.DLL"}, {nul, u""}, {nul, u""}});
    store.LoadRegEdit();
    EXPECT_EQ(model.ApplicationsList, (Titles{u"*A*", u"*B*"}));
    EXPECT_EQ(model.EntryIcons, (Titles{u"001:A.DLL", u"003:B.DLL"}));
    EXPECT_EQ(std::make_tuple(Stored(u"EOF"), Stored(u" 1"), Stored(u"I1"), Stored(u" 2"), Stored(u"I4")),
              std::make_tuple(u"2", u"*B*", u"003:B.DLL", std::nullopt, std::nullopt));
    EXPECT_EQ(ui.shown, Titles{u"Youre System has an out of Date Registry Setting\rAnd has been updated|Hidewell+|64"});
}

TEST_F(StoreTest, StoredTextsAreCleanedOnLoad) {
    PlantCurrentSettings();
    PlantEntries({{u"*A*", u"  000:C:\\WINDOWS\\NOTEPAD.EXE  "}, {u"*B*", Text(1, u'\0') + u"01:C:\\X.DLL"}, {}});
    Set(u" 2", u"*C*", true);  // as other writers store text, with a terminator
    Set(u"I2", u"000:C:\\ok.ico", true);
    store.LoadRegEdit();
    EXPECT_EQ(model.ApplicationsList, (Titles{u"*A*", u"*B*", u"*C*"}));
    EXPECT_EQ(model.EntryIcons, (Titles{u"000:C:\\WINDOWS\\NOTEPAD.EXE", u"", u"000:C:\\ok.ico"}));
}

TEST_F(StoreTest, OptionsOutsideTheirRangeKeepThePreviousValue) {
    PlantCurrentSettings();
    const std::tuple<Text, Text, int, int> cases[] = {
        {u"0", u"1", 3000, 1},     {u"", u"2", 3000, 2},    {u"abc", u"", 3000, 0},       {u"20000", u"3", 777, 1},
        {u"-5", u"-1", 777, 1},    {u"99999", u"70000", 777, 1}, {u" 1500.5", u" 1", 1500, 1},
    };
    for (const auto& [rt, box, timeScroll, check] : cases) {
        model.TimeScroll = 777;
        model.chkHide = 1;
        Set(u"RT", rt);
        Set(u"HIDE", box);
        store.LoadRegEdit();
        EXPECT_EQ(std::tie(model.TimeScroll, model.chkHide), std::make_tuple(timeScroll, check));
    }
}

TEST_F(StoreTest, SavingFewerEntriesRemovesTheRest) {
    PlantCurrentSettings();
    PlantEntries({{u"*1*", u"a"}, {u"*2*", u"b"}, {u"*3*", u"c"}, {u"*4*", u"d"}, {u"*5*", u"e"}});
    model.ApplicationsList = {u"*x*", u"*y*"};
    model.EntryIcons = {u"", u"i"};
    store.SaveRegEdit();
    for (int i = 2; i < 5; ++i) EXPECT_FALSE(Stored(TitleValueName(i)) || Stored(IconValueName(i)));
    EXPECT_EQ(Reload().ApplicationsList, model.ApplicationsList);
}

// Damaged counts: the entries at 0 and 1 are kept, nothing is made up, and only values
// that exist are read (unless the key's values cannot be listed).
TEST_F(StoreTest, DamagedCountKeepsStoredEntries) {
    const Text counts[] = {u"2000000000", u"32767", u"-1", u"abc", u"", u"99999", Text(u"2") + u'\0'};
    for (bool listingFails : {false, true}) {
        for (const Text& eof : counts) {
            ResetRegistry();
            reg.listingFails = listingFails;
            PlantCurrentSettings();
            PlantEntries({{u"*A*", u"i"}, {u"*B*", u""}});
            Set(u"EOF", eof);
            reg.queries = 0;
            auto start = std::chrono::steady_clock::now();
            SettingsModel loaded = Reload();
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
            EXPECT_TRUE(listingFails || reg.queries < 30);
            EXPECT_EQ(loaded.ApplicationsList, (Titles{u"*A*", u"*B*"}));
            EXPECT_EQ(loaded.EntryIcons, (Titles{u"i", u""}));
        }
    }
}

// Missing titles and titles of other types; "SINGLE" is missing, so the load saves at once.
TEST_F(StoreTest, UnreadableValuesLoseNoEntryInTheResave) {
    Set(kFirstStartRecord, u"1");
    PlantEntries({{u"A", u"ia"}, {u"B", u"ib"}, {u"C", u"ic"}, {u"D", u"id"}});
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u" 1", kRegBinary, {1});
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u" 2", kRegDword, {7, 0, 0, 0});
    reg.Plant(kHkeyCurrentUser, kSettingsKey, u"EOF", kRegBinary, {5});
    Set(u" 5", u"F");
    store.LoadRegEdit();
    EXPECT_EQ(model.ApplicationsList, (Titles{u"*A*", u"*7*", u"*D*", u"*F*"}));
    EXPECT_EQ(model.EntryIcons, (Titles{u"ia", u"ic", u"id", u""}));
    EXPECT_EQ(Reload().ApplicationsList, model.ApplicationsList);
}

TEST_F(StoreTest, HugeTextsRoundTrip) {
    PlantCurrentSettings();
    Text title = u"*" + Text(32768, u'\x3a9') + u"*";
    PlantEntries({{title, Text(32768, u' ')}});
    store.LoadRegEdit();
    EXPECT_EQ(model.ApplicationsList, Titles{title});
    EXPECT_EQ(model.EntryIcons, Titles{u""});
    store.SaveRegEdit();
    EXPECT_EQ(Stored(u" 0"), title);
}

TEST_F(StoreTest, Height) {
    for (const char16_t* stored : {u"", u" 0", u"abc", u"-5", u"70000"}) {
        Set(u"Height", stored);
        EXPECT_EQ(store.ReadHeight(), 4230);
    }
    store.SaveHeight(5000);
    EXPECT_EQ(Stored(u"Height"), u" 5000");
    EXPECT_EQ(store.ReadHeight(), 5000);
}

}  // namespace
}  // namespace hw::test
