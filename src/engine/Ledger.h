#pragma once
// The ledger: every window Hidewell has asked to hide and not yet shown again, by slot; its
// copy on disk (the journal, written before each hide request) and the rescue at start of what
// a run that ended without a clean exit left hidden. The menus, the task list and the command
// line are views of it (WindowActions).
#include <cstdint>
#include <vector>

#include "engine/Activity.h"
#include "engine/AppearRule.h"
#include "engine/EntryMatcher.h"
#include "engine/HiddenJournal.h"
#include "engine/HiddenWindow.h"
#include "engine/IconNotices.h"
#include "engine/LedgerIcons.h"
#include "engine/Platform.h"
#include "engine/WindowFacts.h"
#include "settings/Settings.h"
#include "settings/SettingsLayout.h"

namespace hw {

// Slot numbers run from 1; past this many they are renumbered once some are free.
constexpr int kMaxSlots = 30;
// The journal of hidden windows: a volatile key under the settings key.
inline const Text kJournalKey = kSettingsKey + u"\\" + kJournalKeyName;

// Whether the window now is still the window the record was made for.
inline bool SameWindow(const HiddenWindow& record, const WindowFacts& now) {
    return now.window == record.window && now.processId == record.processId && now.className == record.className;
}

// Whether the user brought the record's window back (from its taskbar button, or its program
// did): shown not minimised, and not a window asked to minimise whose program has not got to it.
inline bool BroughtBackByTheUser(const HiddenWindow& record, const WindowFacts& now) {
    if (now.minimised) return false;
    return !(record.minimiseAsked && record.state == HideState::Asked && now.visible);
}

class Ledger {
public:
    Ledger(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader);
    // The windows' icons go before the own icon.
    ~Ledger() { slots_.clear(); }
    Ledger(const Ledger&) = delete;
    Ledger& operator=(const Ledger&) = delete;

    // Asks for the window to be hidden and records it in a new slot, or refuses it (higher
    // rights, a Store app, Windows refused) with a notice told once.
    void Hide(const WindowFacts& w, const Entry& entry, HideKind kind = HideKind::Rule);
    // Shows again what a run that ended without a clean exit left hidden, except what an
    // entry still matches, which goes into this run's ledger.
    void Rescue(EntryMatcher& matcher);
    // Asks for the slot's window to be shown again and forgets it; when Windows refuses, the
    // record stays, leaving, and the next tick asks again (quitting: only the journal keeps it).
    void BringBack(int slot, bool quitting = false);
    // Shows every window in the ledger again and empties it; a window whose show Windows
    // refused stays in it with its way back (quitting: only in the journal).
    void RestoreAll(bool quitting = false);
    // Asks for the record's window to be shown; false when Windows refused (logged once).
    bool AskShow(HiddenWindow& record, int command);
    // A rule record follows the entry that takes its window now: its icon changes with the
    // entry's, and without a way back the window is shown again.
    void FollowEntry(int slot, const Entry& entry);
    // Forgets the slot: its icon, receiver and (unless kept) journal record go; with no hidden
    // window left, the own icon shows the empty folder and slots count from 1 again.
    void ForgetSlot(int slot, bool keepJournal = false);
    // Slots run out at kMaxSlots: renumbered from 1, but only when some have been freed.
    void RenumberWhenFull();

    // Visits each slot as it was when the walk began, unless it has gone meanwhile; the walk
    // stops when visit answers false.
    template <typename Visit>
    void Walk(Visit visit) {
        std::vector<int> snapshot;
        snapshot.reserve(slots_.size());
        for (auto& [slot, record] : slots_) snapshot.push_back(slot);
        for (int slot : snapshot) {
            auto it = slots_.find(slot);
            if (it != slots_.end() && !visit(slot, it->second)) break;
        }
    }
    const SlotMap& Slots() const { return slots_; }
    // The record that ref names, if it is still in the ledger for the same window.
    HiddenWindow* Find(const WindowRef& ref);
    int SlotOf(RecordId id) const;
    // The record of the window, if the ledger holds it.
    HiddenWindow* RecordOf(WindowHandle h);
    bool Contains(WindowHandle h) const;
    // Whether the record's window is still the window it was made for.
    bool SameWindow(const HiddenWindow& record);

    LedgerIcons& Icons() { return icons_; }
    IconNotices& Notices() { return notices_; }
    // Entries that hide windows as they appear; the windows the user brought back are kept in
    // the journal's key.
    AppearRule& Appear() { return appear_; }

private:
    HiddenWindow NewRecord(const WindowFacts& w, const Text& iconReference, HideKind kind);
    // A window a dead run hid whose show Windows refused: in the ledger with its own icon, and
    // asked again at every tick.
    void KeepRefusedRescue(const WindowFacts& w);
    // Gives the records the slots 1, 2, ... in their order, moving their icons.
    void RenumberSlots();

    Platform& platform_;
    const Settings& settings_;
    WindowReader& reader_;
    SlotMap slots_;
    LedgerIcons icons_;
    IconNotices notices_;
    HiddenJournal journal_;
    AppearRule appear_;
    RecordId lastRecord_ = 0;
    int lastSlot_ = 0;
};

}  // namespace hw
