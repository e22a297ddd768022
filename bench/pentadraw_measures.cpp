#include "bench/support/History.h"
#include "core/CenterDifference.h"
#include "core/Format.h"
#include "core/MeasureCommands.h"
#include "core/SeriesPages.h"

#include <benchmark/benchmark.h>

// The 5-of-36 chart windows' own work; the commands are timed in commands.cpp.
namespace {

const core::Edition& E = core::Edition5x36;

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000, core::Edition5x36);
    return store;
}

void BM_ColumnChart(benchmark::State& state) {
    // A column of two-decimal averages, as the double click reads the grid.
    const auto& store = Store();
    std::vector<std::string> cells = {"Average"};
    for (int i = 0; i < store.DrawCount; ++i) {
        int sum = 0;
        for (int k = 0; k < 5; ++k) sum += store[i][k];
        cells.push_back(core::FormatFixed(sum / 5.0, 2));
    }
    for (auto _ : state) {
        auto chart = core::ColumnChart(10, cells, E);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_ColumnChart)->Unit(benchmark::kMillisecond);

void BM_PagedFillAndPage(benchmark::State& state) {
    // The chart window's part: a fill of every draw, then a page back and its points.
    const auto series = *core::CenterCommand(Store(), E).charts[0].pagedSeries;
    core::SeriesPages pages;
    for (auto _ : state) {
        pages.Fill(series);
        pages.Left();
        auto points = pages.PagePoints();
        benchmark::DoNotOptimize(points);
    }
}
BENCHMARK(BM_PagedFillAndPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
