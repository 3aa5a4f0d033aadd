#pragma once
// Settings planted in the simulated registry, as an earlier run of Hidewell left them.
#include <utility>
#include <vector>

#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"

namespace hw::test {

using Entries = std::vector<std::pair<Text, Text>>;

inline void PlantSetting(MemoryRegistry& reg, const Text& name, const Text& text, bool terminator = false) {
    reg.PlantText(kHkeyCurrentUser, kSettingsKey, name, text, terminator);
}

// The entries (title, icon reference) with their count; the first-start question answered.
// Settings older than "SINGLE" lack it.
inline void PlantEntries(MemoryRegistry& reg, const Entries& entries, bool old = false) {
    PlantSetting(reg, kFirstStartRecord, u"1");
    if (!old) PlantSetting(reg, u"SINGLE", u"0");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        PlantSetting(reg, TitleValueName(static_cast<int>(i)), entries[i].first);
        PlantSetting(reg, IconValueName(static_cast<int>(i)), entries[i].second);
    }
    PlantSetting(reg, u"EOF", DecimalText(static_cast<int>(entries.size())));
}

}  // namespace hw::test
