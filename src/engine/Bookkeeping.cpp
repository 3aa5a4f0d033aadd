// Keeping the tray bookkeeping consistent: slots, the master list, icons, restoring.
#include "common/WindowKey.h"
#include "engine/Hidewell.h"
#include "ui/IconTools.h"

namespace hw {

clsTrayIcon& Hidewell::TrayIconAt(int slot) {
    auto& icon = trayIcons_[slot];
    if (!icon) icon = std::make_unique<clsTrayIcon>(p_.tray);
    return *icon;
}

WindowHandle Hidewell::SlotWindow(int slot) const {
    auto it = Lineer.find(slot);
    return it == Lineer.end() ? 0 : HandleFromText(it->second.Tag);
}

int Hidewell::SlotCount() const {
    int n = 0;
    for (auto& [k, item] : Lineer) n += k > 0;
    return n;
}

void Hidewell::SetOwnPicture(Picture picture) {
    p_.forms.SetMainIcon(picture);
    OwnTray.IconToShow(p_.forms.PictureIcon(picture));
}

bool Hidewell::IconInTray(int IconValue, const Text& Title, int MenuID) {
    if (IconValue < 0 || static_cast<std::size_t>(IconValue) >= Settings.EntryIcons.size()) return true;
    const Text& reference = Settings.EntryIcons[static_cast<std::size_t>(IconValue)];
    if (reference.empty()) return true;

    // Elements above the new slot belong to an earlier round of slots.
    trayIcons_.erase(trayIcons_.upper_bound(MenuID), trayIcons_.end());
    slotPictures_.erase(slotPictures_.upper_bound(MenuID), slotPictures_.end());

    IconPicture picture(p_.icons, ExtractReferencedIcon(p_.icons, reference));
    IconHandle shown = picture ? picture.Handle() : p_.forms.PictureIcon(Picture::Program);
    WindowHandle receiver = p_.forms.LoadReceiver(MenuID);

    clsTrayIcon& icon = TrayIconAt(MenuID);
    icon.ObjectToReceiveEvent(receiver);
    icon.IconToShow(shown);
    icon.TrayToolTip(Title + u'\0');
    bool shownOk = receiver != 0 && icon.ShowIcon();
    slotPictures_.insert_or_assign(MenuID, std::move(picture));

    ++IconCount;
    DateRefresh = -1;
    return shownOk;
}

void Hidewell::RemoveFromMaster(const Text& handleText) {
    if (MasterBusy) return;
    MasterBusy = true;
    Text key = BH(handleText);
    // Records are fixed-width, so only whole records are compared.
    for (std::size_t at = 0; at + kRecordLength <= MasterList.size(); at += kRecordLength) {
        if (MasterList.compare(at, kKeyDigits, key) == 0) {
            MasterList.replace(at, kKeyDigits, Text(kKeyDigits, u'0'));
            break;
        }
    }
    bool allBlank = true;
    for (WindowHandle h : MasterRecords(MasterList)) allBlank &= h == 0;
    if (allBlank) {
        MasterList.clear();
        SlotCounter = u"0";
        SetOwnPicture(Picture::NotGot);
    }
    MasterBusy = false;
}

void Hidewell::RefreshAll() {
    IconCount = 0;
    std::vector<int> slots;
    for (auto& [k, item] : Lineer)
        if (k > 0) slots.push_back(k);
    for (int k : slots) {
        TrayIconAt(k).RemoveIcon();
        p_.ui.DoEvents();
        p_.forms.UnloadReceiver(k);
        Lineer.erase(k);
        slotPictures_.erase(k);
    }
    MasterList.clear();
    SlotCounter = u"0";
    SetOwnPicture(Picture::NotGot);
    p_.forms.SetTimer1Interval(1);
    p_.forms.EnableTimer1(true);
    mnuSuspend = false;
}

void Hidewell::RestoreAll() {
    for (auto& [k, item] : Lineer) {
        WindowHandle h = HandleFromText(item.Tag);
        if (h != 0) p_.desktop.ShowWindow(h, kSwShowNa);
    }
}

std::int16_t Hidewell::GetID(const Text& txtAuto) {
    for (auto& [k, item] : Lineer)
        if (k > 0 && item.Caption == txtAuto) return static_cast<std::int16_t>(k);
    p_.ui.ShowMessage(u"Error 909745", kAppTitle, kMbIconCritical);
    return 0;
}

void Hidewell::BringBack(int k, WindowHandle h) {
    p_.desktop.ShowWindow(h, kSwShow);
    RemoveFromMaster(HandleText(h));
    TrayIconAt(k).RemoveIcon();
    if (p_.forms.UnloadReceiver(k)) --IconCount;
    slotPictures_.erase(k);
    Lineer.erase(k);
}

}  // namespace hw
