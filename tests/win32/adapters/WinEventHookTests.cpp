#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "win32/adapters/WinEventHook.h"

namespace hw {
namespace {

struct CountingSink : WindowEventSink {
    void OnWindowEvent(WindowEvent, WindowHandle) override { ++events; }
    int events = 0;
};

int HookWindows() {
    int n = 0;
    for (HWND h = nullptr; (h = FindWindowExW(HWND_MESSAGE, h, L"HidewellWindowEvents", nullptr)) != nullptr;) ++n;
    return n;
}

// Wine 8 delivers neither minimise nor caption-change events to other processes, so what
// the events trigger is covered natively; here the hooks come and go cleanly.
TEST(WinEventHook, InstallsAndRemovesCleanly) {
    CountingSink sink;
    for (int round = 0; round < 2; ++round) {
        {
            WinEventHook hook(sink);
            EXPECT_TRUE(hook.Installed());
            EXPECT_EQ(HookWindows(), 1);
            wine::Pump();
        }
        EXPECT_EQ(HookWindows(), 0);
    }
    const int seen = sink.events;
    wine::Pump();
    EXPECT_EQ(sink.events, seen);
}

}  // namespace
}  // namespace hw
