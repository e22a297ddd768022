#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_stringgrid.h"
#include "bench/support/History.h"
#include "bench/support/Screen.h"
#include "core/FilterCommands.h"
#include "core/StrategyCommands.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000);
    return store;
}

void BM_SkipStrategy(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            core::SkipStrategy(Store(), core::Edition6x45, Store().DrawCount, core::Lang::English));
}
BENCHMARK(BM_SkipStrategy)->Unit(benchmark::kMillisecond);

// The default answer is every draw: the window before each draw grows to the whole history.
void BM_FrequencyStrategy(benchmark::State& state) {
    const int n = state.range(0) == 0 ? Store().DrawCount : static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            core::FrequencyStrategy(Store(), core::Edition6x45, n, core::Lang::English));
}
BENCHMARK(BM_FrequencyStrategy)->Arg(0)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_FreqAnalyse(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            core::FreqAnalyse(Store(), core::Game6x45, Store().DrawCount, core::Lang::English));
}
BENCHMARK(BM_FreqAnalyse)->Unit(benchmark::kMillisecond);

void BM_FilterAny(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(core::FilterAny(Store(), core::Edition6x45, core::Lang::English));
}
BENCHMARK(BM_FilterAny)->Unit(benchmark::kMillisecond);

// From the newest draw and from the middle of the history.
void BM_Separation(benchmark::State& state) {
    const int a = Store().DrawCount - static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(core::Separation(Store(), core::Game6x45, a, core::Lang::English));
}
BENCHMARK(BM_Separation)->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);

// Filter Any with the table filling and one screen of cells, as the command runs it.
class BenchHost : public EditionHost {
public:
    BenchHost() : EditionHost(Bundle6x45) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return ::Store(); }
};

void BM_FilterAnyIntoTable(benchmark::State& state) {
    BenchHost host;
    TForm_StringGrid form(host);
    for (auto _ : state) {
        const auto r = core::FilterAny(Store(), core::Edition6x45, core::Lang::English);
        form.fill_grid();
        form.PutColumns(r.table);
        bench_support::WriteScreen(*form.StringGrid1);
    }
}
BENCHMARK(BM_FilterAnyIntoTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
