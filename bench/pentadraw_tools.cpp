#include "bench/support/History.h"
#include "core/HighLighter.h"
#include "core/Map2.h"
#include "core/RndTest.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

// One draw's search: on average as many tickets as there are combinations.
void BM_RndTestPerDraw(benchmark::State& state) {
    const auto store = bench_support::HistoryStore(10000, core::Edition5x36);
    core::RandomGenerator random;
    random.Seed(1);
    for (auto _ : state) {
        // Any target takes the same number of tickets on average, so the newest serves.
        core::RndTestSearch search(store, core::Game5x36, 1);
        auto lines = search.Run(random, std::int64_t{1} << 40);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_RndTestPerDraw)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_HighlighterExecute(benchmark::State& state) {
    const auto lines = bench_support::HistoryLines(10000, core::Edition5x36);
    const std::vector<std::uint8_t> set{5, 12, 17, 23, 36};
    for (auto _ : state) {
        auto out = core::HighlighterExecute(lines, set);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_HighlighterExecute)->Unit(benchmark::kMillisecond);

void BM_Map2Grid(benchmark::State& state) {
    const auto store = bench_support::HistoryStore(10000, core::Edition5x36);
    for (auto _ : state) {
        core::Map2Grid grid(store, core::Game5x36);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_Map2Grid)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
