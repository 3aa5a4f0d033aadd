#pragma once
// The journal of hidden windows: one record per window Hidewell has hidden, kept in a
// volatile registry key, so that a start after a crash can bring back what the dead process
// left hidden. Volatile keys survive a crash but not a logoff, exactly like window handles.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Registry.h"

namespace hw {

struct JournalRecord {
    WindowHandle window;
    std::uint32_t processId = 0;
    // The Windows session of the Hidewell that hid it; 0 in records that do not say.
    std::uint32_t session = 0;
    Text className;
    Text caption;

    bool operator==(const JournalRecord&) const = default;
};

// A record's stored text: "<process id> s<session> <class length> <class><caption>"; records
// without the session part are read as well.
Text EncodeJournalRecord(const JournalRecord& record);
// The record from a value's name (the window handle in decimal) and text; nothing when
// either is damaged.
std::optional<JournalRecord> DecodeJournalRecord(const Text& name, const Text& text);

class HiddenJournal {
public:
    // keyPath: the journal's key under HKCU.
    HiddenJournal(Registry& registry, Text keyPath);

    // Each reports false when the registry refused; a journal that cannot be written only
    // costs the rescue after a crash. The key is created volatile by the first record.
    bool Add(const JournalRecord& record);
    bool Remove(WindowHandle window);
    // Every readable record, by window handle; damaged ones are skipped.
    std::vector<JournalRecord> Read();

    // Windows the user brought back, which no appear rule takes again in this Windows session:
    // kept beside the records, named by the handle after the letter "r", which readers of the
    // records skip.
    bool AddBroughtBack(const JournalRecord& record) { return Add(record, kBroughtBack); }
    bool RemoveBroughtBack(WindowHandle window) { return Remove(window, kBroughtBack); }
    std::vector<JournalRecord> ReadBroughtBack() { return Read(kBroughtBack); }

private:
    static constexpr const char16_t* kBroughtBack = u"r";
    bool Add(const JournalRecord& record, const Text& prefix);
    bool Remove(WindowHandle window, const Text& prefix);
    std::vector<JournalRecord> Read(const Text& prefix);

    Registry& reg_;
    Text path_;
};

}  // namespace hw
