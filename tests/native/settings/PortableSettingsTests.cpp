// A portable copy's settings: the file's text, the settings through it, and what it does when
// the file cannot be read or written.
#include "StoreFixture.h"
#include "addons/date/DateSettings.h"
#include "engine/HiddenJournal.h"
#include "engine/TrayEngine.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/RecordingLog.h"
#include "settings/PortableRegistry.h"
#include "settings/RunValue.h"
#include "settings/SettingsFile.h"

namespace hw::test {
namespace {

const Text kIni = u"F:\\Hidewell\\Hidewell.ini";
const std::string kShipped = "; Hidewell's settings for this portable copy\r\n";

std::string Bytes(const Text& ascii) { return std::string(ascii.begin(), ascii.end()); }

// Names and values of every kind come back exactly, in the settings key and in a sub key.
TEST(SettingsFile, EveryTextComesBackExactly) {
    const Text texts[] = {
        u"",
        u"plain",
        u"C:\\Windows\\notepad.exe,0",
        u"line\nfeed\r\nand\ttab",
        Text(u"nul\0inside", 10),
        u"a=b==c",
        u"[bracket]",
        u";comment",
        u"#hash",
        u" leading and trailing ",
        u"\\u{41} is no A",
        u"\\u{",
        u"\U0001F600 beyond the BMP",
        Text(1, u'\xD800') + u"unpaired" + Text(1, u'\xDC00'),
        u"\x7F\x85\x2028",
        u"\xFEFF at the start",
    };
    for (const Text& text : texts) {
        for (const Text& key : {Text(), Text(u"Kestle2")}) {
            SettingsFile file;
            file.SetValue(key, text, text);
            file.SetValue(key, u"after", u"x");
            std::optional<SettingsFile> read = SettingsFile::Parse(file.Serialise());
            ASSERT_TRUE(read) << file.Serialise();
            EXPECT_EQ(read->Value(key, text), text) << file.Serialise();
            EXPECT_EQ(read->Names(key), (Texts{text, u"after"})) << file.Serialise();
            EXPECT_EQ(read->Serialise(), file.Serialise());
        }
    }
    SettingsFile file;
    file.SetValue(u"", u"I0", u"C:\\Windows\\notepad.exe,0");
    file.SetValue(u"", u" 0", u"*NOTE\nPAD* ");
    EXPECT_EQ(file.Serialise(), "I0=C:\\Windows\\notepad.exe,0\r\n 0=*NOTE\\u{A}PAD*\\u{20}\r\n");
}

class PortableTest : public StoreTest {
protected:
    PortableTest() { files.files[kIni] = kShipped; }
    // A start of the portable copy: the file read afresh.
    PortableRegistry& Start() {
        portable.emplace(reg, files, ui, log, kIni);
        portable->Load();
        return *portable;
    }
    Settings LoadThrough(PortableRegistry& r) {
        Settings s;
        SettingsStore(r, ui, storeLog, s, u"F:\\Hidewell\\x64\\Hidewell.exe").Load();
        return s;
    }
    bool RegistryHasSettings() {
        RegKey key;
        bool open = reg.OpenKeyEx(kHkeyCurrentUser, kSettingsKey, kKeyQueryValue, key) == kErrorSuccess;
        if (open) reg.CloseKey(key);
        return open;
    }

    FakeFileSystem files;
    RecordingLog log;
    RecordingLog storeLog;  // the store's own, apart from the file's
    std::optional<PortableRegistry> portable;
};

// Every stored value goes through the settings table into the file and back; the registry
// gets only the journal (volatile) and the Run value.
TEST_F(PortableTest, SettingsRoundTripThroughTheFile) {
    Settings saved;
    saved.entries = {{u"*NOTEPAD*", u"000:C:\\Windows\\notepad.exe", true},
                     {u"*multi\r\nline = \U0001F600*", u"", false},
                     {u"\\u{41}", u"001:X.DLL", false}};
    std::tie(saved.pollIntervalMs, saved.hideDateIcon, saved.singleClickRestores) = std::make_tuple(700, true, true);
    saved.hotkeyHide = u"Ctrl+Alt+H";
    PortableRegistry& first = Start();
    SettingsStore store(first, ui, storeLog, saved, u"F:\\Hidewell\\x64\\Hidewell.exe");
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(store.SaveHeight(5000), kErrorSuccess);
    EXPECT_EQ(SaveDateSettings(first, {u"d mmm \"=\"", DateChoice::Short}), kErrorSuccess);
    EXPECT_TRUE(store.SetStartWithWindows(true));
    HiddenJournal journal(first, kJournalKey);
    ASSERT_TRUE(journal.Add({WindowHandle{42}, 7, 1, u"Notepad", u"Untitled"}));

    PortableRegistry& second = Start();
    Settings loaded = LoadThrough(second);
    saved.startWithWindows = true;
    EXPECT_TRUE(loaded == saved);
    EXPECT_EQ(SettingsStore(second, ui, storeLog, loaded, u"").ReadHeight(), 5000);
    DateSettings date = LoadDateSettings(second);
    EXPECT_EQ(std::make_pair(date.format, date.choice), std::make_pair(Text(u"d mmm \"=\""), DateChoice::Short));
    EXPECT_EQ(HiddenJournal(second, kJournalKey).Read().size(), 1u);

    EXPECT_TRUE(files.files[kIni].starts_with(kShipped + "RT=700\r\n"));
    EXPECT_NE(files.files[kIni].find("\r\n[Kestle2]\r\nDouble=2\r\nFormat=d mmm \"=\"\r\n"), std::string::npos);
    EXPECT_FALSE(RegistryHasSettings());
    EXPECT_TRUE(reg.IsVolatile(kHkeyCurrentUser, kPortableJournalKey));
    EXPECT_EQ(RunText(kHkeyCurrentUser), u"\"F:\\Hidewell\\x64\\Hidewell.exe\" /startup");
    EXPECT_EQ(second.Place(kHkeyCurrentUser, kSettingsKey), kIni);
    EXPECT_EQ(reg.Place(kHkeyCurrentUser, kSettingsKey), u"HKEY_CURRENT_USER\\" + kSettingsKey);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(reg.OpenHandles(), 0);
}

// Comments, blank lines, unknown values and sub keys, repeated names and stray text stay where
// they were; a save with nothing changed does not write.
TEST_F(PortableTest, LinesHidewellDoesNotKnowAreKept) {
    const std::string kept[] = {"; mine", "", "Colour=blue", "no equals sign", "RT=250", "RT=999",
                                "[Kestle2]", "# date", "Format=yyyy", "[Elsewhere]", "x=1"};
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& line : kept) text += line + "\n";
    files.files[kIni] = text;
    Settings loaded = LoadThrough(Start());
    EXPECT_EQ(loaded.pollIntervalMs, 250);
    loaded.entries = {{u"*A*", u""}};
    SettingsStore(*portable, ui, storeLog, loaded, u"").Save();
    const std::string& now = files.files[kIni];
    std::size_t at = 0;
    for (const std::string& line : kept) {
        at = now.find(line + "\r\n", at);
        EXPECT_NE(at, std::string::npos) << line << " in\n" << now;
    }
    EXPECT_TRUE(now.starts_with("\xEF\xBB\xBF; mine\r\n\r\nColour=blue\r\nno equals sign\r\nRT=250\r\nASKED=1\r\n"));
    const int writes = files.writes;
    SettingsStore(*portable, ui, storeLog, loaded, u"").Save();
    EXPECT_EQ(files.writes, writes);
}

// A file that cannot be read: one message naming it, the defaults, and the file left alone
// through start-up; afterwards it is replaced only when the user agrees, asked once.
TEST_F(PortableTest, UnreadableFileIsKeptUntilTheUserAgrees) {
    const std::pair<std::string, bool> cases[] = {
        {"RT=700\r\n\xFF\xFE junk", false}, {"RT=\xC0\xB1", false}, {"RT=\xED\xA0\x80", false}, {"RT=\xE2\x82", false},
        {"RT=700", true},  // exists, cannot be opened
    };
    for (const auto& [bytes, locked] : cases) {
        for (int answer : {kIdNo, kIdYes}) {
            files.files[kIni] = bytes;
            files.unreadable.clear();
            if (locked) files.unreadable.insert(kIni);
            RemoveRunValue(reg);  // the Yes of the case before would answer the question
            ui.messages.clear();
            ui.answer = answer;
            PortableRegistry& r = Start();
            Settings loaded = LoadThrough(r);  // asks the first-start question, migrates, saves
            EXPECT_EQ(loaded.pollIntervalMs, OptionValues{}.pollIntervalMs);
            r.Started();
            files.unreadable.clear();
            SettingsStore(r, ui, storeLog, loaded, u"").Save();
            SettingsStore(r, ui, storeLog, loaded, u"").Save();
            ASSERT_EQ(ui.messages.size(), 3u);
            EXPECT_EQ(ui.messages[0].text, UnreadableSettingsMessage(kIni, locked ? files.LastError()
                                                                                  : u"It is not a text file in UTF-8."));
            EXPECT_EQ(ui.messages[2].text, ReplaceSettingsQuestion(kIni));
            EXPECT_EQ(files.files[kIni] == bytes, answer == kIdNo);
            if (answer == kIdYes) {
                EXPECT_TRUE(LoadThrough(Start()) == loaded);
            }
        }
    }
}

// A medium that refuses writes: the settings stay for the run, the user hears it once, the old
// file stays whole, and a later save that works writes everything.
TEST_F(PortableTest, FailedWritesKeepTheOldFileAndTheSettingsForTheRun) {
    files.files[kIni] = kShipped + "ASKED=1\r\nEOF=1\r\n 0=*OLD*\r\n";
    const std::string old = files.files[kIni];
    PortableRegistry& r = Start();
    files.readOnly = true;
    Settings s = LoadThrough(r);
    s.entries = {{u"*NEW*", u""}, {u"*TWO*", u""}};
    SettingsStore store(r, ui, storeLog, s, u"");
    EXPECT_TRUE(store.Save());
    EXPECT_TRUE(store.Save());
    EXPECT_EQ(SaveDateSettings(r, {}), kErrorSuccess);
    EXPECT_EQ(files.files[kIni], old);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, CannotSaveSettingsMessage(kIni, files.LastError()));
    EXPECT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(Titles(LoadThrough(r)), (Texts{u"*NEW*", u"*TWO*"}));

    files.readOnly = false;
    store.Save();
    EXPECT_EQ(Titles(LoadThrough(Start())), (Texts{u"*NEW*", u"*TWO*"}));
    EXPECT_EQ(ui.messages.size(), 1u);
}

// The first start of a portable copy on a computer whose registry holds settings offers them
// once; a copy that holds settings, or a registry without any, is not asked.
TEST_F(PortableTest, FirstStartOffersTheRegistrysSettingsOnce) {
    for (int answer : {kIdYes, kIdNo}) {
        ResetRegistry();
        PlantSettings({{u"*FROM REGISTRY*", u"000:C:\\A.ico"}});
        reg.PlantText(kHkeyCurrentUser, kSettingsKey + u"\\Kestle2", u"Format", u"yyyy");
        reg.Plant(kHkeyCurrentUser, kSettingsKey, u"Height", kRegDword, {0x88, 0x13, 0, 0});
        files.files[kIni] = kShipped;
        ui.messages.clear();
        ui.answer = answer;
        Start().OfferCopyFromRegistry();
        Settings loaded = LoadThrough(*portable);
        EXPECT_EQ(Titles(loaded), answer == kIdYes ? Texts{u"*FROM REGISTRY*"} : Texts{});
        EXPECT_EQ(LoadDateSettings(*portable).format, answer == kIdYes ? u"yyyy" : kDefaultDateFormat);
        EXPECT_EQ(SettingsStore(*portable, ui, storeLog, loaded, u"").ReadHeight(), answer == kIdYes ? 5000 : kDefaultHeightTwips);
        // Yes: nothing more is asked; No: the first-start question follows.
        ASSERT_EQ(ui.messages.size(), answer == kIdYes ? 1u : 2u);
        EXPECT_EQ(ui.messages[0].text, CopySettingsQuestion(kIni));

        ui.messages.clear();
        Start().OfferCopyFromRegistry();
        LoadThrough(*portable);
        EXPECT_TRUE(ui.messages.empty());
    }
    ResetRegistry();
    files.files[kIni] = kShipped;
    Start().OfferCopyFromRegistry();
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SettingsFile, IsFoundBesideTheProgramOrOneFolderUp) {
    const std::tuple<Text, Text, std::optional<Text>> cases[] = {
        {u"F:\\Hidewell\\x64\\Hidewell.exe", u"F:\\Hidewell\\x64\\Hidewell.ini", u"F:\\Hidewell\\x64\\Hidewell.ini"},
        {u"F:\\Hidewell\\x86\\Hidewell.exe", u"F:\\Hidewell\\Hidewell.ini", u"F:\\Hidewell\\Hidewell.ini"},
        {u"F:\\Hidewell.exe", u"F:\\Hidewell.ini", u"F:\\Hidewell.ini"},
        {u"C:\\Program Files\\Hidewell\\Hidewell.exe", u"C:\\Hidewell.ini", std::nullopt},
        {u"C:\\A\\B\\Hidewell.exe", u"C:\\A\\B\\hidewell.ini.txt", std::nullopt},
    };
    for (const auto& [program, ini, found] : cases) {
        FakeFileSystem files;
        files.files[ini] = "";
        EXPECT_EQ(FindSettingsFile(files, program), found) << Bytes(program);
    }
}

}  // namespace
}  // namespace hw::test
