#pragma once
// Hidewell's settings as the program holds them: the entries and the options.
#include <vector>

#include "platform/Types.h"

namespace hw {

// One application entry: the caption pattern, the icon reference of the tray icon its
// windows get (empty: they are hidden without an icon), and when its windows are hidden.
struct Entry {
    Text titlePattern;
    Text iconReference;
    // As soon as a window appears; otherwise when it is minimised.
    bool hideOnAppear = false;
    bool operator==(const Entry&) const = default;
};

constexpr int kDefaultPollIntervalMs = 3000;
constexpr int kMaxPollIntervalMs = 10000;

// The global hotkeys, by what they do.
enum class HotkeyAction { Hide, Restore, Menu };
constexpr HotkeyAction kHotkeyActions[] = {HotkeyAction::Hide, HotkeyAction::Restore, HotkeyAction::Menu};

// The options, as the options dialog edits them.
struct OptionValues {
    bool startWithWindows = false;
    bool hideOwnIcon = false;  // while application icons are shown
    bool hideDateIcon = false;
    bool singleClickRestores = false;
    // A right click on a window's minimise button (or a Shift+right click on its title bar)
    // hides it by hand. On for a new installation; settings stored before the option existed
    // load it off.
    bool rightClickHides = true;
    int pollIntervalMs = kDefaultPollIntervalMs;  // 1 to kMaxPollIntervalMs
    // Hotkeys as text (settings/HotkeyText.h): canonical when readable, as stored otherwise;
    // empty for none.
    Text hotkeyHide;
    Text hotkeyRestore;
    Text hotkeyMenu;

    Text& HotkeyOf(HotkeyAction action) {
        return action == HotkeyAction::Hide ? hotkeyHide : action == HotkeyAction::Restore ? hotkeyRestore : hotkeyMenu;
    }
    const Text& HotkeyOf(HotkeyAction action) const { return const_cast<OptionValues*>(this)->HotkeyOf(action); }

    // Takes only intervals the poll timer accepts; false leaves it as it was.
    bool SetPollInterval(int ms) {
        if (ms < 1 || ms > kMaxPollIntervalMs) return false;
        pollIntervalMs = ms;
        return true;
    }
    bool operator==(const OptionValues&) const = default;
};

struct Settings : OptionValues {
    std::vector<Entry> entries;
    bool operator==(const Settings&) const = default;
};

}  // namespace hw
