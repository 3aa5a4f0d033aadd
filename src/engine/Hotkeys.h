#pragma once
// The global hotkeys: hide the window in front, bring back the last one, open the own menu.
#include <cstdint>
#include <iterator>

#include "engine/HandHiding.h"
#include "settings/Hotkey.h"

namespace hw {

// The hotkeys' ids with the host, by action, and the id of a combination only tried.
inline int HotkeyId(HotkeyAction action) { return static_cast<int>(action) + 1; }
constexpr int kHotkeyTrialId = 4;
// The heading of the start-up message for this many hotkeys that failed and that work.
Text HotkeyFailureHeading(int failed, int working);

class Hotkeys {
public:
    Hotkeys(Platform& platform, const Settings& settings, HandHiding& hand);

    // Registers each hotkey whose combination changed, each on its own, and tells the user
    // once of those that failed and why.
    void Register();
    // Sets the hotkeys aside (while the options dialog takes combinations) or registers them
    // again.
    void SetAside(bool aside);
    // Lets go of every hotkey held, as Hidewell ends.
    void ReleaseAll();
    // Whether the combination could be registered now (0) or the platform's error; one that
    // Hidewell holds already counts as free.
    std::uint32_t Try(const Hotkey& hotkey);
    // A registered hotkey was pressed (its id with the host).
    void OnHotkey(int id);

private:
    Platform& platform_;
    const Settings& settings_;
    HandHiding& hand_;
    // Each hotkey's combination as last registered or tried, and whether it is held.
    Text tried_[std::size(kHotkeyActions)];
    bool held_[std::size(kHotkeyActions)] = {};
    bool aside_ = false;
};

}  // namespace hw
