#include "StartCommand.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include "common/NumericParse.h"
#include "common/StartHidden.h"
#include "win32/adapters/Win32FileSystem.h"
#include "win32/app/MainWindowClass.h"
#include "win32/base/Handles.h"
#include "win32/base/WinText.h"

namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr int kNotRunning = 1;
constexpr int kUsageError = 2;

// The system's text for the error, as one sentence.
hw::Text SystemMessage(DWORD error) {
    hw::Text message = hw::ErrorDescription(error);
    if (message.empty() || message.back() != u'.') message += u'.';
    return message;
}

class Win32Launch : public hw::LaunchHost {
public:
    explicit Win32Launch(HWND inbox) : inbox_(inbox) {}

    std::optional<std::uint32_t> StartProgram(const hw::Text& program, const hw::Text& parameters, hw::Text& error) override {
        const std::wstring file = hw::ToWide(program), args = hw::ToWide(parameters);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpFile = file.c_str();
        info.lpParameters = args.empty() ? nullptr : args.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info)) {
            error = SystemMessage(GetLastError());
            return std::nullopt;
        }
        process_.Reset(info.hProcess);
        const DWORD id = info.hProcess ? GetProcessId(info.hProcess) : 0;
        // A document handed to a program that was running already: there is no process to follow.
        if (id == 0) error = u"Windows gave it to a program already running, whose windows Hidewell leaves alone.";
        return id ? std::optional<std::uint32_t>(id) : std::nullopt;
    }

    std::vector<std::uint32_t> ChildProcesses(std::uint32_t processId) override {
        std::vector<std::uint32_t> children;
        hw::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        if (!snapshot || snapshot.Get() == INVALID_HANDLE_VALUE) return children;
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof(entry);
        for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry))
            if (entry.th32ParentProcessID == processId && entry.th32ProcessID != processId) children.push_back(entry.th32ProcessID);
        return children;
    }

    std::optional<hw::InboxAnswer> AskHide(std::uint32_t processId) override {
        hw::Text id = hw::DecimalText(processId);
        COPYDATASTRUCT data{};
        data.dwData = static_cast<ULONG_PTR>(hw::InboxCommand::HideProcess);
        data.cbData = static_cast<DWORD>(id.size() * sizeof(char16_t));
        data.lpData = id.data();
        DWORD_PTR reply = hw::kInboxRejected;
        if (SendMessageTimeoutW(inbox_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                                &reply))
            return static_cast<hw::InboxAnswer>(reply);
        if (GetLastError() == ERROR_ACCESS_DENIED) return hw::kInboxNeedsRights;
        return std::nullopt;
    }

    std::uint64_t NowMs() override { return GetTickCount64(); }
    void Pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

private:
    HWND inbox_;
    hw::UniqueKernelHandle process_;
};

}  // namespace

int RunStartCommand(const std::vector<hw::Text>& words, const std::function<void(const std::wstring&)>& printError) {
    hw::Text problem;
    const std::optional<hw::StartCall> call = hw::ParseStartCall(words, problem);
    if (!call) {
        printError(L"hidewellctl: " + hw::ToWide(problem) + L"\r\n");
        return kUsageError;
    }
    // Nothing is started for a Hidewell that is not there to hide it.
    if (!FindWindowW(hw::kMainWindowClass, nullptr)) {
        printError(L"hidewellctl: Hidewell is not running.\r\n");
        return kNotRunning;
    }
    // Hiding goes through the trusted inbox, which Windows lets only programs with Hidewell's
    // rights reach.
    HWND inbox = FindWindowExW(HWND_MESSAGE, nullptr, hw::kTrustedInboxClass, nullptr);
    if (!inbox) {
        printError(L"hidewellctl: Hidewell could not open its door for requests to hide windows.\r\n");
        return hw::kStartRejected;
    }
    Win32Launch launch(inbox);
    hw::Text message;
    const int code = hw::StartHidden(launch, *call, message);
    if (!message.empty()) printError(hw::ToWide(message) + L"\r\n");
    return code;
}
