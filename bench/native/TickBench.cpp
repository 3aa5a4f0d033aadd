// One poll tick over a busy simulated desktop: 1,000 top-level windows of 50 processes, 100 of
// them minimised, and 100 entries (a third by program, a third by class) of which five match
// 20 of the minimised windows.
#include <benchmark/benchmark.h>

#include <memory>

#include "fakes/SimulatedEngine.h"

namespace {

using namespace hw;
using namespace hw::test;

constexpr int kWindows = 1000;
constexpr int kMinimisedEvery = 10;  // every tenth window is minimised
constexpr int kEntries = 100;
constexpr int kMatchingEntries = 5;  // "*NOTES 0*" .. "*NOTES 4*"
constexpr int kHiddenWindows = 20;   // the first 20 minimised windows are notes
constexpr int kProcesses = 50;
constexpr std::uint32_t kFirstProcess = 100;

const char16_t* const kApps[] = {u"Word Processor", u"Spreadsheet", u"Mail", u"Browser", u"Terminal",
                                 u"Image Viewer",   u"Calculator",  u"Chat", u"Music",   u"File Manager"};
const char16_t* const kWords[] = {u"LEDGER", u"INVOICE", u"PROJECT", u"ARCHIVE", u"DRAFT",
                                  u"BACKUP", u"MEETING", u"SCRIPT",  u"PHOTO",   u"REPORT"};

Text Number(int n) { return DecimalText(n); }

// Hidewell on simulated platforms, with the desktop and entries above.
struct World : SimulatedEngine {
    World() {
        icons.files[u"C:\\Apps\\app.exe"] = 1;
        Entries entries;
        // The matching entries are spread over the list, so a hidden window is checked
        // against some non-matching entries before its own.
        int notes = 0;
        for (int j = 0; j < kEntries; ++j) {
            bool matching = j % (kEntries / kMatchingEntries) == kEntries / kMatchingEntries / 2;
            Text title = matching ? Text(u"*NOTES ").append(Number(notes++)).append(u"*")
                                  : Text(u"*").append(kWords[j % 10]).append(u" ").append(Number(j)).append(u"*");
            const Text icon = j % 2 == 0 || matching ? Text(u"000:C:\\Apps\\app.exe") : Text();
            const char16_t* by = matching || j % 3 == 0 ? u"" : j % 3 == 1 ? u"Program" : u"Class";
            entries.push_back({title, icon, false, by});
        }
        int minimised = 0;
        for (int i = 0; i < kWindows; ++i) {
            bool iconic = i % kMinimisedEvery == 0;
            Text caption;
            if (iconic && minimised++ < kHiddenWindows)
                caption = Text(u"Notes ").append(Number(minimised % kMatchingEntries)).append(u" - page ").append(Number(i));
            else
                caption = Text(u"Document ").append(Number(i)).append(u" - ").append(kApps[i % 10]);
            const WindowHandle h = desktop.Add(caption, iconic);
            desktop[h].processId = kFirstProcess + static_cast<std::uint32_t>(i % kProcesses);
            desktop[h].program = Text(kApps[i % 10]).append(u".exe");
            desktop[h].className = Text(kApps[i % 10]).append(u" Frame");
        }
        Start(entries);
    }
};

// The tick that finds the 20 matching minimised windows and hides them.
void BM_Tick_First(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>();
        state.ResumeTiming();
        world->engine.PollTick();
        state.PauseTiming();
        if (world->engine.Windows().HiddenCount() != kHiddenWindows) state.SkipWithError("the first tick hid the wrong windows");
        world.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Tick_First)->Unit(benchmark::kMicrosecond);

// Every later tick: the 20 windows are already hidden, nothing changes.
void BM_Tick_Steady(benchmark::State& state) {
    World world;
    world.engine.PollTick();
    world.desktop.Advance();  // the programs carry the hides out
    world.engine.PollTick();
    if (world.engine.Windows().HiddenCount() != kHiddenWindows) state.SkipWithError("the first tick hid the wrong windows");
    const int lookups = world.desktop.programLookups;
    for (auto _ : state) world.engine.PollTick();
    if (world.engine.Windows().HiddenCount() != kHiddenWindows) state.SkipWithError("steady ticks changed the hidden windows");
    if (world.desktop.programLookups != lookups) state.SkipWithError("steady ticks looked programs up again");
    state.counters["hidden"] = world.engine.Windows().HiddenCount();
}
BENCHMARK(BM_Tick_Steady)->Unit(benchmark::kMicrosecond);

}  // namespace
