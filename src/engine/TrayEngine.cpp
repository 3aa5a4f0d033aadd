// Start-up and ending of the tray engine.
#include "engine/TrayEngine.h"
#include "engine/OperationScope.h"

#include <utility>

namespace hw {

TrayEngine::TrayEngine(Platform& platform)
    : p_(platform),
      store_(platform.registry, platform.ui, platform.log, settings_, platform.programPath),
      ownIcon_(platform.tray),
      journal_(platform.registry, kJournalKey),
      appear_(platform.desktop, platform.clock, journal_, platform.log, platform.ui),
      reader_(platform.desktop),
      matcher_(platform.caseMapping) {}

void TrayEngine::Start(bool withWindows) {
    store_.Load();
    appear_.Start(withWindows, settings_.entries);

    ownIcon_.SetReceiver(p_.host.OwnReceiver());
    ownIcon_.SetIcon(p_.host.PictureIcon(Picture::NotGot));
    ownIcon_.SetTip(kOwnTip);
    // A shell still starting refuses it; the ticks add it again.
    if (!ownIcon_.Show()) p_.log.Failure(u"Hidewell could not add its icon to the notification area", u"", 0);
    RescueJournaledWindows();
    RegisterHotkeys();
    FollowRightClickOption(false);

    if (settings_.entries.empty()) {
        p_.host.ShowConfiguration();
        p_.ui.ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    // The first tick comes after a short delay; each tick then sets the chosen interval.
    p_.host.SetPollInterval(kFirstTickMs);
    SetPolling(true);
    p_.host.EntriesChanged();
}

void TrayEngine::RescueJournaledWindows() {
    matcher_.Compile(settings_.entries);
    const std::uint32_t session = p_.desktop.CurrentSession();
    for (const JournalRecord& r : journal_.Read()) {
        // Another session's Hidewell, still running, looks after its own records.
        if (r.session != 0 && r.session != session && p_.desktop.SessionExists(r.session)) continue;
        const WindowHandle h = r.window;
        // The same window only: a handle may have been given to another window since.
        const WindowFacts w = reader_.Read(h);
        if (w.window && w.processId == r.processId && w.className == r.className) {
            // What an entry still matches is taken into this run's ledger, as a tick would.
            const std::size_t j = Qualifies(w) && w.minimised ? matcher_.FirstMatch(w) : EntryMatcher::kNone;
            if (j != EntryMatcher::kNone) {
                HideWindow(w, settings_.entries[j]);
                if (InLedger(h)) continue;
            }
            // Asked even when it looks shown: the dead run's hide may still wait in its queue.
            // Refused, the window keeps its journal record and a way back, and is asked again.
            if (!p_.desktop.ShowWindow(h, kSwShowNa).accepted) {
                KeepRefusedRescue(w);
                continue;
            }
            // Shown again already, by the user or its program: no appear rule takes it now.
            if (w.visible && !w.minimised) LeaveToTheUser(h);
        }
        journal_.Remove(h);
    }
}

void TrayEngine::OnTaskbarCreated() {
    OperationScope busy(operationBusy_);  // the walk below waits on the taskbar
    ownIcon_.Readd();
    for (auto& [slot, record] : ledger_)
        if (record.icon) record.icon->Readd();
    if (dateIcon_) dateIcon_->OnTaskbarCreated();  // last, as it was
}

void TrayEngine::RemoveDateIcon() {
    if (dateIcon_) dateIcon_->RemoveIcon();
}

void TrayEngine::EntriesChanged() { p_.host.EntriesChanged(); }

void TrayEngine::ApplyOptions(const OptionValues& options) {
    OptionValues taken = options;
    taken.startWithWindows = settings_.startWithWindows;  // what the Run value says
    if (!taken.SetPollInterval(options.pollIntervalMs)) taken.pollIntervalMs = settings_.pollIntervalMs;
    static_cast<OptionValues&>(settings_) = taken;
    SettingsChanged();
}

void TrayEngine::ReloadSettings() {
    store_.Load();
    SettingsChanged();
}

void TrayEngine::Quit(QuitReason reason) {
    SetPolling(false);
    const bool sessionEnds = reason == QuitReason::SessionEnd;
    // Nobody waits for an answer while the session ends or an installer closes Hidewell.
    if (!store_.Save()) {
        p_.log.Failure(kSaveFailedMessage, u"", 0);
        if (!sessionEnds && reason != QuitReason::RestartManager)
            p_.ui.ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
    }
    // At a session end the windows stay hidden; the journal, volatile, ends with the session.
    if (!sessionEnds) RestoreAll(true);
    for (std::size_t i = 0; i < std::size(kHotkeyActions); ++i)
        if (std::exchange(hotkeysHeld_[i], false)) p_.host.UnregisterHotkey(HotkeyId(kHotkeyActions[i]));
    ownIcon_.Remove();
    for (auto& [slot, record] : ledger_)
        if (record.icon) record.icon->Remove();
    RemoveDateIcon();
}

}  // namespace hw
