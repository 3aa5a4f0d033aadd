// Mouse actions on Hidewell's tray icons.
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
        if (*event == TrayEvent::LeftDoubleClick) {
            if (!hidden_.empty())
                p_.host.ShowTaskList();
            else
                p_.host.ShowConfiguration();
        } else if (*event == TrayEvent::RightUp) {
            p_.host.ShowOwnMenu();
        }
    });
}

void TrayEngine::OnWindowIconEvent(int slot, int message) {
    std::optional<TrayEvent> event = DecodeTrayMessage(message);
    if (!event) return;
    RunOnce(handlingIconEvent_, [&] {
        TrayEvent restoreClick = settings.singleClickRestores ? TrayEvent::LeftDown : TrayEvent::LeftDoubleClick;
        if (*event == restoreClick)
            RestoreSlot(slot);
        else if (*event == TrayEvent::RightUp)
            p_.host.ShowIconMenu(slot);
    });
}

}  // namespace hw
