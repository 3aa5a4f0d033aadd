#include "engine/HiddenJournal.h"

#include <algorithm>
#include <utility>

#include "common/NumericParse.h"

namespace hw {

namespace {

// Plain decimal digits only, as the journal writes them; nothing for anything else.
std::optional<std::uint64_t> Digits(const Text& text, std::size_t& i) {
    std::uint64_t n = 0;
    std::size_t start = i;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (n > (UINT64_MAX - 9) / 10) return std::nullopt;
        n = n * 10 + (text[i] - u'0');
    }
    if (i == start) return std::nullopt;
    return n;
}

// Whether a value's name starts with the letters, in either case, as the registry compares names.
bool StartsWith(const Text& name, const Text& letters) {
    if (name.size() < letters.size()) return false;
    for (std::size_t i = 0; i < letters.size(); ++i)
        if ((name[i] | 0x20) != (letters[i] | 0x20)) return false;
    return true;
}

// Closes the key when it goes.
struct OpenKey {
    Registry& reg;
    RegKey key;
    ~OpenKey() {
        if (key) reg.CloseKey(key);
    }
};

}  // namespace

Text EncodeJournalRecord(const JournalRecord& r) {
    return DecimalText(r.processId) + u" s" + DecimalText(r.session) + u" " +
           DecimalText(static_cast<std::int64_t>(r.className.size())) + u" " + r.className + r.caption;
}

std::optional<JournalRecord> DecodeJournalRecord(const Text& name, const Text& text) {
    JournalRecord r;
    std::size_t i = 0;
    std::optional<std::uint64_t> window = Digits(name, i);
    if (!window || *window == 0 || i != name.size()) return std::nullopt;
    r.window = WindowHandle{*window};
    i = 0;
    std::optional<std::uint64_t> pid = Digits(text, i);
    if (!pid || *pid > UINT32_MAX || i >= text.size() || text[i++] != u' ') return std::nullopt;
    r.processId = static_cast<std::uint32_t>(*pid);
    if (i < text.size() && text[i] == u's') {
        std::optional<std::uint64_t> session = Digits(text, ++i);
        if (!session || *session > UINT32_MAX || i >= text.size() || text[i++] != u' ') return std::nullopt;
        r.session = static_cast<std::uint32_t>(*session);
    }
    std::optional<std::uint64_t> classLength = Digits(text, i);
    if (!classLength || i >= text.size() || text[i++] != u' ' || *classLength > text.size() - i) return std::nullopt;
    r.className = text.substr(i, *classLength);
    r.caption = text.substr(i + *classLength);
    return r;
}

HiddenJournal::HiddenJournal(Registry& registry, Text keyPath) : reg_(registry), path_(std::move(keyPath)) {}

RegKey HiddenJournal::Open(bool create) {
    RegKey key;
    std::int32_t status = create ? reg_.CreateKeyEx(kHkeyCurrentUser, path_, kRegOptionVolatile, kKeyAccess, key)
                                 : reg_.OpenKeyEx(kHkeyCurrentUser, path_, kKeyAccess, key);
    return status == kErrorSuccess ? key : RegKey{};
}

bool HiddenJournal::Add(const JournalRecord& record) { return Add(record, u""); }

bool HiddenJournal::Remove(WindowHandle window) { return Remove(window, u""); }

std::vector<JournalRecord> HiddenJournal::Read() { return Read(u""); }

bool HiddenJournal::Add(const JournalRecord& record, const Text& prefix) {
    OpenKey k{reg_, Open(true)};
    if (!k.key) return false;
    const Text text = EncodeJournalRecord(record);
    return reg_.SetValueEx(k.key, prefix + DecimalText(static_cast<std::int64_t>(record.window.Value())), kRegSz,
                           reinterpret_cast<const std::uint8_t*>(text.data()),
                           static_cast<std::uint32_t>(text.size() * sizeof(char16_t))) == kErrorSuccess;
}

bool HiddenJournal::Remove(WindowHandle window, const Text& prefix) {
    OpenKey k{reg_, Open(false)};
    if (!k.key) return true;  // no journal: nothing to remove
    std::int32_t status = reg_.DeleteValue(k.key, prefix + DecimalText(static_cast<std::int64_t>(window.Value())));
    return status == kErrorSuccess || status == kErrorFileNotFound;
}

bool HiddenJournal::Clear() {
    OpenKey k{reg_, Open(false)};
    if (!k.key) return true;
    // Deleting shifts the indices down, so the first value is taken each time.
    Text name;
    bool ok = true;
    while (reg_.EnumValue(k.key, 0, name) == kErrorSuccess) {
        if (reg_.DeleteValue(k.key, name) != kErrorSuccess) {
            ok = false;
            break;
        }
    }
    return ok;
}

std::vector<JournalRecord> HiddenJournal::Read(const Text& prefix) {
    std::vector<JournalRecord> records;
    OpenKey k{reg_, Open(false)};
    if (!k.key) return records;
    Text name;
    for (std::uint32_t i = 0; reg_.EnumValue(k.key, i, name) == kErrorSuccess; ++i) {
        if (!StartsWith(name, prefix)) continue;
        std::uint32_t type = 0, size = 0;
        if (reg_.QueryValueEx(k.key, name, &type, nullptr, &size) != kErrorSuccess || type != kRegSz) continue;
        Text text(size / sizeof(char16_t), u'\0');
        std::uint32_t got = static_cast<std::uint32_t>(text.size() * sizeof(char16_t));
        if (reg_.QueryValueEx(k.key, name, &type, reinterpret_cast<std::uint8_t*>(text.data()), &got) !=
            kErrorSuccess)
            continue;
        text.resize(got / sizeof(char16_t));
        while (!text.empty() && text.back() == u'\0') text.pop_back();  // a terminator
        if (std::optional<JournalRecord> r = DecodeJournalRecord(name.substr(prefix.size()), text))
            records.push_back(std::move(*r));
    }
    std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.window < b.window; });
    return records;
}

}  // namespace hw
