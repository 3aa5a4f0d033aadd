// What can be done to one hidden window: restore it, close it, suspend polling.
#include "common/WindowKey.h"
#include "engine/Hidewell.h"

#include <algorithm>

namespace hw {

void Hidewell::Lineer_Click(int Index) {
    WindowHandle h = SlotWindow(Index);
    if (h == 0) return;
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SetForeground(h);
    p_.ui.DoEvents();
    p_.desktop.SendTimeout(h, kWmSysCommand, kScRestore, 0);
    p_.ui.DoEvents();
}

void Hidewell::AppIconAction(int Mode) {
    OperationBusy = true;
    if (Mode == 0) {
        Lineer_Click(CurrentSlot);
    } else if (Mode == 3) {
        int slot = CurrentSlot;
        WindowHandle h = SlotWindow(slot);
        TrayIconAt(slot).RemoveIcon();
        if (p_.forms.UnloadReceiver(slot)) {
            --IconCount;
            DateRefresh = -1;
        }
        slotPictures_.erase(slot);
        if (slot > 0) Lineer.erase(slot);
        if (h != 0) {
            p_.desktop.ShowWindow(h, kSwRestore);
            CloseApp(h);
            RemoveFromMaster(HandleText(h));
        }
    }
    OperationBusy = false;
}

void Hidewell::txtAuto_Change(const Text& txtAuto, const Text& tag) {
    if (txtAuto.empty()) return;
    p_.ui.DoEvents();
    if (tag != u"Close") {
        Lineer_Click(GetID(txtAuto));
    } else {
        CurrentSlot = GetID(txtAuto);
        AppIconAction(3);
    }
}

Text Hidewell::AppTitle(int slot) {
    const Text& tip = TrayIconAt(slot).TrayToolTip();
    Text title = tip.substr(0, std::min<std::size_t>(tip.find(u'\0'), 30));
    std::size_t first = title.find_first_not_of(u' ');
    if (first == Text::npos) return {};
    return title.substr(first, title.find_last_not_of(u' ') - first + 1);
}

void Hidewell::MirroredCommand(std::uint32_t command) {
    WindowHandle h = SlotWindow(CurrentSlot);
    if (h == 0) return;
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SendTimeout(h, kWmSysCommand, command, 0);
    if (p_.desktop.IsIconic(h))
        p_.desktop.ShowWindow(h, kSwHide);
    else
        p_.desktop.SetForeground(h);
}

std::vector<Text> Hidewell::HiddenCaptions() const {
    std::vector<Text> captions;
    for (auto& [k, item] : Lineer)
        if (k > 0) captions.push_back(item.Caption);
    return captions;
}

void Hidewell::CloseApp(WindowHandle h) {
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SendTimeout(h, kWmClose, static_cast<std::uint64_t>(-1), 0);
}

}  // namespace hw
