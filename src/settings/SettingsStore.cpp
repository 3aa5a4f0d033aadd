#include "settings/SettingsStore.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "common/NumericParse.h"
#include "common/TrimSpaces.h"
#include "settings/HotkeyText.h"
#include "settings/RunValue.h"
#include "settings/SettingsLayout.h"
#include "settings/RegistryStore.h"

namespace hw {

namespace {

constexpr int kMaxEntries = 32767;  // entry indices are 16-bit

bool IsOnlyNuls(const Text& t) { return !t.empty() && t.find_first_not_of(u'\0') == Text::npos; }

// A title as stored, less the terminator that another writer may have stored with it.
Text TitleFromStored(Text title) {
    title.erase(title.find_last_not_of(u'\0') + 1);
    return title;
}

// An icon reference ends at its first NUL; blanks around it are dropped.
Text IconFromStored(const Text& icon) {
    return TrimSpaces(icon.substr(0, icon.find(u'\0')));
}

Text UpperAscii(Text t) {
    for (char16_t& c : t) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return t;
}

// The value names of the settings key, listed once so that entries that are not there
// cost no registry call; without a listing each name is looked up.
class StoredNames {
public:
    explicit StoredNames(RegistryKey& key) : key_(key) {
        if (std::optional<std::vector<Text>> names = key.ValueNames()) {
            names_.emplace();
            for (const Text& name : *names) names_->insert(UpperAscii(name));
        }
    }
    bool Has(const Text& name) {
        return names_ ? names_->count(UpperAscii(name)) != 0 : !key_.Read(name).IsEmpty();
    }
    // The indices below `below` that have a title value, ascending. From the listing only
    // names exactly as TitleValueName writes them count, so a damaged count costs no walk
    // over every possible index.
    std::vector<int> TitleIndices(int below) {
        std::vector<int> indices;
        if (!names_) {
            for (int i = 0; i < below; ++i)
                if (Has(TitleValueName(i))) indices.push_back(i);
            return indices;
        }
        for (const Text& name : *names_) {
            if (name.size() < 2 || name.size() > 6 || name[0] != u' ' || !HasLeadingNumber(name.substr(1))) continue;
            std::optional<std::int32_t> i = ParseInt32(name.substr(1));
            if (i && *i >= 0 && *i < below && TitleValueName(*i) == name) indices.push_back(*i);
        }
        std::sort(indices.begin(), indices.end());
        return indices;
    }

private:
    RegistryKey& key_;
    std::optional<std::set<Text>> names_;
};

// One past the last stored entry: "EOF" when it holds a count, otherwise one past the
// highest index with a title value, so that settings with a damaged count keep their entries.
int StoredCount(RegistryKey& key, StoredNames& names) {
    Text eof = key.Read(kCountValueName).ToText();
    if (HasLeadingNumber(eof)) {
        std::optional<std::int16_t> n = ParseInt16(eof);
        if (n && *n >= 0) return *n;
    }
    std::vector<int> indices = names.TitleIndices(kMaxEntries);
    return indices.empty() ? 0 : indices.back() + 1;
}

// A stored option box: "1" is on; "0" and "2" (greyed) are off; anything else is unusable.
std::optional<bool> StoredBox(const Text& value) {
    std::optional<std::int16_t> v = ParseInt16(value);
    if (!v || *v < 0 || *v > 2) return std::nullopt;
    return *v == 1;
}

// Text as another writer may have stored it: up to its first NUL.
Text UpToNul(Text t) {
    t.erase(std::min(t.find(u'\0'), t.size()));
    return t;
}

}  // namespace

std::optional<Text> StoredEntryValue(const EntrySetting& setting, const Entry& entry) {
    if (setting.format == EntryFormat::Flag)
        return entry.*std::get<bool Entry::*>(setting.field) ? std::optional<Text>(u"1") : std::nullopt;
    const Text& text = entry.*std::get<Text Entry::*>(setting.field);
    if (setting.format == EntryFormat::Word && text.empty()) return std::nullopt;
    return text;
}

void LoadEntryValue(const EntrySetting& setting, const Text& stored, Entry& entry) {
    switch (setting.format) {
    case EntryFormat::Title: entry.*std::get<Text Entry::*>(setting.field) = TitleFromStored(stored); break;
    case EntryFormat::Icon: entry.*std::get<Text Entry::*>(setting.field) = IconFromStored(stored); break;
    case EntryFormat::Flag: entry.*std::get<bool Entry::*>(setting.field) = UpToNul(stored) == u"1"; break;
    case EntryFormat::Word: entry.*std::get<Text Entry::*>(setting.field) = UpToNul(stored); break;
    }
}

std::optional<Text> StoredOption(const OptionSetting& setting, const OptionValues& options) {
    switch (setting.format) {
    case OptionFormat::Interval: return DecimalText(options.*std::get<int OptionValues::*>(setting.field));
    case OptionFormat::Box: return Text(options.*std::get<bool OptionValues::*>(setting.field) ? u"1" : u"0");
    case OptionFormat::Hotkey: {
        const Text& text = options.*std::get<Text OptionValues::*>(setting.field);
        return text.empty() ? std::nullopt : std::optional<Text>(text);
    }
    }
    return std::nullopt;
}

bool LoadOption(const OptionSetting& setting, const Text& stored, OptionValues& options) {
    switch (setting.format) {
    case OptionFormat::Interval: {
        std::optional<std::int16_t> ms = ParseInt16(stored);
        return ms && options.SetPollInterval(*ms == 0 ? kDefaultPollIntervalMs : *ms);
    }
    case OptionFormat::Box: {
        std::optional<bool> on = StoredBox(stored);
        if (on) options.*std::get<bool OptionValues::*>(setting.field) = *on;
        return on.has_value();
    }
    case OptionFormat::Hotkey: {
        // Written canonically when readable; otherwise kept as it is, to be reported.
        Text text = UpToNul(stored);
        HotkeyReading reading = ReadHotkey(text);
        options.*std::get<Text OptionValues::*>(setting.field) = reading.problem.empty() ? HotkeyText(reading.hotkey) : text;
        return true;
    }
    }
    return false;
}

SettingsStore::SettingsStore(Registry& reg, Ui& ui, Log& log, Settings& settings, Text programPath)
    : reg_(reg), ui_(ui), log_(log), s_(settings), programPath_(std::move(programPath)) {}

void SettingsStore::Load() {
    CreateKey(reg_, kHkeyCurrentUser, kSettingsKey);
    AskFirstStart();
    s_.startWithWindows = StartsWithWindows(reg_);

    LoadOptions();
    bool dropped = LoadEntries();

    bool migrate = ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, u"SINGLE").ToText().empty();
    if (migrate) {
        for (Entry& entry : s_.entries) {
            Text& title = entry.titlePattern;
            if (title.empty() || title[0] != u'*') title = u"*" + title + u"*";
        }
    }
    if (migrate || dropped) Save();
    if (dropped) ui_.ShowMessage(kOutOfDateMessage, kAppTitle, kMbIconInformation);
}

void SettingsStore::AskFirstStart() {
    if (!ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, kFirstStartRecord).IsEmpty()) return;
    // Settings saved before the record existed mean the question was answered long ago.
    bool firstStart = ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, kCountValueName).IsEmpty();
    if (firstStart && ui_.ShowMessage(kAutoLoadQuestion, kAppTitle, kMbYesNo | kMbIconQuestion) == kIdYes &&
        !WriteRunValue(reg_, programPath_)) {
        log_.Failure(kRunValueFailedMessage, u"", 0);
        ui_.ShowMessage(kRunValueFailedMessage, kAppTitle, kMbIconExclamation);
    }
    // Without the record the question comes back at the next start.
    if (const std::int32_t status = WriteValue(reg_, kHkeyCurrentUser, kSettingsKey, kFirstStartRecord, u"1", kRegSz))
        log_.Failure(u"Hidewell could not record that the start-with-Windows question was answered", u"",
                     static_cast<std::uint32_t>(status));
}

void SettingsStore::LoadOptions() {
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey, kKeyQueryValue);
    // A missing value takes the default; in settings stored before a box existed, the box is
    // off, so that they keep working as they did.
    StoredNames names(key);
    const bool stored = names.Has(kCountValueName) || !names.TitleIndices(kMaxEntries).empty();
    const OptionValues defaults;
    for (const OptionSetting& setting : kOptionSettings) {
        const RegistryValue value = key.Read(setting.name);
        if (!value.IsEmpty()) {
            LoadOption(setting, value.ToText(), s_);
            continue;
        }
        std::visit([&](auto field) { s_.*field = defaults.*field; }, setting.field);
        if (stored && setting.format == OptionFormat::Box) s_.*std::get<bool OptionValues::*>(setting.field) = false;
    }
}

bool SettingsStore::LoadEntries() {
    s_.entries.clear();
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey, kKeyQueryValue);
    StoredNames names(key);
    int count = StoredCount(key, names);
    bool dropped = false;
    for (int i : names.TitleIndices(count)) {
        RegistryValue title = key.Read(TitleValueName(i));
        if (title.IsEmpty()) continue;  // no readable title: no entry
        if (IsOnlyNuls(title.ToText())) {
            dropped = true;
            continue;
        }
        // Every value of the table; those not stored leave their field at its default.
        Entry& entry = s_.entries.emplace_back();
        for (const EntrySetting& setting : kEntrySettings) {
            const Text name = EntryValueName(setting, i);
            if (setting.format == EntryFormat::Title)
                LoadEntryValue(setting, title.ToText(), entry);
            else if (names.Has(name))
                LoadEntryValue(setting, key.Read(name).ToText(), entry);
        }
    }
    return dropped;
}

bool SettingsStore::Save() {
    int count = static_cast<int>(s_.entries.size());
    CreateKey(reg_, kHkeyCurrentUser, kSettingsKey);
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey);
    if (!key.IsOpen()) return false;
    StoredNames names(key);
    int oldCount = StoredCount(key, names);

    bool stored = true;
    auto write = [&](const Text& name, const RegistryValue& value) {
        stored = key.Write(name, value, kRegSz) == kErrorSuccess && stored;
    };
    // A value left out is removed, so that it cannot stay from an earlier save.
    auto put = [&](const Text& name, const std::optional<Text>& value) {
        if (value)
            write(name, *value);
        else if (names.Has(name)) {
            if (const std::int32_t status = key.Remove(name))
                log_.Failure(u"Hidewell could not remove the stale setting " + name, u"", static_cast<std::uint32_t>(status));
        }
    };
    for (const OptionSetting& setting : kOptionSettings) put(setting.name, StoredOption(setting, s_));
    // Overwriting in place keeps every index readable; the count changes only afterwards,
    // and the values beyond it go from the top down.
    for (int i = 0; i < count; ++i)
        for (const EntrySetting& setting : kEntrySettings)
            put(EntryValueName(setting, i), StoredEntryValue(setting, s_.entries[static_cast<std::size_t>(i)]));
    write(kCountValueName, count);
    // Stale values beyond the count are never read: failing to remove one loses nothing.
    for (int i = oldCount - 1; i >= count; --i)
        for (const EntrySetting& setting : kEntrySettings) put(EntryValueName(setting, i), std::nullopt);
    return stored;
}

bool SettingsStore::SetStartWithWindows(bool on) {
    bool ok = on ? WriteRunValue(reg_, programPath_) : RemoveRunValue(reg_);
    s_.startWithWindows = StartsWithWindows(reg_);
    return ok;
}

int SettingsStore::ReadHeight() {
    std::optional<std::int16_t> h = ParseInt16(ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, u"Height").ToText());
    return h && *h > 0 ? *h : kDefaultHeightTwips;
}

std::int32_t SettingsStore::SaveHeight(int twips) {
    Text number = DecimalText(twips);
    return WriteValue(reg_, kHkeyCurrentUser, kSettingsKey, u"Height", twips < 0 ? number : u" " + number, kRegSz);
}

}  // namespace hw
