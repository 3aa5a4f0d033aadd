// The hidden windows by slot: hiding one, forgetting one, and the views of them.
#include "engine/TrayEngine.h"
#include "ui/IconTools.h"

namespace hw {

bool TrayEngine::IsHidden(WindowHandle h) const {
    for (auto& [slot, record] : hidden_)
        if (record.window == h) return true;
    return false;
}

int TrayEngine::IconCount() const {
    int n = 0;
    for (auto& [slot, record] : hidden_) n += record.icon != nullptr;
    return n;
}

WindowHandle TrayEngine::SlotWindow(int slot) const {
    auto it = hidden_.find(slot);
    return it == hidden_.end() ? 0 : it->second.window;
}

std::vector<HiddenWindowView> TrayEngine::HiddenWindows() const {
    std::vector<HiddenWindowView> views;
    for (auto& [slot, record] : hidden_) views.push_back({slot, record.window, record.caption});
    return views;
}

std::optional<int> TrayEngine::FindSlot(const Text& caption) const {
    for (auto& [slot, record] : hidden_)
        if (record.caption == caption) return slot;
    for (auto& [slot, record] : hidden_)
        if (record.currentCaption == caption) return slot;
    return std::nullopt;
}

void TrayEngine::SetOwnPicture(Picture picture) {
    p_.host.SetMainIcon(picture);
    ownIcon_.SetIcon(p_.host.PictureIcon(picture));
}

void TrayEngine::HideWindow(WindowHandle h, const Text& caption, const Entry& entry) {
    p_.desktop.ShowWindow(h, kSwHide);
    // Written before anything else, so that a crash from here on cannot lose the window.
    journal_.Add({h, p_.desktop.ProcessId(h), p_.desktop.ClassName(h), caption});
    int slot = ++lastSlot_;
    HiddenWindow& record =
        hidden_
            .insert_or_assign(slot, HiddenWindow{h, caption, caption, nullptr, IconPicture(p_.icons), entry.iconReference})
            .first->second;
    // The window's own icon goes up first, so it appears as soon as the window is gone.
    bool iconShown = entry.iconReference.empty() || AddWindowIcon(slot, record, entry);
    SetOwnPicture(Picture::Got);
    // No way back without an icon: the window is shown again rather than lost.
    if (!iconShown) BringBack(slot);
}

bool TrayEngine::AddWindowIcon(int slot, HiddenWindow& record, const Entry& entry) {
    record.picture.Reset(ExtractReferencedIcon(p_.icons, entry.iconReference, p_.host.TrayIconSize()));
    IconHandle shown = record.picture ? record.picture.Handle() : p_.host.PictureIcon(Picture::Program);
    WindowHandle receiver = p_.host.CreateReceiver(slot);
    record.icon = std::make_unique<TrayIcon>(p_.tray);
    record.icon->SetReceiver(receiver);
    record.icon->SetIcon(shown);
    record.icon->SetTip(record.caption + u'\0');
    dateRebuildRequested = true;
    return receiver != 0 && record.icon->Show();
}

void TrayEngine::BringBack(int slot) {
    WindowHandle h = SlotWindow(slot);
    if (h != 0) p_.desktop.ShowWindow(h, kSwShow);
    ForgetSlot(slot);
}

void TrayEngine::GiveUpSlot(int slot) {
    auto it = hidden_.find(slot);
    if (it == hidden_.end()) return;
    const WindowHandle h = it->second.window;
    const Text caption = it->second.currentCaption;
    ForgetSlot(slot);
    if (refused_.insert(h).second) ownIcon_.ShowBalloon(u"Hidewell", CannotHideMessage(caption));
}

void TrayEngine::ForgetSlot(int slot) {
    auto it = hidden_.find(slot);
    if (it == hidden_.end()) return;
    journal_.Remove(it->second.window);
    if (it->second.icon) {
        it->second.icon->Remove();
        p_.host.DestroyReceiver(slot);
        dateRebuildRequested = true;
    }
    hidden_.erase(it);
    if (hidden_.empty()) {
        lastSlot_ = 0;
        SetOwnPicture(Picture::NotGot);
    }
}

void TrayEngine::RefreshAll() {
    for (auto& [slot, record] : hidden_) {
        if (!record.icon) continue;
        record.icon->Remove();
        p_.host.DestroyReceiver(slot);
    }
    hidden_.clear();
    lastSlot_ = 0;
    SetOwnPicture(Picture::NotGot);
    suspended_ = false;
    p_.host.SetPollInterval(1);
    SetPolling(true);
}

void TrayEngine::OnIconSizeChanged() {
    SetOwnPicture(hidden_.empty() ? Picture::NotGot : Picture::Got);
    for (auto& [slot, record] : hidden_) {
        if (!record.icon) continue;
        record.picture.Reset(ExtractReferencedIcon(p_.icons, record.iconReference, p_.host.TrayIconSize()));
        record.icon->SetIcon(record.picture ? record.picture.Handle() : p_.host.PictureIcon(Picture::Program));
    }
}

void TrayEngine::RestoreAll() {
    for (auto& [slot, record] : hidden_) p_.desktop.ShowWindow(record.window, kSwShowNa);
}

}  // namespace hw
