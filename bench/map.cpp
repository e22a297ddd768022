#include "apps/shared/Unit_display.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "bench/support/History.h"
#include "core/Combination.h"
#include "core/DrawLists.h"
#include "core/DrawMap.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

void BM_MapCommand(benchmark::State& state) {
    const auto store = bench_support::HistoryStore(10000, core::Edition6x45);
    core::DrawMapTable map;
    for (auto _ : state) {
        core::BuildDrawMap(store, core::Game6x45, map);
        auto result = core::MapCommand(store, core::Game6x45, core::Lang::English, map);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_MapCommand)->Unit(benchmark::kMillisecond);

void BM_RenderMap(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "drawstat-bench-map";
    std::filesystem::create_directories(dir);
    platform::WriteFileAtomic(
        (dir / "6x45.txt").string(),
        platform::JoinLines(bench_support::HistoryLines(10000, core::Edition6x45)));
    platform::SetProgramFolder(dir.string());
    VovuvWindows windows;
    core::BuildDrawMap(windows.form1->Draws, core::Game6x45, windows.display->DrawMap);
    const int cell = static_cast<int>(state.range(0));
    for (auto _ : state) windows.display->RenderMap(state.range(1) != 0, cell);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RenderMap)->Args({2, 0})->Args({10, 1})->Unit(benchmark::kMillisecond);

void BM_CombinationByRank(benchmark::State& state) {
    long long rank = 1;
    for (auto _ : state) {
        auto c = core::CombinationByRank(rank, 45, 6);
        benchmark::DoNotOptimize(c);
        rank = (rank + 104728) % 8145060 + 1;
    }
}
BENCHMARK(BM_CombinationByRank);

void BM_DrawList(benchmark::State& state) {
    const auto store = bench_support::HistoryStore(10000, core::Edition6x45);
    for (auto _ : state) {
        auto lines = core::DrawListLines(store, core::Game6x45, false);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_DrawList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
