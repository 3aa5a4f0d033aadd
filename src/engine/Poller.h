#pragma once
// The poll and the match: the poll timer's tick, which checks every record in the ledger and
// hides newly minimised windows an entry takes; minimises and caption changes the platform
// reports; Suspend; and the appear rule (windows hidden as soon as they appear).
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/Ledger.h"
#include "platform/WindowEvents.h"

namespace hw {

constexpr int kFirstTickMs = 2000;
// A minimise reported by the platform is acted on this soon, so that a burst of events
// makes one tick.
constexpr int kEventTickMs = 10;
// How many early checks (kHideCheckMs apart) a window just asked to hide gets before it is
// checked at the user's interval.
constexpr int kEarlyHideChecks = 8;
// At most this many minimises reported while a tick runs are taken when it ends.
constexpr std::size_t kMaxReportedInTick = 64;
// The number the message of a tick that found more windows than a scan holds begins with.
constexpr int kCrowdedDesktopNumber = 6;

class Poller {
public:
    Poller(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader,
           EntryMatcher& matcher, Ledger& ledger);
    Poller(const Poller&) = delete;
    Poller& operator=(const Poller&) = delete;

    // The first tick comes after a short delay; each tick then sets the chosen interval.
    void Start();
    // The poll timer's tick: checks the ledger, hides newly minimised matching windows.
    void PollTick();
    // A window was minimised (a tick follows shortly, unless one runs or polling is off),
    // appeared, or changed its caption (a hidden window's tip follows at once).
    void OnWindowEvent(WindowEvent event, WindowHandle window);
    void SetPolling(bool on);
    // Polling restarts at once.
    void Resume();
    void ToggleSuspend();
    bool Suspended() const { return activity_.suspended; }
    // Where caption changes are asked for (none until the program gives one).
    void SetCaptionWatch(CaptionWatch* watch) {
        captionWatch_ = watch;
        ledger_.Appear().SetWatch(watch);
    }

private:
    void RunTick();
    // Checks one record at a tick; false when the walk must stop (a window operation runs).
    bool CheckRecord(int slot, HiddenWindow& record);
    void FollowCaption(HiddenWindow& record, const Text& caption);
    // A minimise the platform reported: the window is matched and hidden at once, with only
    // its journal record before the request. False when it is not hidden now.
    bool HideReportedMinimise(WindowHandle window);
    // More windows than a scan holds: the user is told, polling stops, and every window in
    // the ledger is shown again rather than left without a way back.
    void StopOnCrowdedDesktop();

    // The user brought the window back: no appear rule takes it again.
    void LeaveToTheUser(WindowHandle h) { ledger_.Appear().BroughtBack(h); }
    // The caption watch follows the processes that own windows in the ledger or windows that
    // appear and may still match.
    void WatchLedgerCaptions();

    Platform& platform_;
    const Settings& settings_;
    Activity& activity_;
    WindowReader& reader_;
    EntryMatcher& matcher_;
    Ledger& ledger_;
    std::vector<WindowFacts> scan_;  // kept between ticks to reuse its storage
    // Windows reported minimised while a tick ran, taken when it ends.
    std::vector<WindowHandle> reportedInTick_;
    CaptionWatch* captionWatch_ = nullptr;
    std::vector<std::uint32_t> watchedProcesses_;
};

}  // namespace hw
