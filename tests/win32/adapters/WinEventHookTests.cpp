#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/HidewellApp.h"
#include "win32/adapters/WinEventHook.h"

namespace hw {
namespace {

using namespace std::chrono_literals;

struct RecordingSink : WindowEventSink {
    void OnWindowEvent(WindowEvent e, WindowHandle h) override { events.emplace_back(e, h); }
    std::vector<std::pair<WindowEvent, WindowHandle>> events;
};

// Wine reports no minimise or caption change of its own, but delivers those a program
// reports itself: the hook takes minimises of every process and caption changes only of the
// processes it watches.
TEST(WinEventHook, CaptionChangesOnlyOfWatchedProcessesAndEveryMinimise) {
    RecordingSink sink;
    WinEventHook hook(sink);
    ASSERT_TRUE(hook.Installed());
    wine::TestWindow w;
    ASSERT_TRUE(w.Start(L"Hidewell Hook Test"));
    const auto window = static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(w.Hwnd()));
    auto seen = [&](WindowEvent e) {
        return std::count(sink.events.begin(), sink.events.end(), std::pair{e, window}) > 0;
    };

    // The minimise reported after the caption change arrives after it: once it is heard, the
    // caption change would have been.
    SendMessageW(w.Hwnd(), WM_APP + 4, 0, 0);
    SendMessageW(w.Hwnd(), WM_APP + 5, 0, 0);
    EXPECT_TRUE(wine::WaitFor([&] { wine::Pump(); return seen(WindowEvent::Minimized); }, 3s));
    EXPECT_FALSE(seen(WindowEvent::CaptionChanged)) << "a process that owns no hidden window is not heard";

    hook.WatchCaptionsOf({w.Proc().Id()});
    SendMessageW(w.Hwnd(), WM_APP + 4, 0, 0);
    EXPECT_TRUE(wine::WaitFor([&] { wine::Pump(); return seen(WindowEvent::CaptionChanged); }, 3s));
    hook.WatchCaptionsOf({});
}

}  // namespace
}  // namespace hw
