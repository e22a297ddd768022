#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "core/Find.h"
#include "core/ZoneCommands.h"
#include "core/DrawFile.h"
#include "core/FrequencyCommands.h"
#include "core/MeasureCommands.h"

#include <benchmark/benchmark.h>

namespace {

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000);
    return store;
}

// The result and the lines of one screen, as the text window shows it.
template <class Command> void Run(benchmark::State& state, Command command) {
    const auto& store = Store();
    for (auto _ : state) {
        auto result = command(store);
        benchmark::DoNotOptimize(bench_support::WriteLines(result, 0, bench_support::ScreenLines));
        benchmark::DoNotOptimize(result);
    }
}

constexpr auto En = core::Lang::English;
constexpr int All = 10000;

void BM_Statistics(benchmark::State& s) {
    Run(s, [](auto& st) { return core::StatisticsCommand(st, core::Edition6x45, All, En); });
}
void BM_Delta(benchmark::State& s) {
    Run(s, [](auto& st) { return core::DeltaCommand(st, core::Edition6x45, All, En); });
}
void BM_Average(benchmark::State& s) {
    Run(s, [](auto& st) { return core::AverageCommand(st, core::Edition6x45, All, En); });
}
void BM_ColdNumbers(benchmark::State& s) {
    Run(s, [](auto& st) { return core::ColdNumbersCommand(st, core::Edition6x45, En); });
}
void BM_Frequency(benchmark::State& s) {
    Run(s, [](auto& st) { return core::FrequencyCommand(st, core::Edition6x45, All, En); });
}
void BM_FreqA1A6(benchmark::State& s) {
    Run(s, [](auto& st) { return core::FreqA1A6Command(st, core::Edition6x45, All, En); });
}
void BM_Character(benchmark::State& s) {
    Run(s, [](auto& st) { return core::CharacterCommand(st, core::Edition6x45, En); });
}
void BM_CheckSum(benchmark::State& s) {
    Run(s, [](auto& st) { return core::CheckSumCommand(st, core::Edition6x45, En); });
}
void BM_Prognosis(benchmark::State& s) {
    Run(s, [](auto& st) { return core::Prognosis(st, core::Game6x45, En); });
}
void BM_Find(benchmark::State& s) {
    Run(s, [](auto& st) {
        core::CommandResult r;
        r.source = core::FindSource(st, core::CleanFindText("3 17 22 31 40 45"), 6);
        return r;
    });
}
void BM_ColumnChart(benchmark::State& state) {
    // The Average column of the main grid, as the double click reads it.
    const auto& store = Store();
    std::vector<std::string> cells = {"Average"};
    for (int i = 0; i < store.DrawCount; ++i)
        cells.push_back(core::MainGridRow(store, i, core::Game6x45)[10]);
    for (auto _ : state) {
        auto chart = core::ColumnChart(10, cells, core::Edition6x45);
        benchmark::DoNotOptimize(chart);
    }
}

BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Average)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColdNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frequency)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreqA1A6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Character)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Prognosis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnChart)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
