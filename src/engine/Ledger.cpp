// The ledger of hidden windows: asking for a hide or a show, forgetting a record, the slots,
// and the rescue of a dead run's windows.
#include "engine/Ledger.h"

#include <utility>

#include "ui/IconTools.h"

namespace hw {

Ledger::Ledger(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader)
    : platform_(platform),
      settings_(settings),
      reader_(reader),
      icons_(platform, settings, activity, slots_),
      notices_(platform, icons_),
      journal_(platform.registry, kJournalKey),
      appear_(platform.desktop, platform.clock, journal_, platform.log, platform.ui) {}

bool Ledger::Contains(WindowHandle h) const {
    for (auto& [slot, record] : slots_)
        if (record.window == h) return true;
    return false;
}

HiddenWindow* Ledger::RecordOf(WindowHandle h) {
    for (auto& [slot, record] : slots_)
        if (record.window == h) return &record;
    return nullptr;
}

HiddenWindow* Ledger::Find(const WindowRef& ref) {
    for (auto& [slot, record] : slots_)
        if (record.id == ref.record) return record.window == ref.window ? &record : nullptr;
    return nullptr;
}

int Ledger::SlotOf(RecordId id) const {
    for (auto& [slot, record] : slots_)
        if (record.id == id) return slot;
    return 0;
}

bool Ledger::SameWindow(const HiddenWindow& record) {
    return platform_.desktop.IsWindow(record.window) && platform_.desktop.ProcessId(record.window) == record.processId &&
           platform_.desktop.ClassName(record.window) == record.className;
}

void Ledger::Rescue(EntryMatcher& matcher) {
    matcher.Compile(settings_.entries);
    const std::uint32_t session = platform_.desktop.CurrentSession();
    for (const JournalRecord& r : journal_.Read()) {
        // Another session's Hidewell, still running, looks after its own records.
        if (r.session != 0 && r.session != session && platform_.desktop.SessionExists(r.session)) continue;
        const WindowHandle h = r.window;
        // The same window only: a handle may have been given to another window since.
        const WindowFacts w = reader_.Read(h);
        if (w.window && w.processId == r.processId && w.className == r.className) {
            // What an entry still matches is taken into this run's ledger, as a tick would.
            const std::size_t j = Qualifies(w) && w.minimised ? matcher.FirstMatch(w) : EntryMatcher::kNone;
            if (j != EntryMatcher::kNone) {
                Hide(w, settings_.entries[j]);
                if (Contains(h)) continue;
            }
            // Asked even when it looks shown: the dead run's hide may still wait in its queue.
            // Refused, the window keeps its journal record and a way back, and is asked again.
            if (!platform_.desktop.ShowWindow(h, kSwShowNa).accepted) {
                KeepRefusedRescue(w);
                continue;
            }
            // Shown again already, by the user or its program: no appear rule takes it now.
            if (w.visible && !w.minimised) appear_.BroughtBack(h);
        }
        journal_.Remove(h);
    }
}

void Ledger::Hide(const WindowFacts& w, const Entry& entry, HideKind kind) {
    const WindowHandle h = w.window;
    const Text& caption = w.caption;
    // Windows drops requests to a program of higher rights; it is not asked in vain.
    if (w.aboveUs) {
        notices_.Refuse(h, CannotHideMessage(caption));
        return;
    }
    if (w.className == kStoreAppFrameClass) {
        notices_.Refuse(h, StoreAppMessage(caption));
        return;
    }
    // A window without an icon of its own is reached through the own icon or another hidden
    // window's icon; while the shell has none of them (it is still starting), it waits.
    if (entry.iconReference.empty() && !icons_.Reachable()) return;
    HiddenWindow record = NewRecord(w, entry.iconReference, kind);
    // A shown window is minimised first, so that its owned windows go with it.
    record.minimiseAsked = !w.minimised;
    // On disk before the request, so that a crash from here on cannot lose the window.
    if (!journal_.Add({h, record.processId, platform_.desktop.CurrentSession(), record.className, caption}))
        platform_.log.Failure(u"Hidewell could not write the journal of hidden windows", caption, 0);
    if (record.minimiseAsked) platform_.desktop.ShowWindow(h, kSwMinimize);
    if (!platform_.desktop.ShowWindow(h, kSwHide).accepted) {
        journal_.Remove(h);
        notices_.Refuse(h, RefusedHideMessage(caption));
        return;
    }
    const int slot = ++lastSlot_;
    HiddenWindow& added = slots_.insert_or_assign(slot, std::move(record)).first->second;
    // The window's own icon goes up first, so it appears as soon as the window is gone.
    bool iconShown = added.iconReference.empty() || icons_.AddWindowIcon(slot, added);
    icons_.ShowOwnState();
    // No way back without an icon: the window is shown again rather than lost (while Windows
    // refuses that, the own icon is its way back).
    if (!iconShown) {
        icons_.RemoveWindowIcon(slot, added);
        BringBack(slot);
        return;
    }
    notices_.TellAboutOverflowOnce(added.icon ? *added.icon : icons_.Own());
}

HiddenWindow Ledger::NewRecord(const WindowFacts& w, const Text& iconReference, HideKind kind) {
    HiddenWindow record(platform_.icons);
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

void Ledger::KeepRefusedRescue(const WindowFacts& w) {
    HiddenWindow record = NewRecord(w, kWindowIconReference, HideKind::Manual);
    record.state = HideState::Hidden;
    record.leaving = record.showRefused = true;
    platform_.log.Failure(u"Windows refused to show a hidden window; Hidewell asks again at every tick", w.caption, 0);
    const int slot = ++lastSlot_;
    HiddenWindow& added = slots_.insert_or_assign(slot, std::move(record)).first->second;
    if (!icons_.AddWindowIcon(slot, added)) icons_.RemoveWindowIcon(slot, added);  // the own icon is its way back
    icons_.ShowOwnState();
}

void Ledger::BringBack(int slot, bool quitting) {
    auto it = slots_.find(slot);
    if (it == slots_.end()) return;
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

void Ledger::RestoreAll(bool quitting) {
    Walk([&](int slot, HiddenWindow&) {
        BringBack(slot, quitting);
        return true;
    });
}

bool Ledger::AskShow(HiddenWindow& record, int command) {
    if (platform_.desktop.ShowWindow(record.window, command).accepted) {
        record.showRefused = false;
        return true;
    }
    if (!std::exchange(record.showRefused, true))
        platform_.log.Failure(u"Windows refused to show a hidden window; Hidewell asks again at every tick",
                              record.currentCaption, 0);
    return false;
}

void Ledger::FollowEntry(int slot, const Entry& entry) {
    // No way back without an icon: the window is shown again rather than lost.
    if (!icons_.FollowEntryIcon(slot, slots_.at(slot), entry)) BringBack(slot);
}

void Ledger::ForgetSlot(int slot, bool keepJournal) {
    auto it = slots_.find(slot);
    if (it == slots_.end()) return;
    if (!keepJournal) journal_.Remove(it->second.window);
    icons_.DropWindowIcon(slot, it->second);
    slots_.erase(it);
    if (slots_.empty()) {
        lastSlot_ = 0;
        icons_.ShowOwnState();
    }
    icons_.KeepOwnWayBack();
}

void Ledger::RenumberWhenFull() {
    if (lastSlot_ >= kMaxSlots && static_cast<int>(slots_.size()) < lastSlot_) RenumberSlots();
}

void Ledger::RenumberSlots() {
    // An icon moves only once the receiver of its new slot is made; where one cannot be, that
    // record and those after it keep their slots and icons.
    SlotMap renumbered;
    int next = 0;
    bool moving = true;
    for (auto& [slot, record] : slots_) {
        int to = moving ? next + 1 : slot;
        if (to != slot && record.icon) {
            const WindowHandle receiver = platform_.host.CreateReceiver(to);
            if (!receiver) {
                moving = false;
                to = slot;
            } else {
                record.icon->Remove();
                platform_.host.DestroyReceiver(slot);
                record.icon->SetReceiver(receiver);
                record.icon->Show();
            }
        }
        next = to;
        renumbered.emplace(to, std::move(record));
    }
    slots_.swap(renumbered);
    lastSlot_ = next;
}

}  // namespace hw
