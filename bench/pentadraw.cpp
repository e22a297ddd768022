#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_stringgrid.h"
#include "bench/support/History.h"
#include "bench/support/Screen.h"
#include "bench/support/Memory.h"
#include "core/ColumnChart.h"
#include "core/Combinations.h"
#include "core/FilterCommands.h"
#include "core/Groups.h"
#include "core/PairCommands.h"
#include "core/StrategyCommands.h"
#include "core/TableMarking.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

using bench_support::TextMB;

// The 5-of-36 commands over a generated history of 10,000 draws.
const core::Edition& E = core::Edition5x36;
constexpr auto En = core::Lang::English;

const core::DrawStore& Store() {
    static const core::DrawStore store = bench_support::HistoryStore(10000, core::Game5x36);
    return store;
}

template <class Command> void Text(benchmark::State& state, Command command) {
    double text = 0;
    for (auto _ : state) {
        const core::CommandResult r = command(Store());
        text = TextMB(r);
        benchmark::DoNotOptimize(r);
    }
    state.counters["text_MB"] = text;
}

void BM_Triples5(benchmark::State& state) {
    const int m = static_cast<int>(state.range(0));
    Text(state, [m](const core::DrawStore& s) { return core::Triples(s, E, m, En); });
}
BENCHMARK(BM_Triples5)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Numbers5(benchmark::State& state) {
    Text(state, [](const core::DrawStore& s) { return core::Numbers(s, E, s.DrawCount, En); });
}
BENCHMARK(BM_Numbers5)->Unit(benchmark::kMillisecond);

void BM_StatsDuples5(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    Text(state, [k](const core::DrawStore& s) { return core::StatsDuples(s, E.game, k, En); });
}
BENCHMARK(BM_StatsDuples5)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MatchInDraws5(benchmark::State& state) {
    Text(state, [](const core::DrawStore& s) { return core::MatchInDraws(s, E.game, En); });
}
BENCHMARK(BM_MatchInDraws5)->Unit(benchmark::kMillisecond);

void BM_Period5(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    Text(state, [k](const core::DrawStore& s) { return core::Period(s, E, k, En); });
}
BENCHMARK(BM_Period5)->Arg(3)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_SkipStrategy5(benchmark::State& state) {
    Text(state, [](const core::DrawStore& s) { return core::SkipStrategy(s, E, s.DrawCount, En); });
}
BENCHMARK(BM_SkipStrategy5)->Unit(benchmark::kMillisecond);

void BM_FreqAnalyse5(benchmark::State& state) {
    Text(state,
         [](const core::DrawStore& s) { return core::FreqAnalyse(s, E.game, s.DrawCount, En); });
}
BENCHMARK(BM_FreqAnalyse5)->Unit(benchmark::kMillisecond);

void BM_Separation5(benchmark::State& state) {
    const int a = Store().DrawCount - static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(core::Separation(Store(), E.game, a, En));
}
BENCHMARK(BM_Separation5)->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_Combinations5(benchmark::State& state) {
    Text(state, [](const core::DrawStore& s) { return core::Combinations(s, E, En); });
}
BENCHMARK(BM_Combinations5)->Unit(benchmark::kMillisecond);

class Host536 : public EditionHost {
public:
    Host536() : EditionHost(Bundle5x36) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return ::Store(); }
};

// The table commands with the table filling and one screen of cells, as the program runs them.
template <class Command> void Table(benchmark::State& state, Command command) {
    Host536 host;
    TForm_StringGrid form(host);
    for (auto _ : state) {
        const core::TableResult r = command(Store());
        form.fill_grid();
        form.PutColumns(r.table);
        bench_support::WriteScreen(*form.StringGrid1);
    }
}

void BM_FrequencyStrategy5IntoTable(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Table(state, [n](const core::DrawStore& s) { return core::FrequencyStrategy(s, E, n, En); });
}
BENCHMARK(BM_FrequencyStrategy5IntoTable)->Arg(20)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FilterAny5IntoTable(benchmark::State& state) {
    Table(state, [](const core::DrawStore& s) { return core::FilterAny(s, E, En); });
}
BENCHMARK(BM_FilterAny5IntoTable)->Unit(benchmark::kMillisecond);

void BM_Groups5IntoTable(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Table(state, [n](const core::DrawStore& s) { return core::Groups(s, E.game, n, En); });
}
BENCHMARK(BM_Groups5IntoTable)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

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

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
