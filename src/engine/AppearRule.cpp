#include "engine/AppearRule.h"

#include <algorithm>

#include "common/NumericParse.h"

namespace hw {

AppearRule::AppearRule(Desktop& desktop, Clock& clock, HiddenJournal& journal, Log& log, Ui& ui)
    : desktop_(desktop), clock_(clock), journal_(journal), log_(log), ui_(ui) {}

void AppearRule::Start(bool withWindows, const std::vector<Entry>& entries) {
    // The same window only: its handle may have been given to another since.
    for (const JournalRecord& r : journal_.ReadBroughtBack()) {
        if (desktop_.ProcessId(r.window) == r.processId && desktop_.ClassName(r.window) == r.className)
            leftAlone_[r.window] = {r.processId, true};
        else
            journal_.RemoveBroughtBack(r.window);
    }
    startedWithWindows_ = withWindows;
    FollowEntries(entries, false);
}

void AppearRule::SetWatch(CaptionWatch* watch) {
    watch_ = watch;
    watchAsked_ = false;
    FollowWatch(false);
}

void AppearRule::FollowEntries(const std::vector<Entry>& entries, bool userAsked) {
    const bool on = std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return e.hideOnAppear; });
    if (on != watching_) {
        watching_ = on;
        seen_.clear();
        std::erase_if(leftAlone_, [](const auto& left) { return !left.second.remembered; });
        if (on) {
            // The windows open now: appearing only at the start with Windows.
            const std::uint64_t now = clock_.Milliseconds();
            for (WindowHandle h = desktop_.FirstTopLevel(); h; h = desktop_.NextWindow(h))
                if (desktop_.IsIconic(h) || (desktop_.GetStyle(h) & kWindowVisible))
                    seen_[h] = {desktop_.ProcessId(h), now, !startedWithWindows_, 0};
        }
    }
    startedWithWindows_ = false;
    FollowWatch(userAsked);
}

void AppearRule::FollowWatch(bool userAsked) {
    if (watchAsked_ == watching_ || !watch_) return;
    watchAsked_ = watching_;
    if (!watching_) {
        watch_->WatchAppearances(false);
        shellTellsCaptions_ = false;
        return;
    }
    const AppearanceWatch how = watch_->WatchAppearances(true);
    shellTellsCaptions_ = how.shellNotices;
    if (how.shellNotices) return;
    if (how.shownHook) {
        log_.Failure(kShellNoticesFailure, u"", how.shellError);
        return;
    }
    // New windows are still found at each tick, only later.
    log_.Failure(kAppearWatchFailure, u"", how.hookError);
    if (userAsked)
        ui_.ShowMessage(kAppearWatchFailure + u" (error " + DecimalText(how.hookError) +
                            u"); it looks for them at each poll instead.",
                        kAppTitle, kMbIconExclamation);
}

bool AppearRule::OnAppeared(WindowHandle h) {
    if (!watching_) return false;
    const Seen now{desktop_.ProcessId(h), clock_.Milliseconds(), false, round_};
    // First seen now, or its handle given to a new window.
    auto [it, added] = seen_.try_emplace(h, now);
    if (!added && it->second.processId != now.processId) it->second = now;
    return Appearing(h);
}

bool AppearRule::Appearing(WindowHandle h) const {
    if (!watching_ || leftAlone_.count(h)) return false;
    auto it = seen_.find(h);
    return it != seen_.end() && Appearing(it->second, clock_.Milliseconds());
}

void AppearRule::Observe(const std::vector<WindowFacts>& scan) {
    // A window gone, or whose handle another process's window took, is forgotten.
    std::erase_if(leftAlone_, [&](const auto& left) {
        if (desktop_.ProcessId(left.first) == left.second.processId) return false;
        if (left.second.remembered) journal_.RemoveBroughtBack(left.first);
        return true;
    });
    if (!watching_) return;
    const std::uint64_t now = clock_.Milliseconds();
    ++round_;
    for (const WindowFacts& w : scan) {
        const Seen first{w.processId, now, false, round_};
        auto [it, added] = seen_.try_emplace(w.window, first);
        if (!added && it->second.processId != w.processId) it->second = first;
        it->second.round = round_;
    }
    std::erase_if(seen_, [&](const auto& seen) {
        return seen.second.round != round_ && desktop_.ProcessId(seen.first) != seen.second.processId;
    });
}

void AppearRule::Took(const WindowFacts& w) { leftAlone_.try_emplace(w.window, LeftAlone{w.processId, false}); }

void AppearRule::BroughtBack(WindowHandle h) {
    const std::uint32_t processId = desktop_.ProcessId(h);
    LeftAlone& left = leftAlone_[h];
    if (left.remembered && left.processId == processId) return;
    left = {processId, true};
    const Text caption = desktop_.GetText(h, kScanCaptionMax);
    if (!journal_.AddBroughtBack({h, processId, desktop_.CurrentSession(), desktop_.ClassName(h), caption}))
        log_.Failure(u"Hidewell could not remember a window brought back for the next start", caption, 0);
}

void AppearRule::AddCaptionProcesses(std::vector<std::uint32_t>& processes) const {
    if (!watching_ || shellTellsCaptions_) return;
    const std::uint64_t now = clock_.Milliseconds();
    for (const auto& [h, seen] : seen_)
        if (Appearing(seen, now) && !leftAlone_.count(h)) processes.push_back(seen.processId);
}

}  // namespace hw
