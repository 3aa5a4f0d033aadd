// What can be done to one window in the ledger: restore it, close it, send it a system command.
// Each is the one way for the popups, the own menu, the task list and the command line.
#include <algorithm>

#include "engine/TrayEngine.h"

namespace hw {

namespace {

// Marks a window operation as running for as long as it lives.
class OperationScope {
public:
    explicit OperationScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~OperationScope() { flag_ = was_; }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

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

bool TrayEngine::OnInboxRequest(const InboxRequest& request) {
    std::optional<WindowRef> ref = FindByCaption(request.caption);
    if (!ref) {
        p_.ui.ShowMessage(kUnknownCaptionMessage, kAppTitle, kMbIconCritical);
        return false;
    }
    if (request.command == InboxCommand::Close)
        Close(*ref);
    else
        Restore(*ref);
    return true;
}

Text TrayEngine::PopupTitle(const WindowRef& ref) const {
    const HiddenWindow* record = Find(ref);
    if (!record || !record->icon) return {};
    const Text& tip = record->icon->Tip();
    Text title = tip.substr(0, std::min<std::size_t>(tip.find(u'\0'), 30));
    std::size_t first = title.find_first_not_of(u' ');
    if (first == Text::npos) return {};
    return title.substr(first, title.find_last_not_of(u' ') - first + 1);
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
