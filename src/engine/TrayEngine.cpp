// Start-up and ending of the tray engine.
#include "engine/TrayEngine.h"

namespace hw {

TrayEngine::TrayEngine(Platform& platform)
    : store(platform.registry, platform.ui, settings, platform.programPath),
      p_(platform),
      ownIcon_(platform.tray),
      journal_(platform.registry, kJournalKey) {}

void TrayEngine::Start() {
    store.Load();
    RescueJournaledWindows();

    ownIcon_.SetReceiver(p_.host.OwnReceiver());
    ownIcon_.SetIcon(p_.host.PictureIcon(Picture::NotGot));
    ownIcon_.SetTip(kOwnTip);
    ownIcon_.Show();

    if (settings.entries.empty()) {
        p_.host.ShowConfiguration();
        p_.ui.ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    // The first tick comes after a short delay; each tick then sets the chosen interval.
    p_.host.SetPollInterval(kFirstTickMs);
    SetPolling(true);
    p_.host.EntriesChanged();
}

void TrayEngine::RescueJournaledWindows() {
    CompilePatterns();
    for (const JournalRecord& r : journal_.Read()) {
        const WindowHandle h = r.window;
        // The same window only: a handle may have been given to another window since.
        bool same = p_.desktop.IsWindow(h) && p_.desktop.ProcessId(h) == r.processId &&
                    p_.desktop.ClassName(h) == r.className;
        if (same && !(p_.desktop.GetStyle(h) & kWindowVisible)) {
            if (p_.desktop.IsIconic(h) && FirstMatch(p_.desktop.GetText(h, kScanCaptionMax)) != kNoEntry)
                continue;  // the first tick takes it back; the record stays until then
            p_.desktop.ShowWindow(h, kSwShowNa);
        }
        journal_.Remove(h);
    }
}

void TrayEngine::OnTaskbarCreated() {
    ownIcon_.Readd();
    for (auto& [slot, record] : hidden_)
        if (record.icon) record.icon->Readd();
    if (dateIcon) dateIcon->OnTaskbarCreated();  // last, as it was
}

void TrayEngine::RemoveDateIcon() {
    if (dateIcon) dateIcon->RemoveIcon();
}

void TrayEngine::EntriesChanged() { p_.host.EntriesChanged(); }

void TrayEngine::Quit(QuitReason reason) {
    SetPolling(false);
    if (!store.Save() && reason != QuitReason::SessionEnd)
        p_.ui.ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
    // At a session end the windows stay hidden; the journal, volatile, ends with the session.
    if (reason != QuitReason::SessionEnd) {
        RestoreAll();
        journal_.Clear();
    }
    ownIcon_.Remove();
    for (auto& [slot, record] : hidden_)
        if (record.icon) record.icon->Remove();
    RemoveDateIcon();
}

}  // namespace hw
