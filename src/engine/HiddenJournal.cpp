#include "engine/HiddenJournal.h"

#include <algorithm>
#include <utility>

#include "common/NumericParse.h"
#include "settings/RegistryStore.h"

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

bool HiddenJournal::Add(const JournalRecord& record) { return Add(record, u""); }

bool HiddenJournal::Remove(WindowHandle window) { return Remove(window, u""); }

std::vector<JournalRecord> HiddenJournal::Read() { return Read(u""); }

bool HiddenJournal::Add(const JournalRecord& record, const Text& prefix) {
    if (CreateKey(reg_, kHkeyCurrentUser, path_, KeyLife::Volatile) != kErrorSuccess) return false;
    return WriteValue(reg_, kHkeyCurrentUser, path_, prefix + DecimalText(static_cast<std::int64_t>(record.window.Value())),
                      EncodeJournalRecord(record), kRegSz) == kErrorSuccess;
}

bool HiddenJournal::Remove(WindowHandle window, const Text& prefix) {
    RegistryKey key(reg_, kHkeyCurrentUser, path_);
    if (!key.IsOpen()) return true;  // no journal: nothing to remove
    std::int32_t status = key.Remove(prefix + DecimalText(static_cast<std::int64_t>(window.Value())));
    return status == kErrorSuccess || status == kErrorFileNotFound;
}

std::vector<JournalRecord> HiddenJournal::Read(const Text& prefix) {
    std::vector<JournalRecord> records;
    RegistryKey key(reg_, kHkeyCurrentUser, path_);
    std::optional<std::vector<Text>> names = key.ValueNames();
    if (!names) return records;
    for (const Text& name : *names) {
        if (!StartsWith(name, prefix)) continue;
        // A value of another type reads as its digits, which no record is.
        Text text = key.Read(name).ToText();
        while (!text.empty() && text.back() == u'\0') text.pop_back();  // a terminator
        if (std::optional<JournalRecord> r = DecodeJournalRecord(name.substr(prefix.size()), text))
            records.push_back(std::move(*r));
    }
    std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.window < b.window; });
    return records;
}

}  // namespace hw
