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
    for (const HiddenWindowView& w : engine.Windows().HiddenWindows()) {
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
    // It came while Hidewell waits on another program in the middle of a window operation or
    // a tick (a send to a window or to the taskbar lets sent messages in): asked again later.
    if (VerbOf(request->command).runs == VerbRuns::BeforeAnswer && engine.Busy()) return kInboxBusy;
    auto found = [](bool done) -> LRESULT { return done ? kInboxAccepted : kInboxNotFound; };
    switch (request->command) {
    case InboxCommand::List:
    case InboxCommand::ListDetails:
        return AnswerList(engine, mainWindow, door, reinterpret_cast<HWND>(wParam), request->command);
    case InboxCommand::Exit:
        return PostMessageW(mainWindow, kExitMessage, 0, 0) ? kInboxAccepted : kInboxRejected;
    case InboxCommand::Hide:
        return found(engine.Hand().HideByCaption(request->caption));
    case InboxCommand::HideForeground:
        return found(engine.Hand().HideForeground());
    case InboxCommand::HideProcess:
        return found(engine.Hand().HideFirstWindowOf(*RequestedProcess(*request)));
    case InboxCommand::Restore:
    case InboxCommand::Close:
        break;
    }
    // A sender of WM_COPYDATA waits for the answer, unless it only notified.
    const bool answered = (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY)) != ISMEX_NOTIFY;
    switch (engine.OnInboxRequest(*request, answered)) {
    case TrayEngine::InboxOutcome::Done: return kInboxAccepted;
    case TrayEngine::InboxOutcome::Asked: return kInboxAsked;
    case TrayEngine::InboxOutcome::NotFound: break;
    }
    return kInboxNotFound;
}

}  // namespace hw
