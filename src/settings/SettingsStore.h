#pragma once
// Loads and saves the settings (layout in SettingsLayout.h) between the registry and the
// main window's SettingsModel, and applies a change of the start-with-Windows box.
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "settings/SettingsModel.h"

namespace hw {

inline const Text kAutoLoadQuestion = u"Do you wish to Auto Load Hidewell on Startup?";
inline const Text kOutOfDateMessage = Text(u"Youre System has an out of Date Registry Setting") + u"\r" +
                                      u"And has been updated";
constexpr int kDefaultHeight = 4230;

class SettingsStore {
public:
    // programPath: the running program's full path, for the Run value.
    SettingsStore(Registry& reg, Ui& ui, SettingsModel& model, Text programPath);

    // Fills the model from the registry. Asks the start-with-Windows question on the first
    // start, wraps titles in "*" for settings older than "SINGLE", drops entries whose title
    // is a NUL character (telling the user once) and saves at once after either. Values it
    // cannot use leave the holders as they were; an index without a readable title is no
    // entry, and a damaged "EOF" is replaced by the stored titles themselves. The caller
    // resets the slot counter to "0" and applies TimeScroll to the poll timer.
    void LoadRegEdit();

    // Writes the model. The new entries go first, then "EOF", then the stale entries beyond
    // the new count are removed, so a save cut short leaves the old or the new entries readable.
    void SaveRegEdit();

    // Writes or removes the Run value for chkAuto, unless chkAutoTag is "Update".
    void chkAuto_Click();

    // Sets chkAuto (0, 1 or 2; others are ignored) and runs chkAuto_Click when it changes.
    void SetChkAuto(int value);

    // Height of the configuration window in twips; kDefaultHeight when none is stored.
    int ReadHeight();
    void SaveHeight(int twips);

private:
    void AskFirstStart();
    void LoadOptions();
    // True when an entry was dropped.
    bool LoadEntries();

    Registry& reg_;
    Ui& ui_;
    SettingsModel& m_;
    Text programPath_;
};

}  // namespace hw
