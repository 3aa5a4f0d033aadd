#pragma once
// The tray engine: the entries and options, the hidden windows by slot, Hidewell's own icon,
// and the handlers of the poll timer, the tray icons and the command inbox.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "common/CommandInbox.h"
#include "common/QuitReason.h"
#include "engine/DateIconSteps.h"
#include "engine/HiddenJournal.h"
#include "engine/HiddenWindow.h"
#include "engine/TitleMatch.h"
#include "engine/TrayIcon.h"
#include "engine/WindowScan.h"
#include "platform/CaseMapping.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/EngineHost.h"
#include "platform/Icons.h"
#include "platform/Log.h"
#include "platform/NotifyArea.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "platform/WindowEvents.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace hw {

// What the engine needs of the platform.
struct Platform {
    Desktop& desktop;
    NotifyArea& tray;
    Ui& ui;
    EngineHost& host;
    Registry& registry;
    Icons& icons;
    Clock& clock;
    const CaseMapping& caseMapping;
    Text programPath;
    Log& log;
};

inline const Text kOwnTip = Text(u"Hidewell") + u'\0';
inline const Text kNoEntriesMessage =
    u"Hidewell needs at least one Program Title to allow Minimizing to the System Tray";
inline const Text kUnknownCaptionMessage = u"Error 909745";
inline const Text kSaveFailedMessage = u"Hidewell could not save its settings in the registry.";
// Slot numbers run from 1; past this many they are renumbered once some are free.
constexpr int kMaxSlots = 30;
constexpr int kFirstTickMs = 2000;
// A minimise reported by the platform is acted on this soon, so that a burst of events
// makes one tick.
constexpr int kEventTickMs = 10;
// How soon after a hide the next tick checks that the window really went.
constexpr int kHideCheckMs = 250;
// The journal of hidden windows, a volatile key under the settings key.
inline const Text kJournalKey = u"Software\\Pellworth\\Hidewell\\Hidden";
inline Text CannotHideMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": it runs with higher rights.";
}

class TrayEngine : public WindowEventSink {
public:
    explicit TrayEngine(Platform& platform);
    TrayEngine(const TrayEngine&) = delete;
    TrayEngine& operator=(const TrayEngine&) = delete;

    // Loads the settings, puts the own icon up and starts polling.
    void Start();
    // The poll timer's tick: checks hidden windows, hides newly minimised matching ones.
    void PollTick();
    // Mouse messages (the low word of the callback's lParam) of the own icon and of a slot's icon.
    void OnOwnIconEvent(int message);
    void OnWindowIconEvent(int slot, int message);
    // The taskbar was re-created: every icon that was shown is added again.
    void OnTaskbarCreated();
    // The notification area's icon size changed (DPI or settings): every icon gets its
    // picture again, drawn at the new size.
    void OnIconSizeChanged();
    // A window was minimised (a tick follows shortly, unless one runs or polling is off) or
    // changed its caption (a hidden window's tip follows at once).
    void OnWindowEvent(WindowEvent event, WindowHandle window) override;
    // A request of the command inbox; false when no hidden window has the caption.
    bool OnInboxRequest(const InboxRequest& request);

    // What can be done to hidden windows.
    void RestoreSlot(int slot);
    void CloseSlot(int slot);
    // A mirrored system-menu item of the slot's popup: the window gets its own command and is
    // hidden again if it stays minimised.
    void RunMirroredCommand(int slot, std::uint32_t command);
    // Drops every icon and slot and polls again at once; the windows stay hidden and the next
    // tick takes them back.
    void RefreshAll();
    void RestoreAll();
    void ToggleSuspend();
    bool Suspended() const { return suspended_; }

    // The slot of the hidden window with this caption (when hidden or now), lowest slot first.
    std::optional<int> FindSlot(const Text& caption) const;
    // The title of a slot's popup: its tip up to the NUL, cut to 30 characters, trimmed.
    Text PopupTitle(int slot) const;
    WindowHandle SlotWindow(int slot) const;
    std::vector<HiddenWindowView> HiddenWindows() const;
    int HiddenCount() const { return static_cast<int>(hidden_.size()); }
    // Hidden windows that have a tray icon.
    int IconCount() const;

    // The entries changed (edited in the configuration window).
    void EntriesChanged();
    // The options changed: the poll timer takes the interval at once, and the next tick
    // decides again whether the own icon is shown.
    void ApplyPollInterval() { p_.host.SetPollInterval(settings.pollIntervalMs); }
    void ReconsiderOwnIcon() { lastIconCount_ = 0; }
    // Ends Hidewell's work: saves (telling the user when that fails, unless the session ends),
    // brings hidden windows back unless the session ends, and removes every icon.
    void Quit(QuitReason reason);

    Settings settings;
    SettingsStore store;

    // The date icon (none until the program gives one), and the request to add it again
    // behind new application icons.
    DateIconSteps* dateIcon = nullptr;
    bool dateRebuildRequested = false;
    // Takes the date icon away at once ("Hide Hidewell Date"); it comes back at the first
    // tick after the option is cleared.
    void RemoveDateIcon();

private:
    void HideWindow(WindowHandle h, const Text& caption, const Entry& entry);
    // The slot's window did not go when it was hidden: it is left alone, without slot or
    // icon, and the user is told once.
    void GiveUpSlot(int slot);
    void FollowCaption(HiddenWindow& record, const Text& caption);
    // Shows again what a run that ended without a clean exit left hidden, except what an
    // entry still matches (the first tick takes that back into the tray).
    void RescueJournaledWindows();
    void SetPolling(bool on);
    bool AddWindowIcon(int slot, HiddenWindow& record, const Entry& entry);
    // Shows the slot's window again and forgets the slot.
    void BringBack(int slot);
    // Forgets the slot: its icon and receiver go; with no hidden window left, the own icon
    // shows the empty folder and slots count from 1 again.
    void ForgetSlot(int slot);
    void ShowOwnIconStep();
    void FailurePath(int errorNumber);
    void SetOwnPicture(Picture picture);
    void CompilePatterns();
    static constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);
    std::size_t FirstMatch(const Text& caption);
    bool IsHidden(WindowHandle h) const;

    Platform& p_;
    TrayIcon ownIcon_;
    std::map<int, HiddenWindow> hidden_;
    int lastSlot_ = 0;
    int lastIconCount_ = 0;  // the icon count the own icon last followed
    bool suspended_ = false;
    bool polling_ = false;  // the poll timer runs
    bool inTick_ = false;
    HiddenJournal journal_;
    // Windows that stayed on the taskbar when hidden; each was reported once.
    std::set<WindowHandle> refused_;
    // Set while a window operation runs; a tick then leaves the hidden windows alone.
    bool operationBusy_ = false;
    // Set while a tray icon's event is handled; a nested event does nothing.
    bool handlingIconEvent_ = false;
    std::vector<ScannedWindow> scan_;  // kept between ticks to reuse its storage

    // The entries' title patterns, compiled when the entries change, and the first matching
    // entry of each caption met in this tick and in the one before.
    std::vector<Text> patternSources_;
    std::vector<TitlePattern> patterns_;
    std::unordered_map<Text, std::size_t> firstMatchNow_;
    std::unordered_map<Text, std::size_t> firstMatchBefore_;
};

}  // namespace hw
