// Start-up of Hidewell and the own icon's mouse handler.
#include "engine/Hidewell.h"

namespace hw {

Hidewell::Hidewell(Platform& platform) : OwnTray(platform.tray), p_(platform) {
    Lineer[0] = LineerItem{u"-", u"0"};
}

void Hidewell::Form_Load() {
    OwnTray.ObjectToReceiveEvent(p_.forms.OwnReceiver());
    OwnTray.IconToShow(p_.forms.PictureIcon(Picture::NotGot));
    OwnTray.TrayToolTip(kOwnTip);
    OwnTray.ShowIcon();

    if (ApplicationsList.empty()) {
        p_.forms.ShowConfiguration();
        p_.ui.ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    p_.forms.EntriesChanged();
}

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

void Hidewell::TaskbarCreated() { OwnTray.Readd(); }

}  // namespace hw
