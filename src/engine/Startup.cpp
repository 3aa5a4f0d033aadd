// Start-up and ending of Hidewell.
#include "engine/Hidewell.h"

namespace hw {

Hidewell::Hidewell(Platform& platform)
    : Store(platform.registry, platform.ui, Settings, platform.programPath), OwnTray(platform.tray), p_(platform) {
    Lineer[0] = LineerItem{u"-", u"0"};
}

int Hidewell::Form_Load() {
    Store.LoadRegEdit();
    SlotCounter.assign(1, u'0');

    OwnTray.ObjectToReceiveEvent(p_.forms.OwnReceiver());
    OwnTray.IconToShow(p_.forms.PictureIcon(Picture::NotGot));
    OwnTray.TrayToolTip(kOwnTip);
    OwnTray.ShowIcon();

    if (Settings.ApplicationsList.empty()) {
        p_.forms.ShowConfiguration();
        p_.ui.ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    // The first tick comes after the timer's initial interval; each tick then sets its own.
    p_.forms.SetTimer1Interval(kFirstTickMs);
    p_.forms.EnableTimer1(true);
    p_.forms.EntriesChanged();
    return Store.ReadHeight();
}

void Hidewell::TaskbarCreated() {
    OwnTray.Readd();
    for (auto& [k, icon] : trayIcons_) icon->Readd();
}

void Hidewell::Quit(bool restoreWindows) {
    p_.forms.EnableTimer1(false);
    Store.SaveRegEdit();
    if (restoreWindows) RestoreAll();
    OwnTray.RemoveIcon();
    for (auto& [k, icon] : trayIcons_) icon->RemoveIcon();
}

}  // namespace hw
