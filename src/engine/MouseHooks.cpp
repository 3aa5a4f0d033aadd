// The mouse messages of Hidewell's tray icons.
#include "engine/Hidewell.h"

namespace hw {

void Hidewell::PicHook0_MouseMove(int message) {
    OwnTray.Dispatch(message, [&](std::int16_t code) {
        if (code == clsTrayIcon::tiLDblClk()) {
            if (!MasterList.empty())
                p_.forms.ShowTaskList();
            else
                p_.forms.ShowConfiguration();
        } else if (code == clsTrayIcon::tiRButUp()) {
            p_.forms.ShowOwnMenu();
        }
    });
}

void Hidewell::PicHook1_MouseMove(int index, int message) {
    TrayIconAt(index).Dispatch(message, [&](std::int16_t code) {
        bool single = Settings.chkSingleClick == 1;
        if ((code == clsTrayIcon::tiLButDwn() && single) || (code == clsTrayIcon::tiLDblClk() && !single)) {
            CurrentSlot = static_cast<std::int16_t>(index);
            AppIconAction(0);
        } else if (code == clsTrayIcon::tiRButUp()) {
            p_.forms.ShowIconMenu(index);
        }
    });
}

}  // namespace hw
