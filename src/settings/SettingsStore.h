#pragma once
// Loads and saves the settings (layout in SettingsLayout.h) between the registry and the
// program's Settings, and writes the start-with-Windows value.
#include "platform/Log.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "settings/Settings.h"

namespace hw {

inline const Text kAutoLoadQuestion = u"Do you wish to Auto Load Hidewell on Startup?";
inline const Text kOutOfDateMessage = Text(u"Youre System has an out of Date Registry Setting") + u"\r" +
                                      u"And has been updated";
inline const Text kRunValueFailedMessage = u"The start-with-Windows setting could not be changed in the registry.";
// Height of the configuration window in twips when none is stored.
constexpr int kDefaultHeightTwips = 4230;

class SettingsStore {
public:
    // programPath: the running program's full path, for the Run value. Values that cannot be
    // written or removed are logged.
    SettingsStore(Registry& reg, Ui& ui, Log& log, Settings& settings, Text programPath);

    // Fills the settings from the registry. Asks the start-with-Windows question on the first
    // start, wraps titles in "*" for settings older than "SINGLE", drops entries whose title
    // is only NUL characters (telling the user once) and saves at once after either. Values it
    // cannot use leave the settings as they were; an index without a readable title is no
    // entry, and a damaged "EOF" is replaced by the stored titles themselves.
    void Load();

    // Writes the settings. The new entries go first, then "EOF", then the stale entries beyond
    // the new count are removed, so a save cut short leaves the old or the new entries readable.
    // False when a value could not be written.
    bool Save();

    // Writes or removes the Run value and records the option. False when the registry refused:
    // the option then keeps what is really stored.
    bool SetStartWithWindows(bool on);

    // Height of the configuration window in twips; kDefaultHeightTwips when none is stored.
    int ReadHeight();
    // The registry status, 0 when the height was written.
    std::int32_t SaveHeight(int twips);

private:
    void AskFirstStart();
    void LoadOptions();
    // True when an entry was dropped.
    bool LoadEntries();

    Registry& reg_;
    Ui& ui_;
    Log& log_;
    Settings& settings_;
    Text programPath_;
};

}  // namespace hw
