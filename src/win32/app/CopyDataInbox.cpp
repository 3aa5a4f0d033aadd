#include "win32/app/CopyDataInbox.h"

#include "win32/adapters/Win32Desktop.h"

namespace hw {

namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

LRESULT AnswerList(TrayEngine& engine, HWND mainWindow, InboxDoor door, HWND asker, InboxCommand command) {
    if (!asker || !IsWindow(asker)) return kInboxRejected;
    // At the open door the answer goes only to a program with fewer rights, which could not
    // have sent it to that window itself; the others ask at the trusted inbox.
    if (door == InboxDoor::Open && CompareIntegrity(asker).value_or(0) >= 0) return kInboxNeedsRights;
    std::vector<Text> captions;
    std::vector<ListedWindow> details;
    for (const HiddenWindowView& w : engine.HiddenWindows()) {
        captions.push_back(w.caption);
        details.push_back({w.ref.window, w.kind == HideKind::Manual, w.caption, w.program, w.className});
    }
    Text joined = command == InboxCommand::List ? JoinCaptions(captions) : JoinDetails(details);
    COPYDATASTRUCT answer{};
    answer.dwData = static_cast<ULONG_PTR>(command);
    answer.cbData = static_cast<DWORD>(joined.size() * sizeof(char16_t));
    answer.lpData = joined.empty() ? nullptr : joined.data();
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(mainWindow),
                               reinterpret_cast<LPARAM>(&answer), SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)
               ? kInboxAccepted
               : kInboxRejected;
}

}  // namespace

LRESULT CopyDataInbox::Receive(TrayEngine& engine, HWND mainWindow, InboxDoor door, WPARAM wParam,
                               const COPYDATASTRUCT* data) {
    if (!data) return kInboxRejected;
    auto request = DecodeRequest(data->dwData, data->lpData, data->cbData);
    if (!request) return kInboxRejected;
    if (!DoorAllows(door, request->command)) return kInboxNeedsRights;
    if (request->command == InboxCommand::List || request->command == InboxCommand::ListDetails)
        return AnswerList(engine, mainWindow, door, reinterpret_cast<HWND>(wParam), request->command);
    // A hide shows no message and waits for no program: it is done now.
    if (request->command == InboxCommand::Hide) return engine.HideByCaption(request->caption) ? kInboxAccepted : kInboxNotFound;
    if (request->command == InboxCommand::HideForeground) return engine.HideForeground() ? kInboxAccepted : kInboxNotFound;
    if (request->command == InboxCommand::HideProcess)
        return engine.HideFirstWindowOf(*RequestedProcess(*request)) ? kInboxAccepted : kInboxNotFound;
    if (request->command == InboxCommand::Exit)
        return PostMessageW(mainWindow, kExitMessage, 0, 0) ? kInboxAccepted : kInboxRejected;
    if (queue_.size() >= kMaxQueued) return kInboxRejected;
    // The lookup answers the sender now; the request itself runs later and reports an
    // unknown caption to the user as well.
    LRESULT answer = engine.FindByCaption(request->caption) ? kInboxAccepted : kInboxNotFound;
    queue_.push_back(std::move(*request));
    PostMessageW(mainWindow, kRunMessage, 0, 0);
    return answer;
}

void CopyDataInbox::RunQueued(TrayEngine& engine) {
    // A request may show a message box: one that comes in meanwhile waits for the loop below.
    if (running_) return;
    running_ = true;
    while (!queue_.empty()) {
        InboxRequest request = std::move(queue_.front());
        queue_.pop_front();
        engine.OnInboxRequest(request);
    }
    running_ = false;
}

}  // namespace hw
