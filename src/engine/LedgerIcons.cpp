// The ledger's icons: the own icon, the hidden windows' icons and their pictures.
#include "engine/LedgerIcons.h"

#include "engine/OperationScope.h"
#include "ui/IconTools.h"

namespace hw {

LedgerIcons::LedgerIcons(Platform& platform, const Settings& settings, Activity& activity, SlotMap& slots)
    : platform_(platform), settings_(settings), activity_(activity), slots_(slots), ownIcon_(platform.tray) {}

void LedgerIcons::ShowOwnIcon() {
    ownIcon_.SetReceiver(platform_.host.OwnReceiver());
    ownIcon_.SetIcon(platform_.host.PictureIcon(Picture::NoneHidden));
    ownIcon_.SetTip(kOwnTip);
    if (!ownIcon_.Show()) platform_.log.Failure(u"Hidewell could not add its icon to the notification area", u"", 0);
}

void LedgerIcons::ShowOwnState() {
    SetOwnPicture(activity_.suspended ? Picture::Suspended
                  : slots_.empty()    ? Picture::NoneHidden
                                      : Picture::SomeHidden);
    ownIcon_.SetTip(activity_.suspended ? kSuspendedTip : kOwnTip);
}

void LedgerIcons::SetOwnPicture(Picture picture) {
    platform_.host.SetMainIcon(picture);
    ownIcon_.SetIcon(platform_.host.PictureIcon(picture));
}

void LedgerIcons::FollowIconCount() {
    int count = Count();
    if (count == lastIconCount_) return;
    if (settings_.hideOwnIcon && count > 0)
        ownIcon_.Remove();
    else
        ownIcon_.Show();
    dateRebuildRequested_ = true;
    lastIconCount_ = count;
}

void LedgerIcons::FollowOptions() {
    lastIconCount_ = 0;
    if (settings_.hideDateIcon)
        RemoveDateIcon();
    else
        dateRebuildRequested_ = true;
}

void LedgerIcons::KeepOwnWayBack() {
    if (!ownIcon_.Shown() && Count() == 0) ownIcon_.Show();
}

IconHandle LedgerIcons::PictureOf(const HiddenWindow& record) {
    const int size = platform_.host.TrayIconSize();
    if (record.iconReference == kWindowIconReference) {
        // The window's own icon; for a window that shows none, its program file's; else Hidewell's.
        const IconHandle own = platform_.icons.CopyWindowIcon(record.window, size);
        if (own || record.programPath.empty()) return own;
        return platform_.icons.ExtractIconSized(record.programPath, 0, size);
    }
    return ExtractReferencedIcon(platform_.icons, record.iconReference, size);
}

bool LedgerIcons::AddWindowIcon(int slot, HiddenWindow& record) {
    record.picture.Reset(PictureOf(record));
    IconHandle shown = record.picture ? record.picture.Handle() : platform_.host.PictureIcon(Picture::Program);
    WindowHandle receiver = platform_.host.CreateReceiver(slot);
    record.icon = std::make_unique<TrayIcon>(platform_.tray);
    record.icon->SetReceiver(receiver);
    record.icon->SetIcon(shown);
    record.icon->SetTip(record.currentCaption + u'\0');
    dateRebuildRequested_ = true;
    if (receiver && record.icon->Show()) return true;
    platform_.log.Failure(u"Hidewell could not add a hidden window's icon; the window was shown again", record.caption, 0);
    return false;
}

void LedgerIcons::RemoveWindowIcon(int slot, HiddenWindow& record) {
    if (!record.icon) return;
    record.icon->Remove();
    record.icon.reset();
    record.picture.Reset();
    platform_.host.DestroyReceiver(slot);
    dateRebuildRequested_ = true;
    KeepOwnWayBack();
}

void LedgerIcons::DropWindowIcon(int slot, HiddenWindow& record) {
    if (!record.icon) return;
    record.icon->Remove();
    platform_.host.DestroyReceiver(slot);
    dateRebuildRequested_ = true;
}

bool LedgerIcons::FollowEntryIcon(int slot, HiddenWindow& record, const Entry& entry) {
    if (record.iconReference == entry.iconReference) return true;
    record.iconReference = entry.iconReference;
    if (record.iconReference.empty()) {
        RemoveWindowIcon(slot, record);
    } else if (record.icon) {
        record.picture.Reset(PictureOf(record));
        record.icon->SetIcon(record.picture ? record.picture.Handle() : platform_.host.PictureIcon(Picture::Program));
    } else if (!AddWindowIcon(slot, record)) {
        RemoveWindowIcon(slot, record);
        return false;
    }
    return true;
}

int LedgerIcons::Count() const {
    int n = 0;
    for (auto& [slot, record] : slots_) n += record.icon != nullptr;
    return n;
}

bool LedgerIcons::Reachable() const {
    if (ownIcon_.Present()) return true;
    for (auto& [slot, record] : slots_)
        if (record.icon && record.icon->Present()) return true;
    return false;
}

bool LedgerIcons::ShowNotice(const Text& text) {
    bool told = ownIcon_.ShowBalloon(u"Hidewell", text);
    for (auto it = slots_.begin(); !told && it != slots_.end(); ++it)
        told = it->second.icon && it->second.icon->ShowBalloon(u"Hidewell", text);
    return told;
}

void LedgerIcons::Readd() {
    OperationScope busy(activity_.operation);  // the walk below waits on the taskbar
    ownIcon_.Readd();
    for (auto& [slot, record] : slots_)
        if (record.icon) record.icon->Readd();
    if (dateIcon_) dateIcon_->OnTaskbarCreated();  // last, as it was
}

void LedgerIcons::Keep() {
    // One icon is asked: the own one, or a window's while the own one is hidden.
    TrayIcon* probe = ownIcon_.Shown() ? &ownIcon_ : nullptr;
    for (auto it = slots_.begin(); !probe && it != slots_.end(); ++it)
        if (it->second.icon && it->second.icon->Shown()) probe = it->second.icon.get();
    if (probe && !probe->StillThere()) {
        Readd();
        return;
    }
    ownIcon_.RetryAdd();
    for (auto& [slot, record] : slots_)
        if (record.icon) record.icon->RetryAdd();
}

void LedgerIcons::Redraw() {
    OperationScope busy(activity_.operation);
    ShowOwnState();
    for (auto& [slot, record] : slots_) {
        if (!record.icon) continue;
        record.picture.Reset(PictureOf(record));
        record.icon->SetIcon(record.picture ? record.picture.Handle() : platform_.host.PictureIcon(Picture::Program));
    }
}

void LedgerIcons::RemoveAll() {
    ownIcon_.Remove();
    for (auto& [slot, record] : slots_)
        if (record.icon) record.icon->Remove();
    RemoveDateIcon();
}

void LedgerIcons::TickDate() {
    if (settings_.hideDateIcon || !dateIcon_) return;
    dateIcon_->Tick(dateRebuildRequested_);
    dateRebuildRequested_ = false;
}

void LedgerIcons::RemoveDateIcon() {
    if (dateIcon_) dateIcon_->RemoveIcon();
}

}  // namespace hw
