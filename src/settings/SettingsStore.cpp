#include "settings/SettingsStore.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "common/NumericParse.h"
#include "settings/RunValue.h"
#include "settings/SettingsLayout.h"
#include "settings/mdlRegistry.h"

namespace hw {

namespace {

const Text kUpdateTag = u"Update";
constexpr int kDefaultInterval = 3000;
constexpr int kMaxEntries = 32767;  // entry indices are 16-bit

bool IsOnlyNuls(const Text& t) { return !t.empty() && t.find_first_not_of(u'\0') == Text::npos; }

// A title as stored, less the terminator that another writer may have stored with it.
Text TitleFromStored(Text title) {
    title.erase(title.find_last_not_of(u'\0') + 1);
    return title;
}

// An icon reference ends at its first NUL; blanks around it are dropped.
Text IconFromStored(Text icon) {
    icon.erase(std::min(icon.find(u'\0'), icon.size()));
    std::size_t first = icon.find_first_not_of(u' ');
    if (first == Text::npos) return Text();
    return icon.substr(first, icon.find_last_not_of(u' ') - first + 1);
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

private:
    RegistryKey& key_;
    std::optional<std::set<Text>> names_;
};

// One past the last stored entry: "EOF" when it holds a count, otherwise one past the
// highest index with a title value, so that settings with a damaged count keep their entries.
int StoredCount(RegistryKey& key, StoredNames& names) {
    Text eof = key.Read(u"EOF").ToText();
    if (HasLeadingNumber(eof)) {
        std::optional<std::int16_t> n = ParseInt16(eof);
        if (n && *n >= 0) return *n;
    }
    int end = 0;
    for (int i = 0; i < kMaxEntries; ++i) {
        if (names.Has(TitleValueName(i))) end = i + 1;
    }
    return end;
}

}  // namespace

SettingsStore::SettingsStore(Registry& reg, Ui& ui, SettingsModel& model, Text programPath)
    : reg_(reg), ui_(ui), m_(model), programPath_(std::move(programPath)) {}

void SettingsStore::LoadRegEdit() {
    CreateKey(reg_, kHkeyCurrentUser, kSettingsKey);
    AskFirstStart();

    m_.chkAutoTag = kUpdateTag;
    SetChkAuto(StartsWithWindows(reg_) ? 1 : 0);
    m_.chkAutoTag.clear();

    LoadOptions();
    bool dropped = LoadEntries();

    bool migrate = ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, u"SINGLE").ToText().empty();
    if (migrate) {
        for (Text& title : m_.ApplicationsList) {
            if (title.empty() || title[0] != u'*') title = u"*" + title + u"*";
        }
    }
    if (migrate || dropped) SaveRegEdit();
    if (dropped) ui_.ShowMessage(kOutOfDateMessage, kAppTitle, kMbIconInformation);
}

void SettingsStore::AskFirstStart() {
    if (!ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, kFirstStartRecord).IsEmpty()) return;
    // Settings saved before the record existed mean the question was answered long ago.
    bool firstStart = ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, u"EOF").IsEmpty();
    if (firstStart && ui_.ShowMessage(kAutoLoadQuestion, kAppTitle, kMbYesNo | kMbIconQuestion) == kIdYes)
        WriteRunValue(reg_, programPath_);
    WriteValue(reg_, kHkeyCurrentUser, kSettingsKey, kFirstStartRecord, u"1", kRegSz);
}

void SettingsStore::LoadOptions() {
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey, kKeyQueryValue);
    if (std::optional<std::int16_t> rt = ParseInt16(key.Read(u"RT").ToText()))
        m_.SetTimeScroll(*rt == 0 ? kDefaultInterval : *rt);
    const std::pair<const char16_t*, int*> boxes[] = {
        {u"HIDE", &m_.chkHide}, {u"HIDEDATE", &m_.chkHideDate}, {u"SINGLE", &m_.chkSingleClick}};
    for (const auto& [name, box] : boxes) {
        if (std::optional<std::int16_t> v = ParseInt16(key.Read(name).ToText())) SettingsModel::SetCheck(*box, *v);
    }
}

bool SettingsStore::LoadEntries() {
    m_.ApplicationsList.clear();
    m_.EntryIcons.clear();
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey, kKeyQueryValue);
    StoredNames names(key);
    int count = StoredCount(key, names);
    bool dropped = false;
    for (int i = 0; i < count; ++i) {
        if (!names.Has(TitleValueName(i))) continue;
        RegistryValue title = key.Read(TitleValueName(i));
        if (title.IsEmpty()) continue;  // no readable title: no entry
        if (IsOnlyNuls(title.ToText())) {
            dropped = true;
            continue;
        }
        m_.ApplicationsList.push_back(TitleFromStored(title.ToText()));
        m_.EntryIcons.push_back(IconFromStored(key.Read(IconValueName(i)).ToText()));
    }
    return dropped;
}

void SettingsStore::SaveRegEdit() {
    int count = static_cast<int>(m_.ApplicationsList.size());
    CreateKey(reg_, kHkeyCurrentUser, kSettingsKey);
    RegistryKey key(reg_, kHkeyCurrentUser, kSettingsKey);
    if (!key.IsOpen()) return;
    StoredNames names(key);
    int oldCount = StoredCount(key, names);

    key.Write(u"RT", m_.TimeScroll, kRegSz);
    key.Write(u"HIDE", m_.chkHide, kRegSz);
    key.Write(u"HIDEDATE", m_.chkHideDate, kRegSz);
    key.Write(u"SINGLE", m_.chkSingleClick, kRegSz);
    // Overwriting in place keeps every index readable; the count changes only afterwards,
    // and the values beyond it go from the top down.
    for (int i = 0; i < count; ++i) {
        key.Write(TitleValueName(i), m_.ApplicationsList[i], kRegSz);
        key.Write(IconValueName(i), i < static_cast<int>(m_.EntryIcons.size()) ? m_.EntryIcons[i] : Text(), kRegSz);
    }
    key.Write(u"EOF", count, kRegSz);
    for (int i = oldCount - 1; i >= count; --i) {
        for (const Text& name : {TitleValueName(i), IconValueName(i)}) {
            if (names.Has(name)) key.Remove(name);
        }
    }
}

void SettingsStore::chkAuto_Click() {
    if (m_.chkAutoTag == kUpdateTag) return;
    if (m_.chkAuto == 0)
        RemoveRunValue(reg_);
    else
        WriteRunValue(reg_, programPath_);
}

void SettingsStore::SetChkAuto(int value) {
    if (value == m_.chkAuto || !SettingsModel::SetCheck(m_.chkAuto, value)) return;
    chkAuto_Click();
}

int SettingsStore::ReadHeight() {
    std::optional<std::int16_t> h = ParseInt16(ReadValue(reg_, kHkeyCurrentUser, kSettingsKey, u"Height").ToText());
    return h && *h > 0 ? *h : kDefaultHeight;
}

void SettingsStore::SaveHeight(int twips) {
    Text number = DecimalText(twips);
    WriteValue(reg_, kHkeyCurrentUser, kSettingsKey, u"Height", twips < 0 ? number : u" " + number, kRegSz);
}

}  // namespace hw
