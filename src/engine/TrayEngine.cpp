// Start-up and ending of the tray engine, and the command inbox's restore and close.
#include "engine/TrayEngine.h"

namespace hw {

TrayEngine::TrayEngine(Platform& platform)
    : platform_(platform),
      reader_(platform.desktop),
      matcher_(platform.caseMapping),
      ledger_(platform, settings_, activity_, reader_),
      windows_(platform, settings_, activity_, ledger_),
      poller_(platform, settings_, activity_, reader_, matcher_, ledger_),
      hand_(platform, settings_, activity_, reader_, ledger_, windows_),
      hotkeys_(platform, settings_, hand_),
      config_(platform, settings_, activity_, reader_, matcher_, ledger_, poller_, hotkeys_, hand_) {}

void TrayEngine::Start(bool withWindows) {
    config_.Load();
    ledger_.Appear().Start(withWindows, settings_.entries);
    ledger_.Icons().ShowOwnIcon();
    ledger_.Rescue(matcher_);
    hotkeys_.Register();
    hand_.FollowRightClickOption(false);

    if (settings_.entries.empty()) {
        platform_.host.ShowConfiguration();
        platform_.ui.ShowMessage(kNoEntriesMessage, kAppTitle, kMbIconInformation);
    }
    poller_.Start();
    platform_.host.EntriesChanged();
}

void TrayEngine::Quit(QuitReason reason) {
    poller_.SetPolling(false);
    const bool sessionEnds = reason == QuitReason::SessionEnd;
    // Nobody waits for an answer while the session ends or an installer closes Hidewell.
    if (!config_.Save()) {
        platform_.log.Failure(kSaveFailedMessage, u"", 0);
        if (!sessionEnds && reason != QuitReason::RestartManager)
            platform_.ui.ShowMessage(kSaveFailedMessage, kAppTitle, kMbIconCritical);
    }
    // At a session end the windows stay hidden; the journal, volatile, ends with the session.
    if (!sessionEnds) ledger_.RestoreAll(true);
    hotkeys_.ReleaseAll();
    ledger_.Icons().RemoveAll();
}

TrayEngine::InboxOutcome TrayEngine::OnInboxRequest(const InboxRequest& request, bool callerAnswered) {
    std::optional<WindowRef> ref = windows_.FindByCaption(request.caption);
    if (!ref) {
        // A caller that gets an answer hears it from its exit code; a box would only make the
        // user dismiss one per request. One that takes no answer gets the box, one at a time.
        platform_.log.Failure(u"No hidden window has the caption asked for", request.caption, 0);
        if (callerAnswered || unknownCaptionBoxUp_) return InboxOutcome::NotFound;
        unknownCaptionBoxUp_ = true;
        platform_.ui.ShowMessage(kUnknownCaptionMessage, kAppTitle, kMbIconCritical);
        unknownCaptionBoxUp_ = false;
        return InboxOutcome::NotFound;
    }
    if (request.command == InboxCommand::Close)
        return windows_.Close(*ref) ? InboxOutcome::Done : InboxOutcome::NotFound;
    if (!windows_.Restore(*ref)) return InboxOutcome::NotFound;
    const bool shows = (platform_.desktop.GetStyle(ref->window) & kWindowVisible) != 0 &&
                       !platform_.desktop.IsIconic(ref->window);
    return shows ? InboxOutcome::Done : InboxOutcome::Asked;
}

}  // namespace hw
