// The entry editor's match line over a busy simulated desktop: 1,000 top-level windows and
// 100 entries above the one being edited. One scan per pause in typing, then one judgement.
#include <benchmark/benchmark.h>

#include "common/NumericParse.h"
#include "engine/MatchPreview.h"
#include "fakes/FakeDesktop.h"
#include "fakes/TableCaseMapping.h"

namespace {

using namespace hw;

constexpr int kWindows = 1000;
constexpr int kEntriesAbove = 100;

struct Busy {
    Busy() {
        for (int i = 0; i < kWindows; ++i)
            desktop.Add(u"Document " + DecimalText(i) + u" - Word Processor", i % 10 == 0);
        for (int j = 0; j < kEntriesAbove; ++j) above.push_back({u"*REPORT " + DecimalText(j) + u"*", u""});
    }
    test::FakeDesktop desktop;
    const test::TableCaseMapping upper;
    std::vector<Entry> above;
};

void BM_Preview_ScanAndJudge(benchmark::State& state) {
    Busy world;
    MatchPreview preview(world.desktop, world.upper, world.above);
    for (auto _ : state) {
        preview.Scan();
        benchmark::DoNotOptimize(preview.Judge({u"*DOCUMENT 1*", u""}));
    }
}
BENCHMARK(BM_Preview_ScanAndJudge)->Unit(benchmark::kMillisecond);

// What each keystroke would cost if it were judged against the last scan.
void BM_Preview_JudgeOnly(benchmark::State& state) {
    Busy world;
    MatchPreview preview(world.desktop, world.upper, world.above);
    preview.Scan();
    for (auto _ : state) benchmark::DoNotOptimize(preview.Judge({u"*DOCUMENT 1*", u""}));
}
BENCHMARK(BM_Preview_JudgeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
