#include "bench/support/History.h"
#include "core/CenterDifference.h"
#include "core/Format.h"
#include "core/FrequencyCommands.h"
#include "core/MeasureCommands.h"
#include "core/SeriesPages.h"
#include "core/ZoneCommands.h"

#include <benchmark/benchmark.h>

namespace {

const core::Edition& E = core::Edition5x36;

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000, core::Edition5x36);
    return store;
}

// The result windows hold a command's result until the next one replaces it, so the new
// result is made while the previous one is still alive, as in the program.
template <class Command> void Run(benchmark::State& state, Command command) {
    const auto& store = Store();
    decltype(command(store)) shown;
    for (auto _ : state) {
        auto result = command(store);
        benchmark::DoNotOptimize(result);
        shown = std::move(result);
    }
}

constexpr auto En = core::Lang::English;
constexpr int All = 10000;

void BM_Statistics(benchmark::State& s) {
    Run(s, [](auto& st) { return core::StatisticsCommand(st, E, All, En); });
}
void BM_Delta(benchmark::State& s) {
    Run(s, [](auto& st) { return core::DeltaCommand(st, E, All, En); });
}
void BM_Average(benchmark::State& s) {
    Run(s, [](auto& st) { return core::AverageCommand(st, E, All, En); });
}
void BM_ColdNumbers(benchmark::State& s) {
    Run(s, [](auto& st) { return core::ColdNumbersCommand(st, E, En); });
}
void BM_Frequency(benchmark::State& s) {
    Run(s, [](auto& st) { return core::FrequencyCommand(st, E, All, En); });
}
void BM_FreqA1A5(benchmark::State& s) {
    Run(s, [](auto& st) { return core::FreqA1A6Command(st, E, All, En); });
}
void BM_Character(benchmark::State& s) {
    Run(s, [](auto& st) { return core::CharacterCommand(st, E, En); });
}
void BM_CheckSum(benchmark::State& s) {
    Run(s, [](auto& st) { return core::CheckSumCommand(st, E, En); });
}
void BM_Center(benchmark::State& s) {
    Run(s, [](auto& st) { return core::CenterCommand(st, E); });
}
void BM_Difference(benchmark::State& s) {
    Run(s, [](auto& st) { return core::DifferenceCommand(st, E); });
}
void BM_Zones(benchmark::State& s) {
    const int z = static_cast<int>(s.range(0));
    Run(s, [z](auto& st) { return core::Zones(st, E, z, En); });
}
void BM_FinalSums(benchmark::State& s) {
    Run(s, [](auto& st) { return core::FinalSums(st, E, En); });
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

BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Average)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColdNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frequency)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreqA1A5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Character)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Center)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Difference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zones)->Arg(2)->Arg(36)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalSums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PagedFillAndPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
