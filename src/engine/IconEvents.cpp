// Mouse and keyboard actions on Hidewell's tray icons. A click that selects an icon has
// already acted as a mouse button by the time the shell reports the selection (Select).
#include "engine/TrayEngine.h"

namespace hw {

namespace {

// Runs a tray icon's handler unless another one is running (a click while a popup is open).
template <typename Handler>
void RunOnce(bool& busy, Handler&& handler) {
    if (busy) return;
    busy = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{busy};
    handler();
}

}  // namespace

void TrayEngine::OnOwnIconEvent(int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event) return;
    RunOnce(handlingIconEvent_, [&] {
        if (*event == TrayEvent::LeftDoubleClick || *event == TrayEvent::KeySelect) {
            if (!ledger_.empty())
                p_.host.ShowTaskList();
            else
                p_.host.ShowConfiguration();
        } else if (OpensMenu(*event, ownIcon_)) {
            p_.host.ShowOwnMenu();
        }
    });
}

void TrayEngine::OnWindowIconEvent(int slot, int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event) return;
    RunOnce(handlingIconEvent_, [&] {
        auto it = ledger_.find(slot);
        if (it == ledger_.end()) return;
        const HiddenWindow& record = it->second;
        TrayEvent restoreClick = settings_.singleClickRestores ? TrayEvent::LeftDown : TrayEvent::LeftDoubleClick;
        if (*event == restoreClick || *event == TrayEvent::KeySelect)
            Restore(record.Ref());
        else if (record.icon && OpensMenu(*event, *record.icon))
            p_.host.ShowIconMenu(slot);
    });
}

}  // namespace hw
