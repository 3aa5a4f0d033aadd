// Private memory (the pages a process owns alone) on Wine's desktop: a minimal window
// program, the same with a tray icon, and Hidewell after its start, after its configuration window
// was opened and put away once, and after hiding 20 windows.
// Wine reports no private bytes for another process, so the figure is what Linux counts for
// the process running the program: its resident anonymous memory and swap (RssAnon + VmSwap
// in /proc/<pid>/status, read through Wine's drive Z:), which is what Wine reports as a
// process's own private bytes.
#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "harness/Controls.h"
#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"
#include "win32/app/MainWindowClass.h"

namespace {

using namespace hw::wine;
using namespace std::chrono_literals;

constexpr int kWindows = 20;
// Time for a process to settle after it showed what was asked of it.
constexpr auto kSettle = 2s;

std::string ReadAll(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &n, nullptr) && n > 0) text.append(buffer, n);
    CloseHandle(h);
    return text;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The kilobytes after "name:" in a /proc status text; 0 when absent.
double StatusKb(const std::string& status, const char* name) {
    std::size_t at = status.find(std::string("\n") + name + ":");
    return at == std::string::npos ? 0 : std::atof(status.c_str() + at + std::strlen(name) + 2);
}

// Private megabytes of the Linux process whose command line names this program (lower case);
// -1 when there is no such process.
double PrivateMb(const std::string& program) {
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE) return -1;
    double mb = -1;
    do {
        if (!std::iswdigit(found.cFileName[0])) continue;
        std::wstring dir = std::wstring(L"Z:\\proc\\") + found.cFileName;
        std::string commandLine = ReadAll(dir + L"\\cmdline");
        for (char& c : commandLine)
            if (c == '\0') c = ' ';
        std::string line = Lower(commandLine);
        std::string quoted(1, '"');
        quoted += program;
        if (line.rfind(program, 0) != 0 && line.rfind(quoted, 0) != 0) continue;
        std::string status(1, '\n');
        status += ReadAll(dir + L"\\status");
        mb = (StatusKb(status, "RssAnon") + StatusKb(status, "VmSwap")) / 1024.0;
        break;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return mb;
}

std::string ProgramPath(const wchar_t* name) {
    std::wstring path = ProgramFolder() + name;
    return Lower(std::string(path.begin(), path.end()));
}

// The minimal program's private memory once its window exists; -1 when it did not start.
double MinimalProgram(const std::wstring& options) {
    Process p;
    if (!p.Start(L"\"" + ProgramFolder() + L"minimal_window.exe\" " + options)) return -1;
    const HWND h = WaitForWindowOf(p.Id(), L"HidewellMinimalWindow", 10s);
    if (!h) return -1;
    std::this_thread::sleep_for(kSettle);
    double mb = PrivateMb(ProgramPath(L"minimal_window.exe"));
    PostMessageW(h, WM_CLOSE, 0, 0);
    p.WaitExit(5000);
    return mb;
}

}  // namespace

int main() {
    double plain = MinimalProgram(L"");
    double tray = MinimalProgram(L"tray");

    WriteSettings({{L"MEMORY PROBE*", L""}}, 500, false, false);
    HidewellApp app;
    if (!app.Start() || !WaitFor([] { return TrayIconsWithTip(L"Hidewell").size() == 1; }, 20s)) {
        std::printf("Hidewell did not start\n");
        app.Stop();
        DeleteSettings();
        return 1;
    }
    std::this_thread::sleep_for(kSettle + 1s);  // past the first tick, which shows the date icon
    double started = PrivateMb(ProgramPath(L"Hidewell.exe"));

    // The configuration window, opened as a second start opens it and put away with Ok.
    HWND main = app.Main();
    PostMessageW(main, RegisterWindowMessageW(hw::kShowConfigurationMessage), 0, 0);
    bool configured = WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 10s);
    if (configured) {
        std::this_thread::sleep_for(kSettle);
        Press(main, L"&Ok");
        configured = WaitFor([&] { return IsWindowVisible(main) == FALSE; }, 10s);
    }
    std::this_thread::sleep_for(kSettle);
    double afterConfig = PrivateMb(ProgramPath(L"Hidewell.exe"));

    std::vector<std::unique_ptr<TestWindow>> windows;
    bool allHidden = true;
    for (int i = 1; i <= kWindows; ++i) {
        wchar_t caption[32] = {};
        std::swprintf(caption, 32, L"Memory Probe %02d", i);
        windows.push_back(std::make_unique<TestWindow>());
        allHidden = windows.back()->Start(caption, L"minimized") &&
                    WaitFor([&] { return windows.back()->IsHidden(); }, 5s) && allHidden;
    }
    std::this_thread::sleep_for(kSettle);
    double hiding = PrivateMb(ProgramPath(L"Hidewell.exe"));
    app.Stop();
    windows.clear();
    DeleteSettings();

    std::printf("private memory under Wine (MB)\n");
    std::printf("  minimal window program              %6.2f\n", plain);
    std::printf("  minimal window program, tray icon   %6.2f\n", tray);
    std::printf("  Hidewell after start                %6.2f\n", started);
    std::printf("  Hidewell after configuration window  %6.2f%s\n", afterConfig, configured ? "" : " (not shown)");
    std::printf("  Hidewell hiding %d windows          %6.2f%s\n", kWindows, hiding, allHidden ? "" : " (not all hidden)");
    std::printf("  Hidewell after start - tray program %6.2f (goal: at most 1.5)\n", started - tray);
    std::printf("  after configuration - tray program  %6.2f (goal: at most 1.5)\n", afterConfig - tray);
    return plain > 0 && tray > 0 && started > 0 && afterConfig > 0 && configured && hiding > 0 && allHidden ? 0 : 1;
}
