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
            if (!hidden_.empty())
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
        TrayEvent restoreClick = settings.singleClickRestores ? TrayEvent::LeftDown : TrayEvent::LeftDoubleClick;
        auto it = hidden_.find(slot);
        if (*event == restoreClick || *event == TrayEvent::KeySelect)
            RestoreSlot(slot);
        else if (it != hidden_.end() && it->second.icon && OpensMenu(*event, *it->second.icon))
            p_.host.ShowIconMenu(slot);
    });
}

}  // namespace hw
