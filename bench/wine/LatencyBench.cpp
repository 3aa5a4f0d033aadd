// How long a minimised matching window takes to reach Wine's notification area: Hidewell
// polls every 500 ms, so each icon should show within the interval plus 20 ms.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "harness/Taskbar.h"

namespace {

using namespace hw::wine;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kIntervalMs = 500;
constexpr int kRounds = 20;
constexpr double kTargetMs = kIntervalMs + 20;
constexpr auto kGiveUp = 5s;

double MsSince(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// Polls the notification area about every millisecond until the number of icons with the
// tip is `count`. Returns the milliseconds since `from`, or -1 when it gave up.
double WaitForIcons(const std::wstring& tip, std::size_t count, Clock::time_point from, int& polls) {
    for (;;) {
        ++polls;
        if (TrayIconsWithTip(tip).size() == count) return MsSince(from);
        if (Clock::now() - from > kGiveUp) return -1;
        std::this_thread::sleep_for(1ms);
    }
}

void PrintStats(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    std::size_t n = ms.size();
    double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    std::printf("%-22s min %7.1f  median %7.1f  mean %7.1f  max %7.1f ms\n", what, ms.front(), median, mean,
                ms.back());
}

// One round: a window started normally is minimised; the time until its icon shows.
// Then the window is closed and the time until its icon is gone. False on a time-out.
bool Round(int round, double& shown, double& gone, int& polls) {
    wchar_t caption[32] = {};
    std::swprintf(caption, 32, L"Latency Probe %02d", round);
    TestWindow w;
    if (!w.Start(caption) || !WaitFor([&] { return IsWindowVisible(w.Hwnd()) && !IsIconic(w.Hwnd()); }, 5s)) {
        std::printf("round %d: the test window did not open\n", round);
        return false;
    }
    auto minimised = Clock::now();
    w.Minimise();
    shown = WaitForIcons(caption, 1, minimised, polls);
    auto closed = Clock::now();
    PostMessageW(w.Hwnd(), WM_CLOSE, 0, 0);
    gone = WaitForIcons(caption, 0, closed, polls);
    w.Proc().WaitExit(5000);
    if (shown < 0 || gone < 0) {
        std::printf("round %d: the icon %s\n", round, shown < 0 ? "never showed" : "did not go away");
        return false;
    }
    std::printf("round %2d: icon after %6.1f ms, gone %6.1f ms after closing\n", round, shown, gone);
    return true;
}

}  // namespace

int main() {
    WriteSettings({{L"LATENCY PROBE*", L"000:" + ProgramFolder() + L"Hidewell.exe"}}, kIntervalMs);
    HidewellApp app;
    if (!app.Start() || !WaitFor([] { return TrayIconsWithTip(L"Hidewell").size() == 1; }, 20s)) {
        std::printf("Hidewell did not start\n");
        app.Stop();
        DeleteSettings();
        return 1;
    }
    std::vector<double> shown, gone;
    int polls = 0;
    auto started = Clock::now();
    bool ok = true;
    for (int round = 1; round <= kRounds && ok; ++round) {
        double s = 0, g = 0;
        ok = Round(round, s, g, polls);
        if (ok) {
            shown.push_back(s);
            gone.push_back(g);
        }
    }
    double polled = MsSince(started);
    app.Stop();
    DeleteSettings();
    if (!ok) return 1;

    std::printf("\nHidewell interval %d ms, %d rounds, one notification-area poll every %.1f ms\n", kIntervalMs,
                kRounds, polled / polls);
    PrintStats("minimised -> icon", shown);
    PrintStats("closed -> icon gone", gone);
    bool met = shown.back() < kTargetMs;
    std::printf("target: icon within interval + 20 ms (max < %.0f ms): %s\n", kTargetMs, met ? "met" : "MISSED");
    return 0;
}
