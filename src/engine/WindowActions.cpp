// What can be done to one window in the ledger: restore it, close it, send it a system command.
// Each is the one way for the popups, the own menu, the task list and the command line.
#include <algorithm>

#include "common/TrimSpaces.h"
#include "engine/OperationScope.h"
#include "engine/TrayEngine.h"

namespace hw {

bool TrayEngine::Restore(const WindowRef& ref) {
    OperationScope busy(operationBusy_);
    HiddenWindow* record = Find(ref);
    if (!record || !SameWindow(*record)) return false;
    const WindowHandle h = record->window;
    // It leaves the ledger once it shows; until then its icon stays, so a program that is busy
    // keeps its way back.
    record->restoreAsked = true;
    AskShow(*record, kSwShow);
    bool front = p_.desktop.SetForeground(h);
    p_.desktop.SendTimeout(h, kWmSysCommand, kScRestore, 0);
    // Without the foreground right (a request from a program in the background) the window
    // comes back where it was and its taskbar button asks for the user's attention.
    if (!front) {
        p_.desktop.ShowWindow(h, kSwRestore);
        p_.desktop.Flash(h);
    }
    // Its icon goes as soon as it shows: now, or at a tick that comes soon.
    const bool shows = (p_.desktop.GetStyle(h) & kWindowVisible) != 0 && !p_.desktop.IsIconic(h);
    if (shows && record->state == HideState::Hidden) {
        LeaveToTheUser(h);
        ForgetSlot(SlotOf(record->id));
    } else if (polling_ && !inTick_)
        p_.host.SetPollInterval(std::min(kHideCheckMs, settings_.pollIntervalMs));
    return true;
}

bool TrayEngine::Close(const WindowRef& ref) {
    OperationScope busy(operationBusy_);
    HiddenWindow* record = Find(ref);
    if (!record) return false;
    const WindowHandle h = record->window;
    if (!SameWindow(*record)) {
        ForgetSlot(SlotOf(record->id));
        return false;
    }
    // Shown first, so that a window that asks before closing can be answered, and one that
    // cancels the close stays on the taskbar. Where Windows refuses the show, the record stays
    // with its way back until the window shows, as after a restore; the next ticks ask again.
    p_.desktop.ShowWindow(h, kSwRestore);
    if (AskShow(*record, kSwShow))
        ForgetSlot(SlotOf(record->id));
    else
        record->restoreAsked = true;
    p_.desktop.SendTimeout(h, kWmClose, static_cast<std::uint64_t>(-1), 0);
    return true;
}

TrayEngine::InboxOutcome TrayEngine::OnInboxRequest(const InboxRequest& request, bool callerAnswered) {
    std::optional<WindowRef> ref = FindByCaption(request.caption);
    if (!ref) {
        // A caller that gets an answer hears it from its exit code; a box would only make the
        // user dismiss one per request. One that takes no answer gets the box, one at a time.
        p_.log.Failure(u"No hidden window has the caption asked for", request.caption, 0);
        if (callerAnswered || unknownCaptionBoxUp_) return InboxOutcome::NotFound;
        unknownCaptionBoxUp_ = true;
        p_.ui.ShowMessage(kUnknownCaptionMessage, kAppTitle, kMbIconCritical);
        unknownCaptionBoxUp_ = false;
        return InboxOutcome::NotFound;
    }
    if (request.command == InboxCommand::Close) return Close(*ref) ? InboxOutcome::Done : InboxOutcome::NotFound;
    if (!Restore(*ref)) return InboxOutcome::NotFound;
    const bool shows = (p_.desktop.GetStyle(ref->window) & kWindowVisible) != 0 && !p_.desktop.IsIconic(ref->window);
    return shows ? InboxOutcome::Done : InboxOutcome::Asked;
}

Text TrayEngine::PopupTitle(const WindowRef& ref) const {
    const HiddenWindow* record = Find(ref);
    if (!record || !record->icon) return {};
    const Text& tip = record->icon->Tip();
    return TrimSpaces(tip.substr(0, std::min<std::size_t>(tip.find(u'\0'), 30)));
}

void TrayEngine::RunMirroredCommand(const WindowRef& ref, std::uint32_t command) {
    OperationScope busy(operationBusy_);
    HiddenWindow* record = Find(ref);
    if (!record || !SameWindow(*record)) return;
    const WindowHandle h = record->window;
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SendTimeout(h, kWmSysCommand, command, 0);
    if (p_.desktop.IsIconic(h)) {
        // Hidden again: a restore asked before no longer stands, and the record waits for the
        // hide as a new one does.
        p_.desktop.ShowWindow(h, kSwHide);
        record->restoreAsked = false;
        record->state = HideState::Asked;
        record->checks = 0;
    } else {
        record->restoreAsked = true;
        if (!p_.desktop.SetForeground(h)) p_.desktop.Flash(h);
    }
}

}  // namespace hw
