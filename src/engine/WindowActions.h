#pragma once
// What can be done to one window in the ledger, and what the views see of it: restore it,
// close it, send it a system command, a click on its icon or on the own icon. Each is the one
// way for the popups, the own menu, the task list and the command line.
#include <optional>
#include <vector>

#include "engine/Ledger.h"

namespace hw {

// How soon after a hide request the next tick checks whether the window went.
constexpr int kHideCheckMs = 250;

class WindowActions : public HiddenWindowActions {
public:
    WindowActions(Platform& platform, const Settings& settings, Activity& activity, Ledger& ledger);

    // The ledger in slot order, as the views show it.
    std::vector<HiddenWindowView> HiddenWindows() const override;
    int HiddenCount() const { return static_cast<int>(ledger_.Slots().size()); }
    // The record behind a slot's icon now, for the popup built for it.
    std::optional<HiddenWindowView> SlotView(int slot) const;
    // The record with this caption (when hidden or now), lowest slot first.
    std::optional<WindowRef> FindByCaption(const Text& caption) const;
    // The title of a record's popup: its tip up to the NUL, cut to 30 characters, trimmed.
    Text PopupTitle(const WindowRef& ref) const;

    // Restore: brings the window back to the front (it leaves the ledger once it shows).
    // Close: shows the window and asks it to close; it leaves the ledger at once.
    bool Restore(const WindowRef& ref) override;
    bool Close(const WindowRef& ref) override;
    // A mirrored system-menu item of a popup: the window gets its own command and is hidden
    // again if it stays minimised.
    void RunMirroredCommand(const WindowRef& ref, std::uint32_t command);

    // Mouse messages (the low word of the callback's lParam) of the own icon and of a slot's
    // icon. A click that selects an icon has already acted as a mouse button by the time the
    // shell reports the selection (Select).
    void OnOwnIconEvent(int message);
    void OnWindowIconEvent(int slot, int message);

private:
    Platform& platform_;
    const Settings& settings_;
    Activity& activity_;
    Ledger& ledger_;
};

}  // namespace hw
