#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "core/Combinations.h"
#include "core/PairCommands.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using bench_support::StatusMB;
using bench_support::TextMB;

const core::DrawStore& History() {
    static const core::DrawStore store = bench_support::HistoryStore(10000);
    return store;
}

// Each run makes the result and writes the lines of one screen, as the text window shows it.
// The first run, the one a user waits for after starting the program, is reported apart
// (cold_ms), and so is writing every line once (all_lines_ms), as Copy all and a paste do.
template <class Command> void Run(benchmark::State& state, Command command) {
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::time_point since) {
        return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
    };
    const core::DrawStore& store = History();
    auto start = Clock::now();
    {
        const core::CommandResult r = command(store);
        benchmark::DoNotOptimize(bench_support::WriteLines(r, 0, bench_support::ScreenLines));
        state.counters["cold_ms"] = ms(start);
        start = Clock::now();
        benchmark::DoNotOptimize(bench_support::WriteLines(r, 0, SIZE_MAX));
        state.counters["all_lines_ms"] = ms(start);
    }
    double text = 0;
    for (auto _ : state) {
        core::CommandResult r = command(store);
        benchmark::DoNotOptimize(bench_support::WriteLines(r, 0, bench_support::ScreenLines));
        text = TextMB(r);
        benchmark::DoNotOptimize(r);
    }
    state.counters["text_MB"] = text;
    state.counters["peak_MB"] = StatusMB("VmHWM");
}

void BM_Triples(benchmark::State& state) {
    const int m = static_cast<int>(state.range(0));
    Run(state, [m](const core::DrawStore& s) {
        return core::Triples(s, core::Edition6x45, m, core::Lang::English);
    });
}
BENCHMARK(BM_Triples)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Numbers(benchmark::State& state) {
    Run(state, [](const core::DrawStore& s) {
        return core::Numbers(s, core::Edition6x45, s.DrawCount, core::Lang::English);
    });
}
BENCHMARK(BM_Numbers)->Unit(benchmark::kMillisecond);

void BM_StatsDuples(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    Run(state, [k](const core::DrawStore& s) {
        return core::StatsDuples(s, core::Game6x45, k, core::Lang::English);
    });
}
BENCHMARK(BM_StatsDuples)->Arg(3)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MatchInDraws(benchmark::State& state) {
    Run(state, [](const core::DrawStore& s) {
        return core::MatchInDraws(s, core::Game6x45, core::Lang::English);
    });
}
BENCHMARK(BM_MatchInDraws)->Unit(benchmark::kMillisecond);

void BM_Period(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    Run(state, [k](const core::DrawStore& s) {
        return core::Period(s, core::Edition6x45, k, core::Lang::English);
    });
}
BENCHMARK(BM_Period)->Arg(3)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Combinations(benchmark::State& state) {
    Run(state, [](const core::DrawStore& s) {
        return core::Combinations(s, core::Edition6x45, core::Lang::English);
    });
}
BENCHMARK(BM_Combinations)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
