// A minimise reported by the platform until the window is hidden, and the steady tick's
// cost as the desktop grows, on simulated desktops.
#include <benchmark/benchmark.h>

#include "engine/RightClickHiding.h"
#include "fakes/SimulatedEngine.h"

namespace {

using namespace hw;
using namespace hw::test;

// Hidewell with ten entries on a desktop of n windows, every tenth minimised, none matching.
struct Desk : SimulatedEngine {
    explicit Desk(int n) {
        icons.files[u"C:\\Apps\\app.exe"] = 1;
        Entries entries;
        for (int j = 0; j < 9; ++j) entries.emplace_back(u"*PROJECT " + DecimalText(j) + u"*", u"000:C:\\Apps\\app.exe");
        entries.emplace_back(u"*NOTEPAD*", u"000:C:\\Apps\\app.exe");
        for (int i = 0; i < n; ++i) desktop.Add(u"Document " + DecimalText(i) + u" - Word Processor", i % 10 == 0);
        Start(entries);
        engine.PollTick();
    }
};

// From the event to the window hidden behind its icon: the event's handling hides it at once,
// without a tick.
void BM_EventToHidden(benchmark::State& state) {
    Desk desk(static_cast<int>(state.range(0)));
    WindowHandle notes = desk.desktop.Add(u"Untitled - Notepad");
    for (auto _ : state) {
        desk.desktop[notes].iconic = true;
        desk.engine.OnWindowEvent(WindowEvent::Minimized, notes);
        state.PauseTiming();
        if (desk.engine.Windows().HiddenCount() != 1) state.SkipWithError("the window was not hidden");
        desk.desktop.Advance();
        desk.desktop[notes].iconic = false;
        desk.desktop[notes].visible = true;
        desk.engine.PollTick();
        desk.desktop.Advance();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EventToHidden)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A tick that changes nothing, against the number of windows.
void BM_TickSteadyByWindows(benchmark::State& state) {
    Desk desk(static_cast<int>(state.range(0)));
    for (auto _ : state) desk.engine.PollTick();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TickSteadyByWindows)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// A caption change of a window Hidewell does not hide, with 30 windows hidden: a lookup in
// memory, and no call to the platform.
void BM_CaptionEventOfAWindowNotHidden(benchmark::State& state) {
    Desk desk(1000);
    for (int i = 0; i < 30; ++i) desk.desktop.Add(u"Untitled " + DecimalText(i) + u" - Notepad", true);
    desk.engine.PollTick();
    desk.desktop.Advance();
    const WindowHandle other = desk.desktop.Add(u"Browser - a page that changes its title");
    const std::size_t shows = desk.desktop.shows.size(), sent = desk.desktop.sent.size();
    for (auto _ : state) desk.engine.OnWindowEvent(WindowEvent::CaptionChanged, other);
    if (desk.engine.Windows().HiddenCount() != 30) state.SkipWithError("the windows were not hidden");
    if (desk.desktop.shows.size() != shows || desk.desktop.sent.size() != sent)
        state.SkipWithError("the event reached the platform");
}
BENCHMARK(BM_CaptionEventOfAWindowNotHidden)->Unit(benchmark::kNanosecond);

}  // namespace

// The right-click hook's work for a mouse event that is not a right button (every move and
// left click of the user): it must never make the mouse lag. With the option on, and with a
// right click on a window's client area (asked of the platform once).
struct NoTarget : ClickTarget {
    int asked = 0;
    WindowHandle TopLevelAt(int, int) override { return ++asked, WindowHandle{7}; }
    WindowArea AreaAt(WindowHandle, int, int) override { return WindowArea::Other; }
};

void BM_MouseEventNotARightClick(benchmark::State& state) {
    NoTarget target;
    RightClickHider hider(target, [](WindowHandle) { return HandHide::Hide; });
    hider.SetEnabled(true);
    MouseInput move{MouseInput::Kind::Other, 100, 100, false};
    for (auto _ : state) {
        ++move.x;
        benchmark::DoNotOptimize(hider.OnMouse(move));
    }
    if (target.asked != 0) state.SkipWithError("a move reached the platform");
}
BENCHMARK(BM_MouseEventNotARightClick)->Unit(benchmark::kNanosecond);

void BM_RightClickOnAClientArea(benchmark::State& state) {
    NoTarget target;
    RightClickHider hider(target, [](WindowHandle) { return HandHide::Hide; });
    hider.SetEnabled(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(hider.OnMouse({MouseInput::Kind::RightDown, 10, 10, false}));
        benchmark::DoNotOptimize(hider.OnMouse({MouseInput::Kind::RightUp, 10, 10, false}));
    }
    if (target.asked == 0) state.SkipWithError("the click was never judged");
}
BENCHMARK(BM_RightClickOnAClientArea)->Unit(benchmark::kNanosecond);
