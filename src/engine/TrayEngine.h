#pragma once
// The tray engine: the façade the program and its windows use. It holds the rooms of the
// engine and takes the platform's events:
// - the ledger (Ledger, with LedgerIcons and IconNotices): the hidden windows by slot, their
//   icons, the journal and the rescue after a crash;
// - the window actions (WindowActions): what the menus, the task list and the command line see
//   of the ledger and do to its windows;
// - the poll and match (Poller): the tick, reported minimises, Suspend, the appear rule;
// - hiding by hand (HandHiding) and the hotkeys (Hotkeys);
// - the settings' one path (SettingsPath).
#include "common/CommandInbox.h"
#include "common/QuitReason.h"
#include "engine/HandHiding.h"
#include "engine/Hotkeys.h"
#include "engine/Ledger.h"
#include "engine/Poller.h"
#include "engine/SettingsPath.h"
#include "engine/WindowActions.h"
#include "platform/WindowEvents.h"

namespace hw {

inline const Text kNoEntriesMessage =
    u"Hidewell needs at least one Program Title to allow Minimizing to the System Tray";
inline const Text kUnknownCaptionMessage = u"Error 909745";

class TrayEngine : public WindowEventSink {
public:
    explicit TrayEngine(Platform& platform);
    TrayEngine(const TrayEngine&) = delete;
    TrayEngine& operator=(const TrayEngine&) = delete;

    // Loads the settings, puts the own icon up, rescues what a dead run left hidden and starts
    // polling; withWindows: Hidewell starts with Windows, so the windows open now count as
    // appearing.
    void Start(bool withWindows = false);
    // Ends Hidewell's work: saves (telling the user when that fails, unless the session ends),
    // brings hidden windows back unless the session ends, and removes every icon.
    void Quit(QuitReason reason);

    // The platform's events.
    void PollTick() { poller_.PollTick(); }
    void OnWindowEvent(WindowEvent event, WindowHandle window) override { poller_.OnWindowEvent(event, window); }
    void OnOwnIconEvent(int message) { windows_.OnOwnIconEvent(message); }
    void OnWindowIconEvent(int slot, int message) { windows_.OnWindowIconEvent(slot, message); }
    void OnHotkey(int id) { hotkeys_.OnHotkey(id); }
    // The taskbar was re-created: every icon that was shown is added again. A tick also finds
    // a shell that lost the icons without telling, and does the same.
    void OnTaskbarCreated() { ledger_.Icons().Readd(); }
    // The notification area's icon size changed (DPI or settings): every icon gets its
    // picture again, drawn at the new size.
    void OnIconSizeChanged() { ledger_.Icons().Redraw(); }
    // A restore or close of the command inbox, carried out now: done (a restored window shows
    // now), asked (its program has not shown it yet), or no hidden window has the caption (told
    // in a box only to a caller that gets no answer, one box at a time).
    enum class InboxOutcome { Done, Asked, NotFound };
    InboxOutcome OnInboxRequest(const InboxRequest& request, bool callerAnswered);
    // A tick or a window operation runs: a request that came in the middle of it (while
    // Hidewell waits on another program) must not change the ledger.
    bool Busy() const { return activity_.Busy(); }

    // The rooms, for the windows that need them.
    Ledger& Records() { return ledger_; }
    WindowActions& Windows() { return windows_; }
    Poller& Poll() { return poller_; }
    HandHiding& Hand() { return hand_; }
    Hotkeys& Keys() { return hotkeys_; }
    SettingsPath& Config() { return config_; }

private:
    Platform& platform_;
    Settings settings_;
    Activity activity_;
    // Every window is seen through its facts, and meets the entries in the matcher only.
    WindowReader reader_;
    EntryMatcher matcher_;
    Ledger ledger_;
    WindowActions windows_;
    Poller poller_;
    HandHiding hand_;
    Hotkeys hotkeys_;
    SettingsPath config_;
    // A box about an unknown caption is up.
    bool unknownCaptionBoxUp_ = false;
};

}  // namespace hw
