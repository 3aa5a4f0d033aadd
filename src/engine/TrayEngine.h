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
#include "engine/AppearRule.h"
#include "engine/DateIconSteps.h"
#include "engine/EntryMatcher.h"
#include "engine/HiddenJournal.h"
#include "engine/HiddenWindow.h"
#include "engine/RightClickHiding.h"
#include "engine/TrayIcon.h"
#include "engine/WindowFacts.h"
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
#include "settings/SettingsLayout.h"
#include "settings/Hotkey.h"
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
inline const Text kSuspendedTip = Text(u"Hidewell (suspended)") + u'\0';
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
// How soon after a hide request the next tick checks whether the window went, and how many
// such early checks a window gets before it is checked at the user's interval.
constexpr int kHideCheckMs = 250;
constexpr int kEarlyHideChecks = 8;
// At most this many minimises reported while a tick runs are taken when it ends.
constexpr std::size_t kMaxReportedInTick = 64;
// The journal of hidden windows: a volatile key under the settings key.
inline const Text kJournalKey = kSettingsKey + u"\\" + kJournalKeyName;
inline Text CannotHideMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": it runs with higher rights.";
}
// The frame of a Store app: hiding it leaves a dead taskbar button and a black Alt-Tab entry.
inline const Text kStoreAppFrameClass = u"ApplicationFrameWindow";
inline Text StoreAppMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": it is a Store app, which Windows does not let other programs hide.";
}
// Said once, the first time a window is hidden where new icons go out of sight.
inline const Text kOverflowTipValue = u"OverflowTipShown";
inline const Text kOverflowTip =
    u"Windows puts new notification icons behind the ^ button. To keep the icons of hidden windows in sight, "
    u"drag them onto the taskbar, or turn them on in Settings > Personalization > Taskbar. Hidewell's menu and task "
    u"list also reach every hidden window.";
inline Text RefusedHideMessage(const Text& caption) {
    return u"Hidewell cannot hide " + caption + u": Windows refused the request.";
}
// The hotkeys' ids with the host, by action, and the id of a combination only tried.
inline int HotkeyId(HotkeyAction action) { return static_cast<int>(action) + 1; }
constexpr int kHotkeyTrialId = 4;
inline const Text kRightClickFailure = u"Hidewell could not watch for right clicks on minimise buttons";
// The heading of the start-up message for this many hotkeys that failed and that work.
Text HotkeyFailureHeading(int failed, int working);

class TrayEngine : public WindowEventSink, public HiddenWindowActions {
public:
    explicit TrayEngine(Platform& platform);
    TrayEngine(const TrayEngine&) = delete;
    TrayEngine& operator=(const TrayEngine&) = delete;

    // Loads the settings, puts the own icon up and starts polling; withWindows: Hidewell starts
    // with Windows, so the windows open now count as appearing.
    void Start(bool withWindows = false);
    // The poll timer's tick: checks the ledger, hides newly minimised matching windows.
    void PollTick();
    // Mouse messages (the low word of the callback's lParam) of the own icon and of a slot's icon.
    void OnOwnIconEvent(int message);
    void OnWindowIconEvent(int slot, int message);
    // The taskbar was re-created: every icon that was shown is added again. A tick also finds
    // a shell that lost the icons without telling, and does the same.
    void OnTaskbarCreated();
    // The notification area's icon size changed (DPI or settings): every icon gets its
    // picture again, drawn at the new size.
    void OnIconSizeChanged();
    // A window was minimised (a tick follows shortly, unless one runs or polling is off) or
    // changed its caption (a hidden window's tip follows at once).
    void OnWindowEvent(WindowEvent event, WindowHandle window) override;
    // A restore or close of the command inbox, carried out now: done (a restored window shows
    // now), asked (its program has not shown it yet), or no hidden window has the caption (told
    // in a box only to a caller that gets no answer, one box at a time).
    enum class InboxOutcome { Done, Asked, NotFound };
    InboxOutcome OnInboxRequest(const InboxRequest& request, bool callerAnswered);
    // A tick or a window operation runs: a request that came in the middle of it (while
    // Hidewell waits on another program) must not change the ledger.
    bool Busy() const { return inTick_ || operationBusy_; }
    // Sets the hotkeys aside (while the options dialog takes combinations) or registers them
    // again.
    void SetHotkeysAside(bool aside);
    // A registered hotkey was pressed (its id with the host).
    void OnHotkey(int id);
    // Whether the combination could be registered now (0) or the platform's error; one that
    // Hidewell holds already counts as free.
    std::uint32_t TryHotkey(const Hotkey& hotkey);

    // Hides a window by hand, whatever its caption, until the user brings it back: the window
    // in front, or the first shown top-level window with the caption. False when there is no
    // such window, or it cannot be hidden.
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

    // The ledger: every window Hidewell has asked to hide and not yet shown again, in slot
    // order. The menus, the task list and the command line are views of it.
    std::vector<HiddenWindowView> HiddenWindows() const override;
    // The record behind a slot's icon now, for the popup built for it.
    std::optional<HiddenWindowView> SlotView(int slot) const;
    // Restore: brings the window back to the front (it leaves the ledger once it shows).
    // Close: shows the window and asks it to close; it leaves the ledger at once.
    bool Restore(const WindowRef& ref) override;
    bool Close(const WindowRef& ref) override;
    // A mirrored system-menu item of a popup: the window gets its own command and is hidden
    // again if it stays minimised.
    void RunMirroredCommand(const WindowRef& ref, std::uint32_t command);
    // The one path by which changed settings take effect (Options, Undo, Refresh, edited
    // entries): windows that still match keep their slot and icon, the others are shown again
    // at once; the date icon is taken away now or rebuilt, the own icon reconsidered; polling
    // restarts at once unless suspended.
    void SettingsChanged();
    // The user asked for a refresh: polling resumes, and the settings take effect again.
    void RefreshAll();
    // Shows every window in the ledger again and empties it; a window whose show Windows
    // refused stays in it with its way back (quitting: only in the journal).
    void RestoreAll(bool quitting = false);
    void ToggleSuspend();
    bool Suspended() const { return suspended_; }

    // The record with this caption (when hidden or now), lowest slot first.
    std::optional<WindowRef> FindByCaption(const Text& caption) const;
    // The title of a record's popup: its tip up to the NUL, cut to 30 characters, trimmed.
    Text PopupTitle(const WindowRef& ref) const;
    int HiddenCount() const { return static_cast<int>(ledger_.size()); }
    // Records that have a tray icon.
    int IconCount() const;
    // Whether the shell has the own icon or a hidden window's icon, from which the own menu or
    // the task list opens.
    bool IconReachable() const;

    // The settings, read by the windows; the entries are edited in place by the configuration
    // window, and RefreshAll applies them.
    const Settings& CurrentSettings() const { return settings_; }
    std::vector<Entry>& EditedEntries() { return settings_.entries; }
    // Stores the settings; false when a value could not be written.
    bool SaveSettings() { return store_.Save(); }
    // Loads the stored settings again (Undo); entries and options take effect.
    void ReloadSettings();
    int ReadHeight() { return store_.ReadHeight(); }
    // Where the settings are kept: the registry key, or a portable copy's settings file.
    Text SettingsPlace() { return p_.registry.Place(kHkeyCurrentUser, kSettingsKey); }
    // The registry's status of the write.
    std::int32_t SaveHeight(int twips) { return store_.SaveHeight(twips); }

    // The options, as the options dialog sets them: the Run value, and all the others, which
    // take effect through SettingsChanged.
    bool SetStartWithWindows(bool on) { return store_.SetStartWithWindows(on); }
    void ApplyOptions(const OptionValues& options);

    // The entries changed (edited in the configuration window).
    void EntriesChanged();
    // Ends Hidewell's work: saves (telling the user when that fails, unless the session ends),
    // brings hidden windows back unless the session ends, and removes every icon.
    void Quit(QuitReason reason);

    // The date icon (none until the program gives one), and the request to add it again
    // behind new application icons.
    void SetDateIcon(DateIconSteps* dateIcon) { dateIcon_ = dateIcon; }
    bool DateRebuildRequested() const { return dateRebuildRequested_; }
    // Where caption changes are asked for (none until the program gives one).
    void SetCaptionWatch(CaptionWatch* watch) {
        captionWatch_ = watch;
        appear_.SetWatch(watch);
    }
    // Takes the date icon away at once ("Hide Hidewell Date"); it comes back at the first
    // tick after the option is cleared.
    void RemoveDateIcon();

private:
    void HideWindow(const WindowFacts& w, const Entry& entry, HideKind kind = HideKind::Rule);
    HiddenWindow NewRecord(const WindowFacts& w, const Text& iconReference, HideKind kind);
    // A window a dead run hid whose show Windows refused: in the ledger with its own icon, and
    // asked again at every tick.
    void KeepRefusedRescue(const WindowFacts& w);
    bool HideManually(const WindowFacts& w);
    // Registers each hotkey whose combination changed, each on its own, and tells the user
    // once of those that failed and why.
    void RegisterHotkeys();
    // Installs or removes the right-click hook as the option says; a failure is logged and,
    // when the user has just turned the option on, told.
    void FollowRightClickOption(bool userAsked);
    // The window at the top of h's chain of owners: what a hide by hand takes.
    WindowHandle RootOwner(WindowHandle h);
    // Tells the user once that the window cannot be hidden, and leaves it alone until it is gone.
    void Refuse(WindowHandle h, const Text& message);
    // Shows the refusals not told yet on the own icon or, while that is hidden, on a hidden
    // window's icon; those that cannot be shown now are told at a later tick.
    void TellRefusals();
    // Checks one record at a tick; false when the walk must stop (a window operation runs).
    bool CheckRecord(int slot);
    void FollowCaption(HiddenWindow& record, const Text& caption);
    // A minimise the platform reported: the window is matched and hidden at once, with only
    // its journal record before the request. False when it is not hidden now.
    bool HideReportedMinimise(WindowHandle window);
    void RunTick();
    // Shows again what a run that ended without a clean exit left hidden, except what an
    // entry still matches, which goes into this run's ledger.
    void RescueJournaledWindows();
    void SetPolling(bool on);
    bool AddWindowIcon(int slot, HiddenWindow& record);
    // The picture of a record's icon at the notification area's size: from its entry's icon
    // file, or the window's own; 0 leaves the program icon.
    IconHandle PictureOf(const HiddenWindow& record);
    // Asks for the slot's window to be shown again and forgets it; when Windows refuses, the
    // record stays, leaving, and the next tick asks again (quitting: only the journal keeps it).
    void BringBack(int slot, bool quitting = false);
    // Asks for the record's window to be shown; false when Windows refused (logged once).
    bool AskShow(HiddenWindow& record, int command);
    // The user brought the window back: no appear rule takes it again until it is minimised
    // or closed.
    void LeaveToTheUser(WindowHandle h);
    // A rule record shows the icon of the entry that takes its window now.
    void FollowEntryIcon(int slot, const Entry& entry);
    void RemoveWindowIcon(int slot, HiddenWindow& record);
    // Forgets the slot: its icon, receiver and (unless kept) journal record go; with no hidden
    // window left, the own icon shows the empty folder and slots count from 1 again.
    void ForgetSlot(int slot, bool keepJournal = false);
    // Gives the records the slots 1, 2, ... in their order, moving their icons.
    void RenumberSlots();
    void ShowOwnIconStep();
    // Tells once per user where Windows 11 puts the icons of hidden windows.
    void TellAboutOverflowOnce(TrayIcon& icon);
    // The caption watch follows the processes that own windows in the ledger or windows that
    // appear and may still match.
    void WatchLedgerCaptions();
    // Icons the shell refused are added again, and when the shell has lost them all (Explorer
    // restarted without a TaskbarCreated) every icon is added again.
    void KeepIcons();
    void FailurePath(int errorNumber);
    void SetOwnPicture(Picture picture);
    // The own icon's picture and tip follow the hidden windows and Suspend.
    void ShowOwnState();
    bool InLedger(WindowHandle h) const;
    // The record that ref names, if it is still in the ledger for the same window.
    HiddenWindow* Find(const WindowRef& ref);
    const HiddenWindow* Find(const WindowRef& ref) const;
    int SlotOf(RecordId id) const;
    // Whether h is still the window the record was made for.
    bool SameWindow(const HiddenWindow& record);
    bool SameWindow(const HiddenWindow& record, const WindowFacts& now) const {
        return now.window == record.window && now.processId == record.processId && now.className == record.className;
    }

    Platform& p_;
    Settings settings_;
    SettingsStore store_;
    DateIconSteps* dateIcon_ = nullptr;
    CaptionWatch* captionWatch_ = nullptr;
    bool overflowTold_ = false;
    std::vector<std::uint32_t> watchedProcesses_;
    // Windows reported minimised while a tick ran, taken when it ends.
    std::vector<WindowHandle> reportedInTick_;
    bool dateRebuildRequested_ = false;
    TrayIcon ownIcon_;
    // The ledger, by slot, and its copy on disk (written before each hide request).
    std::map<int, HiddenWindow> ledger_;
    HiddenJournal journal_;
    AppearRule appear_;
    RecordId lastRecord_ = 0;
    int lastSlot_ = 0;
    int lastIconCount_ = 0;  // the icon count the own icon last followed
    bool suspended_ = false;
    bool polling_ = false;  // the poll timer runs
    bool inTick_ = false;
    // Windows that cannot be hidden, with the notice not yet shown (empty once told): each is
    // told once, on an icon the user can see.
    std::map<WindowHandle, Text> refused_;
    // Set while a window operation runs; a tick then leaves the hidden windows alone.
    bool operationBusy_ = false;
    // Set while a tray icon's event is handled; a nested event does nothing.
    bool handlingIconEvent_ = false;
    // Every window is seen through its facts, and meets the entries in the matcher only.
    WindowReader reader_;
    EntryMatcher matcher_;
    std::vector<WindowFacts> scan_;  // kept between ticks to reuse its storage
    // Each hotkey's combination as last registered or tried, and whether it is held.
    Text hotkeysTried_[std::size(kHotkeyActions)];
    bool hotkeysHeld_[std::size(kHotkeyActions)] = {};
    bool hotkeysAside_ = false;
    // A box about an unknown caption is up.
    bool unknownCaptionBoxUp_ = false;
    bool rightClickHooked_ = false;
};

}  // namespace hw
