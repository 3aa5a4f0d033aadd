// Start-up and ending of the tray engine.
#include "engine/TrayEngine.h"

namespace hw {

TrayEngine::TrayEngine(Platform& platform)
    : store(platform.registry, platform.ui, settings, platform.programPath), p_(platform), ownIcon_(platform.tray) {}

void TrayEngine::Start() {
    store.Load();

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
    p_.host.SetPollTimer(true);
    p_.host.EntriesChanged();
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
    p_.host.SetPollTimer(false);
    if (!store.Save() && reason != QuitReason::SessionEnd)
        p_.ui.ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
    if (reason != QuitReason::SessionEnd) RestoreAll();
    ownIcon_.Remove();
    for (auto& [slot, record] : hidden_)
        if (record.icon) record.icon->Remove();
    RemoveDateIcon();
}

}  // namespace hw
