#pragma once
// Hiding by hand: the window in front, one named by its caption, the first window of a
// process, or one whose minimise button was right-clicked is hidden whatever its caption,
// until the user brings it back; the last one hidden comes back first.
#include <cstdint>

#include "engine/RightClickHiding.h"
#include "engine/WindowActions.h"

namespace hw {

inline const Text kRightClickFailure = u"Hidewell could not watch for right clicks on minimise buttons";

class HandHiding {
public:
    HandHiding(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader, Ledger& ledger,
               WindowActions& windows);

    // The window in front, or the first shown top-level window with the caption. False when
    // there is no such window, or it cannot be hidden.
    bool HideForeground();
    bool HideByCaption(const Text& caption);
    bool HideByHand(WindowHandle h);
    // The first shown, titled, unowned window of the process that Hidewell may hide; false
    // while it has none.
    bool HideFirstWindowOf(std::uint32_t processId);
    // What a hide by hand would make of the window now (a right click on its minimise
    // button asks before taking the click), and the notice of one that is refused.
    HandHide JudgeHandHide(WindowHandle h);
    void TellHandHideRefused(WindowHandle h);
    // Brings back the window hidden last that is not on its way back already; false when none.
    bool RestoreLast();
    // Installs or removes the right-click hook as the option says; a failure is logged and,
    // when the user has just turned the option on, told.
    void FollowRightClickOption(bool userAsked);

private:
    bool HideManually(const WindowFacts& w);
    // The window at the top of h's chain of owners: what a hide by hand takes.
    WindowHandle RootOwner(WindowHandle h);

    Platform& platform_;
    const Settings& settings_;
    Activity& activity_;
    WindowReader& reader_;
    Ledger& ledger_;
    WindowActions& windows_;
    bool rightClickHooked_ = false;
};

}  // namespace hw
