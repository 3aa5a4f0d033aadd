#pragma once
// Entries that hide a window as soon as it appears, kept from fighting the user. A window
// appears for its first seconds after it is first seen: a caption it takes within them counts
// (a program that sets its title after showing), a later one does not (a browser tab switched
// to a matching page). Windows already open when the watch begins appear only when Hidewell
// starts with Windows. A window the rule hid, or that the user brought back, is not taken
// again while it exists; the latter is remembered in the journal's volatile key, so that a
// restart within the Windows session leaves it alone too.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/HiddenJournal.h"
#include "engine/WindowFacts.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Log.h"
#include "platform/Ui.h"
#include "platform/WindowEvents.h"
#include "settings/Settings.h"

namespace hw {

// How long a window counts as appearing after it is first seen.
constexpr std::uint64_t kAppearingMs = 10000;
inline const Text kAppearWatchFailure = u"Hidewell could not watch for new windows";
inline const Text kShellNoticesFailure =
    u"Hidewell could not register for the shell's notices of new windows; it watches shown windows instead";

class AppearRule {
public:
    AppearRule(Desktop& desktop, Clock& clock, HiddenJournal& journal, Log& log, Ui& ui);

    // Hidewell starts on these entries: started with Windows, the windows open now count as
    // appearing. The windows the user brought back in this Windows session are read back.
    void Start(bool withWindows, const std::vector<Entry>& entries);
    // Where windows made or shown are asked for (none until given).
    void SetWatch(CaptionWatch* watch);
    // Windows are watched while an entry hides them as soon as they appear; the windows open
    // when that begins do not appear. A watch that cannot be had is logged, and told when the
    // user has just saved the entries.
    void FollowEntries(const std::vector<Entry>& entries, bool userAsked);
    bool Watching() const { return watching_; }

    // A window reported made or shown: true when it is appearing, worth a tick now.
    bool OnAppeared(WindowHandle h);
    // In its first seconds and not left alone: a caption change of it may make an entry take it.
    bool Appearing(WindowHandle h) const;
    // At each tick, before the entries meet the windows: learns the windows of the scan and
    // forgets those that are gone.
    void Observe(const std::vector<WindowFacts>& scan);
    // The rule hid the window; the user brought a window back (remembered for the session).
    void Took(const WindowFacts& w);
    void BroughtBack(WindowHandle h);
    // Adds the processes whose caption changes are wanted: those of appearing windows, unless
    // the shell tells every caption change anyway.
    void AddCaptionProcesses(std::vector<std::uint32_t>& processes) const;

private:
    struct Seen {
        std::uint32_t processId = 0;
        std::uint64_t firstMs = 0;
        bool old = false;  // open before the watch began
        std::uint64_t round = 0;  // the last scan that listed it
    };
    struct LeftAlone {
        std::uint32_t processId = 0;
        bool remembered = false;  // in the journal's key
    };
    bool Appearing(const Seen& seen, std::uint64_t now) const {
        return !seen.old && now - seen.firstMs < kAppearingMs;
    }
    // Turns the platform's watch on or off as watching_ says.
    void FollowWatch(bool userAsked);

    Desktop& desktop_;
    Clock& clock_;
    HiddenJournal& journal_;
    Log& log_;
    Ui& ui_;
    CaptionWatch* watch_ = nullptr;
    bool watching_ = false;  // an entry hides windows as they appear
    bool watchAsked_ = false;  // the watch was turned on
    bool shellTellsCaptions_ = false;
    bool startedWithWindows_ = false;  // until the watch first begins
    std::uint64_t round_ = 0;
    // Windows seen while watching, by handle.
    std::unordered_map<WindowHandle, Seen> seen_;
    // Windows no appear rule takes again while they exist.
    std::unordered_map<WindowHandle, LeftAlone> leftAlone_;
};

}  // namespace hw
