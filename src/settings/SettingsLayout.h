#pragma once
// Where the settings live. All values are REG_SZ; numbers are decimal text.
//
// HKCU "Software\Pellworth\Hidewell":
//   "EOF"                        number of entries
//   the values of kOptionSettings, and those of kEntrySettings for each entry
//   "Height"                     configuration window height in twips, " 4230"
//   "ASKED"                      "1" once the start-with-Windows question of the first
//                                start was answered (or settings older than it exist)
//   sub key "Kestle2"            the date add-on's settings
//   volatile sub key "Hidden"    the journal of hidden windows (engine/HiddenJournal.h)
// HKCU "Software\Microsoft\Windows\CurrentVersion\Run", value "Hidewell": start with Windows.
#include <optional>
#include <variant>

#include "common/NumericParse.h"
#include "platform/Types.h"
#include "settings/Settings.h"

namespace hw {

inline const Text kSettingsKey = u"Software\\Pellworth\\Hidewell";
inline const Text kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const Text kRunValueName = u"Hidewell";
inline const Text kFirstStartRecord = u"ASKED";
inline const Text kCountValueName = u"EOF";
inline const Text kDateKeyName = u"Kestle2";
inline const Text kJournalKeyName = u"Hidden";

// How an option is stored: the poll interval in milliseconds; a box, "0" / "1" ("2", greyed,
// reads as off); a hotkey's text, empty or missing for none.
enum class OptionFormat { Interval, Box, Hotkey };

struct OptionSetting {
    const char16_t* name;
    OptionFormat format;
    std::variant<int OptionValues::*, bool OptionValues::*, Text OptionValues::*> field;
};

// Every option with its value name; the defaults are those of OptionValues, except that an
// option missing from settings stored before it existed is off. The Run value holds the
// start-with-Windows option.
inline const OptionSetting kOptionSettings[] = {
    {u"RT", OptionFormat::Interval, &OptionValues::pollIntervalMs},
    {u"HIDE", OptionFormat::Box, &OptionValues::hideOwnIcon},
    {u"HIDEDATE", OptionFormat::Box, &OptionValues::hideDateIcon},
    {u"SINGLE", OptionFormat::Box, &OptionValues::singleClickRestores},
    {u"RightClickHides", OptionFormat::Box, &OptionValues::rightClickHides},
    {u"HotkeyHide", OptionFormat::Hotkey, &OptionValues::hotkeyHide},
    {u"HotkeyRestore", OptionFormat::Hotkey, &OptionValues::hotkeyRestore},
    {u"HotkeyMenu", OptionFormat::Hotkey, &OptionValues::hotkeyMenu},
};

// The option as stored; nothing when the value is left out (no hotkey).
std::optional<Text> StoredOption(const OptionSetting& setting, const OptionValues& options);
// Takes the stored text into the options; false (options untouched) when it cannot be used.
bool LoadOption(const OptionSetting& setting, const Text& stored, OptionValues& options);

// The values of one entry, each named by its prefix and the entry's index (" 0", "I0", "W0",
// "M0"), each bound to its field of Entry.
enum class EntryFormat {
    Title,  // the title pattern; an entry needs one
    Icon,   // the icon reference; empty: no tray icon
    Flag,   // "1": on; absent or anything else: off
    Word    // a word, up to its first NUL; absent or empty: the field's default (empty)
};
struct EntrySetting {
    const char16_t* prefix;
    EntryFormat format;
    std::variant<Text Entry::*, bool Entry::*> field;
};
inline const EntrySetting kEntrySettings[] = {
    {u" ", EntryFormat::Title, &Entry::titlePattern},
    {u"I", EntryFormat::Icon, &Entry::iconReference},
    {u"W", EntryFormat::Flag, &Entry::hideOnAppear},  // hidden as soon as it appears
    {u"M", EntryFormat::Word, &Entry::matchBy},       // what the pattern is matched against
};

inline Text EntryValueName(const EntrySetting& setting, int index) {
    return Text(setting.prefix).append(DecimalText(index));
}
inline Text TitleValueName(int index) { return EntryValueName(kEntrySettings[0], index); }
inline Text IconValueName(int index) { return EntryValueName(kEntrySettings[1], index); }

// The entry's value as stored; nothing when the value is left out (an entry hidden on minimise
// has no "W" value, one matched by caption no "M" value).
std::optional<Text> StoredEntryValue(const EntrySetting& setting, const Entry& entry);
// Takes the stored text into the entry's field.
void LoadEntryValue(const EntrySetting& setting, const Text& stored, Entry& entry);

}  // namespace hw
