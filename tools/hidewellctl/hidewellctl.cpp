// hidewellctl: asks a running Hidewell to carry out one of the verbs in common/Verbs.h, prints
// the hidden windows it lists, and after exit waits until Hidewell has ended. Arguments are
// read by ParseCtlArguments; --help prints the usage, with the exit codes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/CommandInbox.h"
#include "common/CtlCall.h"
#include "common/NumericParse.h"
#include "StartCommand.h"
#include "win32/app/MainWindowClass.h"
#include "win32/base/WinText.h"
#include "win32/base/Window.h"

namespace {

enum ExitCode : int {
    kDone = 0,
    kNotRunning = 1,
    kUsageError = 2,
    kRejected = 3,
    kNotFound = 4,
    kNeedsRights = 5,
    kNotShownYet = 8
};

constexpr UINT kSendTimeoutMs = 5000;
// Hidewell shows every hidden window again before it ends; that may take a while.
constexpr DWORD kExitTimeoutMs = 60000;
// A request that comes while Hidewell is in the middle of a window operation is asked again.
constexpr int kBusyRetries = 50;
constexpr DWORD kBusyPauseMs = 100;

// Text to a console as it is, anywhere else (file, pipe) as UTF-8.
void Print(DWORD stream, const std::wstring& text) {
    HANDLE out = GetStdHandle(stream);
    DWORD mode = 0, written = 0;
    if (text.empty() || !out || out == INVALID_HANDLE_VALUE) return;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = hw::ToUtf8(hw::FromWide(text));
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// A message-only window that takes Hidewell's answer to list.
class AnswerWindow : public hw::Window {
public:
    explicit AnswerWindow(HWND hidewell) : hidewell_(hidewell) {}
    bool Create() { return Window::Create(L"HidewellCtlAnswer", L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE); }
    const std::optional<std::vector<hw::Text>>& Captions() const { return captions_; }
    const std::optional<std::vector<hw::ListedWindow>>& Details() const { return details_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_COPYDATA) return Default(msg, wParam, lParam);
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (reinterpret_cast<HWND>(wParam) != hidewell_ || !data) return FALSE;
        captions_ = hw::DecodeAnswer(data->dwData, data->lpData, data->cbData);
        details_ = hw::DecodeDetails(data->dwData, data->lpData, data->cbData);
        return captions_ || details_ ? TRUE : FALSE;
    }

private:
    HWND hidewell_;
    std::optional<std::vector<hw::Text>> captions_;
    std::optional<std::vector<hw::ListedWindow>> details_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<hw::Text> args;
    for (int i = 1; i < argc; ++i) args.push_back(hw::FromWide(argv[i], wcslen(argv[i])));
    const hw::CtlCall call = hw::ParseCtlArguments(args);
    if (call.kind == hw::CtlCall::Kind::Usage) {
        Print(STD_OUTPUT_HANDLE, hw::ToWide(hw::CtlUsage()));
        return kDone;
    }
    if (call.kind == hw::CtlCall::Kind::Start)
        return RunStartCommand(call.startWords, [](const std::wstring& text) { Print(STD_ERROR_HANDLE, text); });
    if (call.kind == hw::CtlCall::Kind::Wrong) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: " + hw::ToWide(call.problem) + L"\r\n" + hw::ToWide(hw::CtlUsage()));
        return kUsageError;
    }
    hw::InboxRequest request = call.request;
    const hw::Verb& verb = hw::VerbOf(request.command);
    HWND hidewell = FindWindowW(hw::kMainWindowClass, nullptr);
    if (!hidewell) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell is not running.\r\n");
        return kNotRunning;
    }
    // Opened before the request, so the wait for the end cannot miss the process.
    DWORD processId = 0;
    GetWindowThreadProcessId(hidewell, &processId);
    hw::UniqueKernelHandle process(request.command == hw::InboxCommand::Exit && processId
                                       ? OpenProcess(SYNCHRONIZE, FALSE, processId)
                                       : nullptr);
    AnswerWindow answer(hidewell);
    COPYDATASTRUCT data{};
    data.dwData = static_cast<ULONG_PTR>(request.command);
    data.cbData = static_cast<DWORD>(request.caption.size() * sizeof(char16_t));
    data.lpData = request.caption.empty() ? nullptr : request.caption.data();
    // Lets Hidewell bring the restored window to the front, a right Windows grants only to
    // the foreground process (this one, when run from a focused console or a shortcut key).
    if (processId) AllowSetForegroundWindow(processId);
    // Every request goes to the trusted inbox first, which Windows lets only programs with
    // Hidewell's rights reach; a program with fewer rights asks at the main window, where
    // close and hide are refused.
    const bool openDoor = hw::DoorAllows(hw::InboxDoor::Open, request.command);
    HWND trusted = FindWindowExW(HWND_MESSAGE, nullptr, hw::kTrustedInboxClass, nullptr);
    const wchar_t* const noTrustedDoor = L"hidewellctl: Hidewell could not open its trusted door; see its log.\r\n";
    if (!trusted && !openDoor) {
        Print(STD_ERROR_HANDLE, noTrustedDoor);
        return kRejected;
    }
    if (!answer.Create()) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell rejected the request or did not answer.\r\n");
        return kRejected;
    }
    auto send = [&](HWND inbox, DWORD_PTR& reply) {
        return SendMessageTimeoutW(inbox, WM_COPYDATA, reinterpret_cast<WPARAM>(answer.Hwnd()),
                                   reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kSendTimeoutMs, &reply) != 0;
    };
    DWORD_PTR reply = hw::kInboxRejected;
    // Hidewell answers busy while it waits on another program in the middle of an operation:
    // the request is made again a little later.
    auto sendAgainWhileBusy = [&](HWND inbox, DWORD_PTR& r) {
        bool ok = false;
        for (int attempt = 0; attempt <= kBusyRetries; ++attempt) {
            if (attempt > 0) Sleep(kBusyPauseMs);
            ok = send(inbox, r);
            if (!ok || r != hw::kInboxBusy) break;
        }
        return ok;
    };
    bool sent = trusted && sendAgainWhileBusy(trusted, reply);
    bool blocked = trusted && !sent && GetLastError() == ERROR_ACCESS_DENIED;
    if (openDoor && (!trusted || blocked)) {
        sent = sendAgainWhileBusy(hidewell, reply);
        blocked = !sent && GetLastError() == ERROR_ACCESS_DENIED;
        if (!trusted && sent && reply == hw::kInboxNeedsRights) {
            Print(STD_ERROR_HANDLE, noTrustedDoor);
            return kRejected;
        }
    }
    if (sent && reply == hw::kInboxBusy) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell stayed busy with another window; try again.\r\n");
        return kRejected;
    }
    if (blocked || (sent && reply == hw::kInboxNeedsRights)) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell runs with more rights than this program; " +
                                    hw::ToWide(hw::Text(verb.withRights)) + L"\r\n");
        return kNeedsRights;
    }
    if (sent && reply == hw::kInboxNotFound) {
        hw::Text said(verb.notFound);
        if (const std::size_t at = said.find(u'%'); at != hw::Text::npos) said.replace(at, 1, hw::ListLine(request.caption));
        Print(STD_ERROR_HANDLE, L"hidewellctl: " + hw::ToWide(said) + L"\r\n");
        return kNotFound;
    }
    if (sent && reply == hw::kInboxAsked) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell asked for the window, but its program has not shown it yet (busy "
                                L"or not responding); it comes back when the program responds.\r\n");
        return kNotShownYet;
    }
    bool answered = request.command == hw::InboxCommand::List          ? answer.Captions().has_value()
                    : request.command == hw::InboxCommand::ListDetails ? answer.Details().has_value()
                                                                        : true;
    if (!sent || reply != hw::kInboxAccepted || !answered) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell rejected the request or did not answer.\r\n");
        return kRejected;
    }
    if (request.command == hw::InboxCommand::Exit && process &&
        WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        Print(STD_ERROR_HANDLE, L"hidewellctl: Hidewell did not end.\r\n");
        return kRejected;
    }
    if (request.command == hw::InboxCommand::List)
        for (const hw::Text& caption : *answer.Captions()) Print(STD_OUTPUT_HANDLE, hw::ToWide(hw::ListLine(caption)) + L"\r\n");
    if (request.command == hw::InboxCommand::ListDetails)
        Print(STD_OUTPUT_HANDLE, hw::ToWide(hw::ListJson(*answer.Details())) + L"\r\n");
    return kDone;
}
