#pragma once
// Settings planted in the simulated registry, as an earlier run of Hidewell left them.
#include <vector>

#include "fakes/MemoryRegistry.h"
#include "settings/SettingsLayout.h"

namespace hw::test {

using Entries = std::vector<Entry>;

inline void PlantSetting(MemoryRegistry& reg, const Text& name, const Text& text, bool terminator = false) {
    reg.PlantText(kHkeyCurrentUser, kSettingsKey, name, text, terminator);
}

// The entries with their count; the first-start question answered. The options are the
// defaults, unless the settings are older than "SINGLE", which have none of them.
inline void PlantEntries(MemoryRegistry& reg, const Entries& entries, bool old = false) {
    PlantSetting(reg, kFirstStartRecord, u"1");
    for (const OptionSetting& setting : kOptionSettings)
        if (std::optional<Text> text = StoredOption(setting, OptionValues{}); text && !old) PlantSetting(reg, setting.name, *text);
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (const EntrySetting& setting : kEntrySettings)
            if (std::optional<Text> text = StoredEntryValue(setting, entries[i]))
                PlantSetting(reg, EntryValueName(setting, static_cast<int>(i)), *text);
    PlantSetting(reg, kCountValueName, DecimalText(static_cast<int>(entries.size())));
}

}  // namespace hw::test
