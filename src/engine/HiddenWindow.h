#pragma once
// The ledger's record of one window Hidewell has asked to hide: everything kept about it from
// the request until it is shown again or gone.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/HiddenWindowActions.h"
#include "engine/TrayIcon.h"
#include "ui/IconPicture.h"

namespace hw {

// How far the hide has come: asked (the window's program has not carried it out yet: busy
// or hung), or seen hidden.
enum class HideState { Asked, Hidden };

struct HiddenWindow {
    explicit HiddenWindow(Icons& icons) : picture(icons) {}

    RecordId id = 0;
    WindowHandle window;
    // Who the window was when hidden, so that a handle given to a new window is not taken
    // for it.
    std::uint32_t processId = 0;
    Text className;
    Text program;  // its program's file name, as entries by program see it
    Text programPath;  // in full: its icon stands for a window that shows none
    // The caption it had when it was hidden (the own menu's item), and the caption the last
    // tick saw (the tip, and the inbox's second way to find it).
    Text caption;
    Text currentCaption;
    // Its tray icon with its receiver, and the picture the icon shows; no icon when its entry
    // has none.
    std::unique_ptr<TrayIcon> icon;
    IconPicture picture;
    // The entry's icon reference, for drawing the picture again at another size.
    Text iconReference;
    HideState state = HideState::Asked;
    // Hidden by a rule, or by hand (hotkey, command line), which no entry needs to match.
    HideKind kind = HideKind::Rule;
    // It was shown when hidden, so it was asked to minimise first; until its program gets to
    // that, it is not taken for restored.
    bool minimiseAsked = false;
    // Ticks that found the hide still not carried out; the first few come soon.
    int checks = 0;
    // The user asked for the window back; it leaves the ledger once it shows not minimised,
    // and nothing hides it again before that.
    bool restoreAsked = false;
    // Hidewell asked for it to be shown again (no entry takes it any more, Refresh, a failed
    // icon); it leaves the ledger once Windows takes the request.
    bool leaving = false;
    // Windows refused the last request to show it (its program's message queue is full): the
    // request is made again at the next tick, and logged once.
    bool showRefused = false;

    WindowRef Ref() const { return {id, window}; }
};

// The ledger's records by slot (the number of the icon's receiver), in slot order.
using SlotMap = std::map<int, HiddenWindow>;

}  // namespace hw
