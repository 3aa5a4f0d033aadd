#include "harness/Process.h"

#include "harness/Harness.h"

#include <cstdio>
#include <vector>

namespace hw::wine {

bool Process::Start(const std::wstring& commandLine) {
    Kill();
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::vector<wchar_t> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back(L'\0');
    // Wine now and then refuses a start while another process of the prefix is ending.
    for (int attempt = 0; !CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
         ++attempt) {
        if (attempt == 3) {
            fwprintf(stderr, L"cannot start %ls: error %lu\n", commandLine.c_str(), GetLastError());
            return false;
        }
        Sleep(500);
    }
    CloseHandle(pi.hThread);
    process_.Reset(pi.hProcess);
    id_ = pi.dwProcessId;
    WaitForInputIdle(pi.hProcess, 10000);
    return true;
}

bool Process::WaitExit(DWORD milliseconds, DWORD* exitCode) {
    if (!process_) return true;
    if (WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(process_.Get(), exitCode);
    return true;
}

bool Process::Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

void Process::Kill() {
    if (Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
    process_.Reset();
    id_ = 0;
}

namespace {
struct Search {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};
BOOL CALLBACK Collect(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    if (pid == s->pid && (!s->cls || wcscmp(cls, s->cls) == 0)) s->found.push_back(h);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className) {
    Search s{processId, className, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForWindowOf(DWORD processId, const wchar_t* className, std::chrono::milliseconds timeout) {
    HWND window = nullptr;
    WaitFor([&] {
        auto found = WindowsOf(processId, className);
        return (window = found.empty() ? nullptr : found.front()) != nullptr;
    }, timeout);
    return window;
}

}  // namespace hw::wine
