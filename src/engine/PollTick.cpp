// The poll timer's tick: the heart of Hidewell.
#include <algorithm>

#include "common/NumericParse.h"
#include "engine/TrayEngine.h"

namespace hw {

namespace {
constexpr int kErrOverflow = 6;
}  // namespace

// Compiles the title patterns again only when the entries changed since the last time.
void TrayEngine::CompilePatterns() {
    if (patternSources_.size() == settings.entries.size() &&
        std::equal(patternSources_.begin(), patternSources_.end(), settings.entries.begin(),
                   [](const Text& source, const Entry& e) { return source == e.titlePattern; }))
        return;
    patternSources_.clear();
    patterns_.clear();
    for (const Entry& e : settings.entries) {
        patternSources_.push_back(e.titlePattern);
        patterns_.emplace_back(e.titlePattern, p_.caseMapping);
    }
    firstMatchNow_.clear();
    firstMatchBefore_.clear();
}

// The first entry whose pattern matches the caption, or kNoEntry. A caption already met in
// this tick or the one before is not matched again: the answer depends on nothing else.
std::size_t TrayEngine::FirstMatch(const Text& caption) {
    if (auto now = firstMatchNow_.find(caption); now != firstMatchNow_.end()) return now->second;
    std::size_t j = 0;
    if (auto before = firstMatchBefore_.find(caption); before != firstMatchBefore_.end()) {
        j = before->second;
    } else {
        const Text upper = p_.caseMapping.Upper(caption);
        while (j < patterns_.size() && !patterns_[j].MatchesUpper(upper)) ++j;
        if (j == patterns_.size()) j = kNoEntry;
    }
    firstMatchNow_.emplace(caption, j);
    return j;
}

void TrayEngine::PollTick() {
    // No second tick while this one runs, whatever handlers run in between.
    SetPolling(false);
    inTick_ = true;
    struct TickEnd {
        bool& inTick;
        ~TickEnd() { inTick = false; }
    } tickEnd{inTick_};
    p_.host.SetPollInterval(settings.pollIntervalMs);
    CompilePatterns();
    firstMatchBefore_.swap(firstMatchNow_);
    firstMatchNow_.clear();

    // The windows already hidden, walked over a snapshot of the slots.
    std::vector<int> slots;
    for (auto& [slot, record] : hidden_) slots.push_back(slot);
    for (int slot : slots) {
        auto it = hidden_.find(slot);
        if (it == hidden_.end()) continue;
        HiddenWindow& record = it->second;
        WindowHandle h = record.window;
        if (!p_.desktop.IsIconic(h)) {
            if (operationBusy_) break;
            BringBack(slot);
            continue;
        }
        if (!record.hideConfirmed) {
            if (p_.desktop.GetStyle(h) & kWindowVisible) {
                GiveUpSlot(slot);
                continue;
            }
            record.hideConfirmed = true;
        }
        // A hidden window that showed itself again while minimised is hidden again.
        p_.desktop.ShowWindow(h, kSwHide);
        FollowCaption(record, p_.desktop.GetText(h, kScanCaptionMax));
        if (FirstMatch(record.currentCaption) == kNoEntry) BringBack(slot);
    }
    // A window that refused to go is left alone until it is gone.
    std::erase_if(refused_, [&](WindowHandle h) { return !p_.desktop.IsWindow(h); });

    // Newly minimised windows that match an entry.
    if (!ScanMinimisedWindows(p_.desktop, scan_)) {
        FailurePath(kErrOverflow);
        return;
    }
    for (const ScannedWindow& w : scan_) {
        if (IsHidden(w.window) || refused_.count(w.window)) continue;
        std::size_t j = FirstMatch(w.caption);
        if (j == kNoEntry) continue;
        HideWindow(w.window, w.caption, settings.entries[j]);
        // Slots run out at kMaxSlots: renumber them from 1, but only when some have been freed;
        // with every slot still taken a renumbering would hide the same windows again, for ever.
        if (lastSlot_ >= kMaxSlots && HiddenCount() < lastSlot_) {
            RefreshAll();
            return;
        }
    }

    ShowOwnIconStep();
    if (!settings.hideDateIcon && dateIcon) dateIcon->Tick(dateRebuildRequested);
    // Windows just hidden are checked soon, not a whole interval later.
    for (auto& [slot, record] : hidden_) {
        if (record.hideConfirmed) continue;
        p_.host.SetPollInterval(std::min(kHideCheckMs, settings.pollIntervalMs));
        break;
    }
    if (!suspended_) SetPolling(true);
}

void TrayEngine::SetPolling(bool on) {
    polling_ = on;
    p_.host.SetPollTimer(on);
}

void TrayEngine::FollowCaption(HiddenWindow& record, const Text& caption) {
    if (caption == record.currentCaption) return;
    record.currentCaption = caption;
    if (record.icon) record.icon->SetTip(caption + u'\0');
}

void TrayEngine::OnWindowEvent(WindowEvent event, WindowHandle window) {
    if (event == WindowEvent::CaptionChanged) {
        // Only hidden windows matter; the tick itself reads every caption.
        if (inTick_) return;
        for (auto& [slot, record] : hidden_) {
            if (record.window != window) continue;
            Text caption = p_.desktop.GetText(window, kScanCaptionMax);
            if (!caption.empty()) FollowCaption(record, caption);
            return;
        }
        return;
    }
    // A tick soon, through the poll timer: a running tick has it off, and so do suspend and
    // a failed tick. Further events before it fires make no further tick.
    if (inTick_ || suspended_ || !polling_) return;
    p_.host.SetPollInterval(kEventTickMs);
}

// The own icon follows the number of application icons: hidden while there are some, if the
// user chose so; the date icon goes behind whatever changed.
void TrayEngine::ShowOwnIconStep() {
    int count = IconCount();
    if (count == lastIconCount_) return;
    if (settings.hideOwnIcon && count > 0)
        ownIcon_.Remove();
    else
        ownIcon_.Show();
    dateRebuildRequested = true;
    lastIconCount_ = count;
}

void TrayEngine::FailurePath(int errorNumber) {
    LocalTime now = p_.clock.Now();
    Text text = DecimalText(errorNumber) + u" : " + p_.clock.SystemDate(now) + u" : " + p_.clock.SystemTime(now);
    p_.ui.ShowMessage(text, kAppTitle, kMbIconCritical);
    RefreshAll();
    SetPolling(false);
}

void TrayEngine::ToggleSuspend() {
    suspended_ = !suspended_;
    if (suspended_) {
        SetPolling(false);
    } else {
        p_.host.SetPollInterval(1);
        SetPolling(true);
    }
}

}  // namespace hw
