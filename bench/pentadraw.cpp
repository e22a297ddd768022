#include "bench/support/History.h"
#include "core/ColumnChart.h"
#include "core/TableMarking.h"

#include <benchmark/benchmark.h>

// The 5-of-36 table marks and paged chart over a generated history of 10,000 draws; its
// commands are timed in commands.cpp.
namespace {

const core::Edition& E = core::Edition5x36;

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000, core::Edition5x36);
    return store;
}

// One repaint's marks: the Unlimited trace from the newest draw (capped) and Separation from
// the middle of the history, uncapped for the worst case.
void BM_TableMarks5(benchmark::State& state) {
    core::TableMarkState s;
    s.filterMode = true;
    s.unlimited = true;
    s.separation = true;
    s.selectedRow = static_cast<int>(state.range(0));
    s.selected = Store()[s.selectedRow - 1];
    const core::TableRules rules{static_cast<int>(state.range(1))};
    for (auto _ : state) benchmark::DoNotOptimize(core::TableMarks(Store(), E.game, s, rules));
}
BENCHMARK(BM_TableMarks5)->Args({1, 24})->Args({5000, 0})->Unit(benchmark::kMillisecond);

void BM_PagedColumnChart5(benchmark::State& state) {
    std::vector<std::string> cells;
    for (int i = 0; i < Store().DrawCount; ++i) cells.push_back(std::to_string(i % 180) + ".5");
    for (auto _ : state)
        benchmark::DoNotOptimize(core::PagedColumnChart(cells, "Sum", Store().DrawCount));
}
BENCHMARK(BM_PagedColumnChart5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
