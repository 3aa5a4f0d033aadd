// Loading settings from whatever the registry holds: values of every type, size and count
// under the settings key. Nothing crashes, and the save that follows loses nothing: the
// next start loads exactly what this one did.
#include "FuzzInput.h"
#include "fakes/FakeShell.h"
#include "fakes/PlantedSettings.h"
#include "fakes/RecordingLog.h"
#include "settings/SettingsStore.h"

namespace {

using hw::Text;

// Every value name of the settings (entries 0 to 3 and 10), and a few near misses.
const std::vector<Text> kNames = [] {
    std::vector<Text> names{hw::kCountValueName, hw::kFirstStartRecord, u"Height", u" 00", u"eof", u" 32766", u"hotkeyhide"};
    for (const hw::OptionSetting& setting : hw::kOptionSettings) names.push_back(setting.name);
    for (int i : {0, 1, 2, 3, 10})
        for (const hw::EntrySetting& setting : hw::kEntrySettings) names.push_back(hw::EntryValueName(setting, i));
    return names;
}();

hw::Settings LoadAll(hw::test::MemoryRegistry& reg, hw::test::FakeUi& ui) {
    hw::Settings settings;
    hw::test::RecordingLog log;
    hw::SettingsStore(reg, ui, log, settings, u"C:\\Tools\\Hidewell.exe").Load();
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hw::fuzz::FuzzInput in(data, size);
    hw::test::MemoryRegistry reg;
    reg.PlantKey(hw::kHkeyCurrentUser, hw::kRunKey);
    reg.PlantKey(hw::kHkeyLocalMachine, hw::kRunKey);
    reg.PlantKey(hw::kHkeyCurrentUser, hw::kSettingsKey);
    while (!in.Empty()) {
        std::uint8_t pick = in.Byte();
        Text name = pick < std::size(kNames) * 8 ? kNames[pick % kNames.size()] : in.Chars(16);
        std::uint32_t type = in.Byte() % 8;
        Text text = in.Chars(300);
        if (type == hw::kRegSz && in.Byte() % 2) text += u'\0';  // a terminator, as other writers store it
        std::vector<std::uint8_t> bytes;
        for (char16_t c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        if (type != hw::kRegSz && !bytes.empty() && in.Byte() % 2) bytes.pop_back();  // odd sizes
        reg.Plant(hw::kHkeyCurrentUser, hw::kSettingsKey, name, type, std::move(bytes));
    }
    hw::test::FakeUi ui;
    const hw::Settings first = LoadAll(reg, ui);
    hw::Settings saved = first;
    hw::test::RecordingLog log;
    hw::SettingsStore(reg, ui, log, saved, u"C:\\Tools\\Hidewell.exe").Save();
    hw::fuzz::Check(LoadAll(reg, ui) == first);
    return 0;
}
