// The poll timer's tick: the heart of Hidewell.
#include <algorithm>

#include "common/NumericParse.h"
#include "engine/TrayEngine.h"

namespace hw {

namespace {
constexpr int kErrOverflow = 6;
}  // namespace

bool TrayEngine::CheckRecord(int slot) {
    HiddenWindow& record = ledger_.at(slot);
    const WindowFacts w = reader_.Read(record.window);
    // Gone, or its handle given to a new window: nothing left to bring back.
    if (!SameWindow(record, w)) {
        ForgetSlot(slot);
        return true;
    }
    if (record.leaving) {
        BringBack(slot);  // Windows refused the show before
        return true;
    }
    const WindowHandle h = record.window;
    const bool visible = w.visible;
    if (record.restoreAsked) {
        if (record.showRefused && !visible) AskShow(record, kSwRestore);
        // Brought back as asked once it shows not minimised: a busy program may still have a
        // hide to carry out first. Until then its icon stays its way back.
        if (visible && !w.minimised) {
            LeaveToTheUser(h);
            ForgetSlot(slot);
        }
        return true;
    }
    if (!w.minimised) {
        // Asked to minimise before the hide, and its program has not got to it yet.
        if (record.minimiseAsked && record.state == HideState::Asked && visible) {
            ++record.checks;
            return true;
        }
        if (operationBusy_) return false;
        // Restored by the user from the taskbar, or by its program.
        LeaveToTheUser(h);
        BringBack(slot);
        return true;
    }
    if (record.state == HideState::Asked) {
        // Its program has not got to the request yet (busy or hung): the record waits, and
        // the request is not sent again.
        if (visible) {
            ++record.checks;
        } else {
            record.state = HideState::Hidden;
        }
    } else if (visible) {
        // It showed itself again while minimised: asked once more.
        if (p_.desktop.ShowWindow(h, kSwHide).accepted) {
            record.state = HideState::Asked;
            record.checks = 0;
        }
    }
    FollowCaption(record, w.caption);
    // A window hidden by hand stays hidden whatever its caption; the others follow the entry
    // that takes them now.
    if (record.kind == HideKind::Manual) return true;
    if (const std::size_t j = matcher_.FirstMatch(w); j == EntryMatcher::kNone)
        BringBack(slot);
    else
        FollowEntryIcon(slot, settings_.entries[j]);
    return true;
}

void TrayEngine::PollTick() {
    RunTick();
    // Minimises reported while the tick ran: its scan may have passed those windows already.
    std::vector<WindowHandle> reported;
    reported.swap(reportedInTick_);
    for (WindowHandle h : reported) HideReportedMinimise(h);
}

void TrayEngine::RunTick() {
    // No second tick while this one runs, whatever handlers run in between.
    SetPolling(false);
    inTick_ = true;
    struct TickEnd {
        bool& inTick;
        ~TickEnd() { inTick = false; }
    } tickEnd{inTick_};
    p_.host.SetPollInterval(settings_.pollIntervalMs);
    matcher_.Compile(settings_.entries);
    matcher_.NextRound();

    // The ledger, walked over a snapshot of the slots.
    std::vector<int> slots;
    for (auto& [slot, record] : ledger_) slots.push_back(slot);
    for (int slot : slots) {
        if (!ledger_.count(slot)) continue;
        if (!CheckRecord(slot)) break;
    }
    // A window that refused to go is left alone until it is gone.
    std::erase_if(refused_, [&](const auto& refused) { return !p_.desktop.IsWindow(refused.first); });

    // Newly minimised windows that match an entry, and new windows of entries that hide them
    // as soon as they appear.
    appear_.FollowEntries(settings_.entries, false);
    if (!reader_.Scan(scan_, appear_.Watching())) {
        FailurePath(kErrOverflow);
        return;
    }
    appear_.Observe(scan_);
    for (const WindowFacts& w : scan_) {
        if (InLedger(w.window) || refused_.count(w.window)) continue;
        const std::size_t j = matcher_.FirstMatch(w);
        if (j == EntryMatcher::kNone) continue;
        if (!w.minimised && !(settings_.entries[j].hideOnAppear && appear_.Appearing(w.window))) continue;
        HideWindow(w, settings_.entries[j]);
        if (!w.minimised && InLedger(w.window)) appear_.Took(w);
        // Slots run out at kMaxSlots: renumbered from 1, but only when some have been freed.
        if (lastSlot_ >= kMaxSlots && HiddenCount() < lastSlot_) RenumberSlots();
    }

    ShowOwnIconStep();
    KeepIcons();
    TellRefusals();
    WatchLedgerCaptions();
    if (!settings_.hideDateIcon && dateIcon_) dateIcon_->Tick(dateRebuildRequested_);
    // Windows just asked to hide are checked soon, not a whole interval later.
    for (auto& [slot, record] : ledger_) {
        if (record.state != HideState::Asked || record.checks >= kEarlyHideChecks) continue;
        p_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
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
        for (auto& [slot, record] : ledger_) {
            if (record.window != window) continue;
            Text caption = p_.desktop.GetText(window, kScanCaptionMax);
            if (!caption.empty()) FollowCaption(record, caption);
            return;
        }
        // A window that appears may now match an entry.
        if (!appear_.Appearing(window)) return;
    } else if (event == WindowEvent::Minimized) {
        if (inTick_ && reportedInTick_.size() < kMaxReportedInTick) reportedInTick_.push_back(window);
        // A window brought back and minimised again by the user is hidden again as new.
        for (auto& [slot, record] : ledger_) {
            if (record.window != window || !record.restoreAsked) continue;
            if (p_.desktop.GetStyle(window) & kWindowVisible) {
                record.restoreAsked = false;
                record.state = HideState::Hidden;
            }
            break;
        }
        if (HideReportedMinimise(window)) return;
    } else if (event == WindowEvent::Appeared) {
        if (!appear_.OnAppeared(window) || InLedger(window)) return;
    }
    // A tick soon, through the poll timer: a running tick has it off, and so do suspend and
    // a failed tick. Further events before it fires make no further tick.
    if (inTick_ || suspended_ || !polling_) return;
    p_.host.SetPollInterval(kEventTickMs);
}

bool TrayEngine::HideReportedMinimise(WindowHandle window) {
    // Not inside a tick, a window operation or an icon's event, which may be waiting on
    // another program; nor while suspended or after a failed tick.
    if (inTick_ || operationBusy_ || handlingIconEvent_ || suspended_ || !polling_) return false;
    if (InLedger(window) || refused_.count(window)) return false;
    const WindowFacts w = reader_.Read(window);
    if (!w.minimised || !Qualifies(w)) return false;
    matcher_.Compile(settings_.entries);
    const std::size_t j = matcher_.FirstMatch(w);
    if (j == EntryMatcher::kNone) return false;
    HideWindow(w, settings_.entries[j]);
    if (lastSlot_ >= kMaxSlots && HiddenCount() < lastSlot_) RenumberSlots();
    // The rest (the own icon, caption watching, whether the hide was carried out) follows at
    // a tick soon.
    p_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
    return true;
}

// The own icon follows the number of application icons: hidden while there are some, if the
// user chose so; the date icon goes behind whatever changed.
void TrayEngine::ShowOwnIconStep() {
    int count = IconCount();
    if (count == lastIconCount_) return;
    if (settings_.hideOwnIcon && count > 0)
        ownIcon_.Remove();
    else
        ownIcon_.Show();
    dateRebuildRequested_ = true;
    lastIconCount_ = count;
}

void TrayEngine::WatchLedgerCaptions() {
    if (!captionWatch_) return;
    std::vector<std::uint32_t> processes;
    for (auto& [slot, record] : ledger_) processes.push_back(record.processId);
    appear_.AddCaptionProcesses(processes);
    std::sort(processes.begin(), processes.end());
    processes.erase(std::unique(processes.begin(), processes.end()), processes.end());
    if (processes == watchedProcesses_) return;
    watchedProcesses_ = processes;
    captionWatch_->WatchCaptionsOf(watchedProcesses_);
}

void TrayEngine::KeepIcons() {
    // One icon is asked: the own one, or a window's while the own one is hidden.
    TrayIcon* probe = ownIcon_.Shown() ? &ownIcon_ : nullptr;
    for (auto it = ledger_.begin(); !probe && it != ledger_.end(); ++it)
        if (it->second.icon && it->second.icon->Shown()) probe = it->second.icon.get();
    if (probe && !probe->StillThere()) {
        OnTaskbarCreated();
        return;
    }
    ownIcon_.RetryAdd();
    for (auto& [slot, record] : ledger_)
        if (record.icon) record.icon->RetryAdd();
}

void TrayEngine::FailurePath(int errorNumber) {
    LocalTime now = p_.clock.Now();
    Text text = DecimalText(errorNumber) + u" : " + p_.clock.SystemDate(now) + u" : " + p_.clock.SystemTime(now);
    p_.ui.ShowMessage(text, kAppTitle, kMbIconCritical);
    // Polling stops; every window in the ledger is shown again rather than left without a
    // way back.
    SetPolling(false);
    RestoreAll();
}

void TrayEngine::ToggleSuspend() {
    suspended_ = !suspended_;
    ShowOwnState();
    if (suspended_) {
        SetPolling(false);
    } else {
        p_.host.SetPollInterval(1);
        SetPolling(true);
    }
}

}  // namespace hw
