#include "bench/support/History.h"
#include "core/GridColumns.h"
#include "core/MeasureCommands.h"

#include <benchmark/benchmark.h>

// The chart of a main-grid column, as its double click makes it; the commands are timed in
// commands.cpp.
namespace {

void BM_ColumnChart(benchmark::State& state) {
    // The Average column of the main grid, as the double click reads it.
    const auto store = bench_support::HistoryStore(10000, core::Edition6x45);
    std::vector<std::string> cells = {"Average"};
    for (int i = 0; i < store.DrawCount; ++i)
        cells.push_back(core::MainGridRow(store, i, core::Game6x45)[10]);
    for (auto _ : state) {
        auto chart = core::ColumnChart(10, cells, core::Edition6x45);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ColumnChart)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
