#pragma once
// The settings' one path: loading and saving them, the window height, the Run value, and the
// one way changed settings (Options, Undo, Refresh, edited entries) take effect.
#include <cstdint>
#include <vector>

#include "engine/Hotkeys.h"
#include "engine/Poller.h"
#include "settings/SettingsStore.h"

namespace hw {

inline const Text kSaveFailedMessage = u"Hidewell could not save its settings in the registry.";

class SettingsPath {
public:
    SettingsPath(Platform& platform, Settings& settings, Activity& activity, WindowReader& reader, EntryMatcher& matcher,
                 Ledger& ledger, Poller& poller, Hotkeys& hotkeys, HandHiding& hand);
    SettingsPath(const SettingsPath&) = delete;
    SettingsPath& operator=(const SettingsPath&) = delete;

    // The settings as they are now, read by the windows.
    const Settings& Current() const { return settings_; }
    // Loads the stored settings, as Hidewell starts.
    void Load() { store_.Load(); }
    // Loads the stored settings again (Undo); entries and options take effect.
    void Reload();
    // Stores the settings; false when a value could not be written.
    bool Save() { return store_.Save(); }
    // Where the settings are kept: the registry key, or a portable copy's settings file.
    Text Place() { return platform_.registry.Place(kHkeyCurrentUser, kSettingsKey); }
    // The configuration window's height, and the registry's status of its write.
    int ReadHeight() { return store_.ReadHeight(); }
    std::int32_t SaveHeight(int twips) { return store_.SaveHeight(twips); }

    // The entries as the configuration window edited them: the next tick matches with them;
    // they take effect on the windows in the ledger at RefreshAll.
    void SetEntries(std::vector<Entry> entries) { settings_.entries = std::move(entries); }
    // The options, as the options dialog sets them: the Run value, and all the others, which
    // take effect through SettingsChanged.
    bool SetStartWithWindows(bool on) { return store_.SetStartWithWindows(on); }
    void ApplyOptions(const OptionValues& options);
    // The one path by which changed settings take effect: windows that still match keep their
    // slot and icon, the others are shown again at once; the date icon is taken away now or
    // rebuilt, the own icon reconsidered; polling restarts at once unless suspended.
    void SettingsChanged();
    // The user asked for a refresh: polling resumes, and the settings take effect again.
    void RefreshAll();

private:
    Platform& platform_;
    Settings& settings_;
    SettingsStore store_;
    Activity& activity_;
    WindowReader& reader_;
    EntryMatcher& matcher_;
    Ledger& ledger_;
    Poller& poller_;
    Hotkeys& hotkeys_;
    HandHiding& hand_;
};

}  // namespace hw
