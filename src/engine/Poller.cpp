// The poll timer's tick: the heart of Hidewell.
#include "engine/Poller.h"

#include <algorithm>

#include "common/NumericParse.h"
#include "engine/WindowActions.h"

namespace hw {

Poller::Poller(Platform& platform, const Settings& settings, Activity& activity, WindowReader& reader,
               EntryMatcher& matcher, Ledger& ledger)
    : platform_(platform), settings_(settings), activity_(activity), reader_(reader), matcher_(matcher), ledger_(ledger) {}

void Poller::Start() {
    platform_.host.SetPollInterval(kFirstTickMs);
    SetPolling(true);
}

bool Poller::CheckRecord(int slot, HiddenWindow& record) {
    const WindowFacts w = reader_.Read(record.window);
    // Gone, or its handle given to a new window: nothing left to bring back.
    if (!SameWindow(record, w)) {
        ledger_.ForgetSlot(slot);
        return true;
    }
    if (record.leaving) {
        ledger_.BringBack(slot);  // Windows refused the show before
        return true;
    }
    const WindowHandle h = record.window;
    const bool visible = w.visible;
    if (record.restoreAsked) {
        if (record.showRefused) ledger_.AskShow(record, kSwRestore);
        // Brought back as asked once it shows not minimised and Windows took the show: a busy
        // program may still have a hide to carry out first. Until then its icon stays its way
        // back.
        if (visible && !w.minimised && !record.showRefused) {
            LeaveToTheUser(h);
            ledger_.ForgetSlot(slot);
        }
        return true;
    }
    if (!w.minimised) {
        // Asked to minimise before the hide, and its program has not got to it yet.
        if (!BroughtBackByTheUser(record, w)) {
            ++record.checks;
            return true;
        }
        if (activity_.operation) return false;
        // Restored by the user from the taskbar, or by its program.
        LeaveToTheUser(h);
        ledger_.BringBack(slot);
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
        if (platform_.desktop.ShowWindow(h, kSwHide).accepted) {
            record.state = HideState::Asked;
            record.checks = 0;
        }
    }
    FollowCaption(record, w.caption);
    // A window hidden by hand stays hidden whatever its caption; the others follow the entry
    // that takes them now.
    if (record.kind == HideKind::Manual) return true;
    if (const std::size_t j = matcher_.FirstMatch(w); j == EntryMatcher::kNone)
        ledger_.BringBack(slot);
    else
        ledger_.FollowEntry(slot, settings_.entries[j]);
    return true;
}

void Poller::PollTick() {
    RunTick();
    // Minimises reported while the tick ran: its scan may have passed those windows already.
    std::vector<WindowHandle> reported;
    reported.swap(reportedInTick_);
    for (WindowHandle h : reported) HideReportedMinimise(h);
}

void Poller::RunTick() {
    // No second tick while this one runs, whatever handlers run in between.
    SetPolling(false);
    activity_.inTick = true;
    struct TickEnd {
        bool& inTick;
        ~TickEnd() { inTick = false; }
    } tickEnd{activity_.inTick};
    platform_.host.SetPollInterval(settings_.pollIntervalMs);
    matcher_.Compile(settings_.entries);
    matcher_.NextRound();

    ledger_.Walk([&](int slot, HiddenWindow& record) { return CheckRecord(slot, record); });
    // A window that refused to go is left alone until it is gone.
    ledger_.Notices().ForgetGone();

    // Newly minimised windows that match an entry, and new windows of entries that hide them
    // as soon as they appear.
    AppearRule& appear = ledger_.Appear();
    appear.FollowEntries(settings_.entries, false);
    if (!reader_.Scan(scan_, appear.Watching())) {
        StopOnCrowdedDesktop();
        return;
    }
    appear.Observe(scan_);
    for (const WindowFacts& w : scan_) {
        if (ledger_.Contains(w.window) || ledger_.Notices().Refused(w.window)) continue;
        const std::size_t j = matcher_.FirstMatch(w);
        if (j == EntryMatcher::kNone) continue;
        if (!w.minimised && !(settings_.entries[j].hideOnAppear && appear.Appearing(w.window))) continue;
        ledger_.Hide(w, settings_.entries[j]);
        if (!w.minimised && ledger_.Contains(w.window)) appear.Took(w);
        ledger_.RenumberWhenFull();
    }

    LedgerIcons& icons = ledger_.Icons();
    icons.FollowIconCount();
    icons.Keep();
    ledger_.Notices().TellRefusals();
    WatchLedgerCaptions();
    icons.TickDate();
    // Windows just asked to hide are checked soon, not a whole interval later.
    for (auto& [slot, record] : ledger_.Slots()) {
        if (record.state != HideState::Asked || record.checks >= kEarlyHideChecks) continue;
        platform_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
        break;
    }
    if (!activity_.suspended) SetPolling(true);
}

void Poller::SetPolling(bool on) {
    activity_.polling = on;
    platform_.host.SetPollTimer(on);
}

void Poller::Resume() {
    platform_.host.SetPollInterval(1);
    SetPolling(true);
}

void Poller::FollowCaption(HiddenWindow& record, const Text& caption) {
    if (caption == record.currentCaption) return;
    record.currentCaption = caption;
    if (record.icon) record.icon->SetTip(caption + u'\0');
}

void Poller::OnWindowEvent(WindowEvent event, WindowHandle window) {
    if (event == WindowEvent::CaptionChanged) {
        // Only hidden windows matter; the tick itself reads every caption.
        if (activity_.inTick) return;
        if (HiddenWindow* record = ledger_.RecordOf(window)) {
            Text caption = platform_.desktop.GetText(window, kScanCaptionMax);
            if (!caption.empty()) FollowCaption(*record, caption);
            return;
        }
        // A window that appears may now match an entry.
        if (!ledger_.Appear().Appearing(window)) return;
    } else if (event == WindowEvent::Minimized) {
        if (activity_.inTick && reportedInTick_.size() < kMaxReportedInTick) reportedInTick_.push_back(window);
        // A window brought back and minimised again by the user is hidden again as new.
        HiddenWindow* record = ledger_.RecordOf(window);
        if (record && record->restoreAsked && (platform_.desktop.GetStyle(window) & kWindowVisible)) {
            record->restoreAsked = false;
            record->state = HideState::Hidden;
        }
        if (HideReportedMinimise(window)) return;
    } else if (event == WindowEvent::Appeared) {
        if (!ledger_.Appear().OnAppeared(window) || ledger_.Contains(window)) return;
    }
    // A tick soon, through the poll timer: a running tick has it off, and so do suspend and
    // a failed tick. Further events before it fires make no further tick.
    if (activity_.inTick || activity_.suspended || !activity_.polling) return;
    platform_.host.SetPollInterval(kEventTickMs);
}

bool Poller::HideReportedMinimise(WindowHandle window) {
    // Not inside a tick, a window operation or an icon's event, which may be waiting on
    // another program; nor while suspended or after a failed tick.
    if (activity_.inTick || activity_.operation || activity_.iconEvent || activity_.suspended || !activity_.polling)
        return false;
    if (ledger_.Contains(window) || ledger_.Notices().Refused(window)) return false;
    const WindowFacts w = reader_.Read(window);
    if (!w.minimised || !Qualifies(w)) return false;
    matcher_.Compile(settings_.entries);
    const std::size_t j = matcher_.FirstMatch(w);
    if (j == EntryMatcher::kNone) return false;
    ledger_.Hide(w, settings_.entries[j]);
    ledger_.RenumberWhenFull();
    // The rest (the own icon, caption watching, whether the hide was carried out) follows at
    // a tick soon.
    platform_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
    return true;
}

void Poller::StopOnCrowdedDesktop() {
    LocalTime now = platform_.clock.Now();
    Text text = DecimalText(kCrowdedDesktopNumber) + u" : " + platform_.clock.SystemDate(now) + u" : " +
                platform_.clock.SystemTime(now);
    platform_.ui.ShowMessage(text, kAppTitle, kMbIconCritical);
    SetPolling(false);
    ledger_.RestoreAll();
}

void Poller::ToggleSuspend() {
    activity_.suspended = !activity_.suspended;
    ledger_.Icons().ShowOwnState();
    if (activity_.suspended)
        SetPolling(false);
    else
        Resume();
}

// The appear rule.


void Poller::WatchLedgerCaptions() {
    if (!captionWatch_) return;
    std::vector<std::uint32_t> processes;
    for (auto& [slot, record] : ledger_.Slots()) processes.push_back(record.processId);
    ledger_.Appear().AddCaptionProcesses(processes);
    std::sort(processes.begin(), processes.end());
    processes.erase(std::unique(processes.begin(), processes.end()), processes.end());
    if (processes == watchedProcesses_) return;
    watchedProcesses_ = processes;
    captionWatch_->WatchCaptionsOf(watchedProcesses_);
}

}  // namespace hw
