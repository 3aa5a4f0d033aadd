// The ledger of hidden windows: asking for a hide, forgetting a record, and the views of it.
#include <algorithm>
#include <utility>

#include "engine/OperationScope.h"
#include "engine/TrayEngine.h"
#include "settings/RegistryStore.h"
#include "ui/IconTools.h"

namespace hw {

bool TrayEngine::InLedger(WindowHandle h) const {
    for (auto& [slot, record] : ledger_)
        if (record.window == h) return true;
    return false;
}

bool TrayEngine::IconReachable() const {
    if (ownIcon_.Present()) return true;
    for (auto& [slot, record] : ledger_)
        if (record.icon && record.icon->Present()) return true;
    return false;
}

int TrayEngine::IconCount() const {
    int n = 0;
    for (auto& [slot, record] : ledger_) n += record.icon != nullptr;
    return n;
}

HiddenWindow* TrayEngine::Find(const WindowRef& ref) {
    for (auto& [slot, record] : ledger_)
        if (record.id == ref.record) return record.window == ref.window ? &record : nullptr;
    return nullptr;
}

const HiddenWindow* TrayEngine::Find(const WindowRef& ref) const {
    return const_cast<TrayEngine*>(this)->Find(ref);
}

int TrayEngine::SlotOf(RecordId id) const {
    for (auto& [slot, record] : ledger_)
        if (record.id == id) return slot;
    return 0;
}

std::vector<HiddenWindowView> TrayEngine::HiddenWindows() const {
    std::vector<HiddenWindowView> views;
    views.reserve(ledger_.size());
    for (auto& [slot, record] : ledger_) views.push_back(*SlotView(slot));
    return views;
}

std::optional<HiddenWindowView> TrayEngine::SlotView(int slot) const {
    auto it = ledger_.find(slot);
    if (it == ledger_.end()) return std::nullopt;
    const HiddenWindow& record = it->second;
    return HiddenWindowView{slot,         record.Ref(),     record.caption, record.kind, record.state == HideState::Asked,
                            record.program, record.className};
}

std::optional<WindowRef> TrayEngine::FindByCaption(const Text& caption) const {
    for (auto& [slot, record] : ledger_)
        if (record.caption == caption) return record.Ref();
    for (auto& [slot, record] : ledger_)
        if (record.currentCaption == caption) return record.Ref();
    // Entries match without regard to case, and so does a caption asked for, when it names
    // exactly one window.
    const Text upper = p_.caseMapping.Upper(caption);
    std::optional<WindowRef> found;
    for (auto& [slot, record] : ledger_) {
        if (p_.caseMapping.Upper(record.caption) != upper && p_.caseMapping.Upper(record.currentCaption) != upper)
            continue;
        if (found) return std::nullopt;
        found = record.Ref();
    }
    return found;
}

bool TrayEngine::SameWindow(const HiddenWindow& record) {
    return p_.desktop.IsWindow(record.window) && p_.desktop.ProcessId(record.window) == record.processId &&
           p_.desktop.ClassName(record.window) == record.className;
}

void TrayEngine::ShowOwnState() {
    SetOwnPicture(suspended_ ? Picture::Suspended : ledger_.empty() ? Picture::NotGot : Picture::Got);
    ownIcon_.SetTip(suspended_ ? kSuspendedTip : kOwnTip);
}

void TrayEngine::SetOwnPicture(Picture picture) {
    p_.host.SetMainIcon(picture);
    ownIcon_.SetIcon(p_.host.PictureIcon(picture));
}

void TrayEngine::Refuse(WindowHandle h, const Text& message) {
    if (!refused_.emplace(h, message).second) return;
    p_.log.Failure(message, p_.desktop.GetText(h, kScanCaptionMax), 0);
    TellRefusals();
}

void TrayEngine::TellRefusals() {
    for (auto& [window, notice] : refused_) {
        if (notice.empty()) continue;
        bool told = ownIcon_.ShowBalloon(u"Hidewell", notice);
        for (auto it = ledger_.begin(); !told && it != ledger_.end(); ++it)
            told = it->second.icon && it->second.icon->ShowBalloon(u"Hidewell", notice);
        if (told) notice.clear();
    }
}

void TrayEngine::HideWindow(const WindowFacts& w, const Entry& entry, HideKind kind) {
    const WindowHandle h = w.window;
    const Text& caption = w.caption;
    // Windows drops requests to a program of higher rights; it is not asked in vain.
    if (w.aboveUs) {
        Refuse(h, CannotHideMessage(caption));
        return;
    }
    if (w.className == kStoreAppFrameClass) {
        Refuse(h, StoreAppMessage(caption));
        return;
    }
    // A window without an icon of its own is reached through the own icon or another hidden
    // window's icon; while the shell has none of them (it is still starting), it waits.
    if (entry.iconReference.empty() && !IconReachable()) return;
    HiddenWindow record = NewRecord(w, entry.iconReference, kind);
    // A shown window is minimised first, so that its owned windows go with it.
    record.minimiseAsked = !w.minimised;
    // On disk before the request, so that a crash from here on cannot lose the window.
    if (!journal_.Add({h, record.processId, p_.desktop.CurrentSession(), record.className, caption}))
        p_.log.Failure(u"Hidewell could not write the journal of hidden windows", caption, 0);
    if (record.minimiseAsked) p_.desktop.ShowWindow(h, kSwMinimize);
    if (!p_.desktop.ShowWindow(h, kSwHide).accepted) {
        journal_.Remove(h);
        Refuse(h, RefusedHideMessage(caption));
        return;
    }
    const int slot = ++lastSlot_;
    HiddenWindow& added = ledger_.insert_or_assign(slot, std::move(record)).first->second;
    // The window's own icon goes up first, so it appears as soon as the window is gone.
    bool iconShown = added.iconReference.empty() || AddWindowIcon(slot, added);
    ShowOwnState();
    // No way back without an icon: the window is shown again rather than lost (while Windows
    // refuses that, the own icon is its way back).
    if (!iconShown) {
        RemoveWindowIcon(slot, added);
        BringBack(slot);
        return;
    }
    TellAboutOverflowOnce(added.icon ? *added.icon : ownIcon_);
}

HiddenWindow TrayEngine::NewRecord(const WindowFacts& w, const Text& iconReference, HideKind kind) {
    HiddenWindow record(p_.icons);
    record.id = ++lastRecord_;
    record.window = w.window;
    record.processId = w.processId;
    record.className = w.className;
    record.program = w.program;
    record.programPath = w.programPath;
    record.caption = record.currentCaption = w.caption;
    record.iconReference = iconReference;
    record.kind = kind;
    return record;
}

void TrayEngine::KeepRefusedRescue(const WindowFacts& w) {
    HiddenWindow record = NewRecord(w, kWindowIconReference, HideKind::Manual);
    record.state = HideState::Hidden;
    record.leaving = record.showRefused = true;
    p_.log.Failure(u"Windows refused to show a hidden window; Hidewell asks again at every tick", w.caption, 0);
    const int slot = ++lastSlot_;
    HiddenWindow& added = ledger_.insert_or_assign(slot, std::move(record)).first->second;
    if (!AddWindowIcon(slot, added)) RemoveWindowIcon(slot, added);  // the own icon is its way back
    ShowOwnState();
}

void TrayEngine::TellAboutOverflowOnce(TrayIcon& icon) {
    if (overflowTold_ || !p_.host.NewIconsGoToOverflow()) return;
    overflowTold_ = ReadValue(p_.registry, kHkeyCurrentUser, kSettingsKey, kOverflowTipValue).ToText() == u"1";
    if (overflowTold_ || !icon.ShowBalloon(u"Hidewell", kOverflowTip)) return;  // else told at a later hide
    overflowTold_ = true;
    CreateKey(p_.registry, kHkeyCurrentUser, kSettingsKey);
    WriteValue(p_.registry, kHkeyCurrentUser, kSettingsKey, kOverflowTipValue, u"1", kRegSz);
}

IconHandle TrayEngine::PictureOf(const HiddenWindow& record) {
    const int size = p_.host.TrayIconSize();
    if (record.iconReference == kWindowIconReference) {
        // The window's own icon; for a window that shows none, its program file's; else Hidewell's.
        const IconHandle own = p_.icons.CopyWindowIcon(record.window, size);
        if (own || record.programPath.empty()) return own;
        return p_.icons.ExtractIconSized(record.programPath, 0, size);
    }
    return ExtractReferencedIcon(p_.icons, record.iconReference, size);
}

bool TrayEngine::AddWindowIcon(int slot, HiddenWindow& record) {
    record.picture.Reset(PictureOf(record));
    IconHandle shown = record.picture ? record.picture.Handle() : p_.host.PictureIcon(Picture::Program);
    WindowHandle receiver = p_.host.CreateReceiver(slot);
    record.icon = std::make_unique<TrayIcon>(p_.tray);
    record.icon->SetReceiver(receiver);
    record.icon->SetIcon(shown);
    record.icon->SetTip(record.currentCaption + u'\0');
    dateRebuildRequested_ = true;
    if (receiver && record.icon->Show()) return true;
    p_.log.Failure(u"Hidewell could not add a hidden window's icon; the window was shown again", record.caption, 0);
    return false;
}

void TrayEngine::BringBack(int slot, bool quitting) {
    auto it = ledger_.find(slot);
    if (it == ledger_.end()) return;
    HiddenWindow& record = it->second;
    // The user's restore is on its way: the record goes once the window shows (until Hidewell
    // ends), so that no tick takes the window again before its program got to the restore.
    if (record.restoreAsked && !quitting) return;
    // Asked even when the window looks shown: a hide still queued for it is then undone.
    // A window that was shown when hidden comes back as it was (shown or maximised), not
    // minimised.
    if (!SameWindow(record) || AskShow(record, record.minimiseAsked ? kSwShowNoActivate : kSwShowNa)) {
        ForgetSlot(slot);
        return;
    }
    // Refused: the record keeps its way back and the next tick asks again. Hidewell ending
    // keeps only the journal record, so that the next start tries again.
    record.leaving = true;
    if (quitting) ForgetSlot(slot, true);
}

bool TrayEngine::AskShow(HiddenWindow& record, int command) {
    if (p_.desktop.ShowWindow(record.window, command).accepted) {
        record.showRefused = false;
        return true;
    }
    if (!std::exchange(record.showRefused, true))
        p_.log.Failure(u"Windows refused to show a hidden window; Hidewell asks again at every tick", record.currentCaption, 0);
    return false;
}

void TrayEngine::LeaveToTheUser(WindowHandle h) { appear_.BroughtBack(h); }

void TrayEngine::FollowEntryIcon(int slot, const Entry& entry) {
    HiddenWindow& record = ledger_.at(slot);
    if (record.iconReference == entry.iconReference) return;
    record.iconReference = entry.iconReference;
    if (record.iconReference.empty()) {
        RemoveWindowIcon(slot, record);
    } else if (record.icon) {
        record.picture.Reset(PictureOf(record));
        record.icon->SetIcon(record.picture ? record.picture.Handle() : p_.host.PictureIcon(Picture::Program));
    } else if (!AddWindowIcon(slot, record)) {
        // No way back without an icon: the window is shown again rather than lost.
        RemoveWindowIcon(slot, record);
        BringBack(slot);
    }
}

void TrayEngine::RemoveWindowIcon(int slot, HiddenWindow& record) {
    if (!record.icon) return;
    record.icon->Remove();
    record.icon.reset();
    record.picture.Reset();
    p_.host.DestroyReceiver(slot);
    dateRebuildRequested_ = true;
    if (!ownIcon_.Shown() && IconCount() == 0) ownIcon_.Show();
}

void TrayEngine::ForgetSlot(int slot, bool keepJournal) {
    auto it = ledger_.find(slot);
    if (it == ledger_.end()) return;
    if (!keepJournal) journal_.Remove(it->second.window);
    if (it->second.icon) {
        it->second.icon->Remove();
        p_.host.DestroyReceiver(slot);
        dateRebuildRequested_ = true;
    }
    ledger_.erase(it);
    if (ledger_.empty()) {
        lastSlot_ = 0;
        ShowOwnState();
    }
    // The own icon comes back at once when it was hidden for icons that are now gone, so
    // that windows without an icon of their own keep a way back.
    if (!ownIcon_.Shown() && IconCount() == 0) ownIcon_.Show();
}

void TrayEngine::RenumberSlots() {
    // An icon moves only once the receiver of its new slot is made; where one cannot be, that
    // record and those after it keep their slots and icons.
    std::map<int, HiddenWindow> renumbered;
    int next = 0;
    bool moving = true;
    for (auto& [slot, record] : ledger_) {
        int to = moving ? next + 1 : slot;
        if (to != slot && record.icon) {
            const WindowHandle receiver = p_.host.CreateReceiver(to);
            if (!receiver) {
                moving = false;
                to = slot;
            } else {
                record.icon->Remove();
                p_.host.DestroyReceiver(slot);
                record.icon->SetReceiver(receiver);
                record.icon->Show();
            }
        }
        next = to;
        renumbered.emplace(to, std::move(record));
    }
    ledger_.swap(renumbered);
    lastSlot_ = next;
}

void TrayEngine::RefreshAll() {
    suspended_ = false;
    SettingsChanged();
}

void TrayEngine::SettingsChanged() {
    matcher_.Compile(settings_.entries);
    {
        OperationScope busy(operationBusy_);  // the walk waits on the taskbar
        std::vector<int> slots;
        for (auto& [slot, record] : ledger_) slots.push_back(slot);
        for (int slot : slots) {
            const HiddenWindow& record = ledger_.at(slot);
            if (record.kind == HideKind::Manual || record.leaving) continue;
            const std::size_t j = matcher_.FirstMatch(reader_.Read(record.window));
            if (j == EntryMatcher::kNone)
                BringBack(slot);
            else
                FollowEntryIcon(slot, settings_.entries[j]);
        }
        ShowOwnState();
    }
    RegisterHotkeys();
    FollowRightClickOption(true);
    appear_.FollowEntries(settings_.entries, true);
    // The own icon is reconsidered at the next tick, the date icon taken away now or rebuilt.
    lastIconCount_ = 0;
    if (settings_.hideDateIcon)
        RemoveDateIcon();
    else
        dateRebuildRequested_ = true;
    if (suspended_) return;
    p_.host.SetPollInterval(1);
    SetPolling(true);
}

void TrayEngine::OnIconSizeChanged() {
    OperationScope busy(operationBusy_);
    ShowOwnState();
    for (auto& [slot, record] : ledger_) {
        if (!record.icon) continue;
        record.picture.Reset(PictureOf(record));
        record.icon->SetIcon(record.picture ? record.picture.Handle() : p_.host.PictureIcon(Picture::Program));
    }
}

void TrayEngine::RestoreAll(bool quitting) {
    std::vector<int> slots;
    for (auto& [slot, record] : ledger_) slots.push_back(slot);
    for (int slot : slots) BringBack(slot, quitting);
}

}  // namespace hw
