// Caption matching: the compiled matcher against a naive backtracking one.
#include <benchmark/benchmark.h>

#include "engine/TitleMatch.h"
#include "fakes/TableCaseMapping.h"

namespace {

using hw::Text;

// Plain recursive wild-card matching (only * ? and literals), for comparison.
bool NaiveMatch(const char16_t* p, const char16_t* s) {
    if (*p == 0) return *s == 0;
    if (*p == u'*') {
        for (;; ++s) {
            if (NaiveMatch(p + 1, s)) return true;
            if (*s == 0) return false;
        }
    }
    return *s != 0 && (*p == u'?' || *p == *s) && NaiveMatch(p + 1, s + 1);
}

const Text kPathological = u"*A*A*A*A*A*A*A*A*B";
const hw::test::TableCaseMapping kUpper;

void BM_Compiled_Pathological(benchmark::State& state) {
    const Text caption(state.range(0), u'A');
    const hw::TitlePattern pattern(kPathological, kUpper);
    for (auto _ : state) benchmark::DoNotOptimize(pattern.MatchUpper(caption));
}
BENCHMARK(BM_Compiled_Pathological)->Arg(24)->Arg(48)->Arg(254);

void BM_OneOff_Pathological(benchmark::State& state) {
    const Text caption(254, u'A');
    for (auto _ : state) benchmark::DoNotOptimize(hw::MatchTitle(caption, kPathological, kUpper));
}
BENCHMARK(BM_OneOff_Pathological);

// Grows as about length^8: 254 characters would not finish, so only short captions are run.
void BM_Naive_Pathological(benchmark::State& state) {
    const Text caption(state.range(0), u'A');
    for (auto _ : state) benchmark::DoNotOptimize(NaiveMatch(kPathological.c_str(), caption.c_str()));
}
BENCHMARK(BM_Naive_Pathological)->Arg(16)->Arg(24)->Unit(benchmark::kMicrosecond);

void BM_Compiled_Typical(benchmark::State& state) {
    const Text caption = kUpper.Upper(u"Untitled - Notepad");  // upper-cased once, as the tick does
    const hw::TitlePattern pattern(u"*NOTEPAD*", kUpper);
    for (auto _ : state) benchmark::DoNotOptimize(pattern.MatchUpper(caption));
}
BENCHMARK(BM_Compiled_Typical);

void BM_OneOff_Typical(benchmark::State& state) {
    const Text caption = u"Untitled - Notepad";
    for (auto _ : state) benchmark::DoNotOptimize(hw::MatchTitle(caption, u"*NOTEPAD*", kUpper));
}
BENCHMARK(BM_OneOff_Typical);

void BM_Naive_Typical(benchmark::State& state) {
    const Text caption = u"UNTITLED - NOTEPAD";
    for (auto _ : state) benchmark::DoNotOptimize(NaiveMatch(u"*NOTEPAD*", caption.c_str()));
}
BENCHMARK(BM_Naive_Typical);

}  // namespace
