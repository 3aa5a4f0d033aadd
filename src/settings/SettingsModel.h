#pragma once
// The settings as the main window holds them: the application entries and the option holders.
#include <vector>

#include "platform/Types.h"

namespace hw {

struct SettingsModel {
    // Title patterns, one per entry, and beside them the entries' icon references
    // (the empty text: the entry's windows get no tray icon).
    std::vector<Text> ApplicationsList;
    std::vector<Text> EntryIcons;

    int TimeScroll = 3000;   // poll interval in milliseconds, 1 to 10000
    int chkAuto = 0;         // start with Windows; check boxes: 0 unchecked, 1 checked, 2 greyed
    int chkHide = 0;         // hide the own tray icon while application icons are shown
    int chkHideDate = 0;     // hide the date icon
    int chkSingleClick = 0;  // a single click restores a window
    Text chkAutoTag;         // "Update" while loading, so the Run value is not written back

    // The holders take only what their controls accept; other values leave them as they were.
    // chkAuto is set through SettingsStore::SetChkAuto, which applies the change.
    bool SetTimeScroll(int value) {
        if (value < 1 || value > 10000) return false;
        TimeScroll = value;
        return true;
    }
    static bool SetCheck(int& box, int value) {
        if (value < 0 || value > 2) return false;
        box = value;
        return true;
    }
};

}  // namespace hw
