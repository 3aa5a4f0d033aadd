// What can be done to one hidden window: restore it, close it, send it a system command.
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

void TrayEngine::RestoreSlot(int slot) {
    OperationScope busy(operationBusy_);
    WindowHandle h = SlotWindow(slot);
    if (h == 0) return;
    p_.desktop.ShowWindow(h, kSwShow);
    bool front = p_.desktop.SetForeground(h);
    p_.desktop.SendTimeout(h, kWmSysCommand, kScRestore, 0);
    // Without the foreground right (a request from a program in the background) the window
    // comes back where it was and its taskbar button asks for the user's attention.
    if (!front) {
        p_.desktop.ShowWindow(h, kSwRestore);
        p_.desktop.Flash(h);
    }
}

void TrayEngine::CloseSlot(int slot) {
    OperationScope busy(operationBusy_);
    WindowHandle h = SlotWindow(slot);
    ForgetSlot(slot);
    if (h == 0) return;
    // Shown first, so that a window that asks before closing can be answered.
    p_.desktop.ShowWindow(h, kSwRestore);
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SendTimeout(h, kWmClose, static_cast<std::uint64_t>(-1), 0);
}

bool TrayEngine::OnInboxRequest(const InboxRequest& request) {
    std::optional<int> slot = FindSlot(request.caption);
    if (!slot) {
        p_.ui.ShowMessage(kUnknownCaptionMessage, kAppTitle, kMbIconCritical);
        return false;
    }
    if (request.command == InboxCommand::Close)
        CloseSlot(*slot);
    else
        RestoreSlot(*slot);
    return true;
}

Text TrayEngine::PopupTitle(int slot) const {
    auto it = hidden_.find(slot);
    if (it == hidden_.end() || !it->second.icon) return {};
    const Text& tip = it->second.icon->Tip();
    Text title = tip.substr(0, std::min<std::size_t>(tip.find(u'\0'), 30));
    std::size_t first = title.find_first_not_of(u' ');
    if (first == Text::npos) return {};
    return title.substr(first, title.find_last_not_of(u' ') - first + 1);
}

void TrayEngine::RunMirroredCommand(int slot, std::uint32_t command) {
    WindowHandle h = SlotWindow(slot);
    if (h == 0) return;
    p_.desktop.ShowWindow(h, kSwShow);
    p_.desktop.SendTimeout(h, kWmSysCommand, command, 0);
    if (p_.desktop.IsIconic(h))
        p_.desktop.ShowWindow(h, kSwHide);
    else if (!p_.desktop.SetForeground(h))
        p_.desktop.Flash(h);
}

}  // namespace hw
