#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "bench/support/History.h"
#include "core/DrawFile.h"
#include "core/Edition.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

void BM_LoadIntoStore(benchmark::State& state) {
    const auto lines = bench_support::HistoryLines(10000, core::Edition6x45);
    const std::string text = platform::JoinLines(lines);
    for (auto _ : state) {
        core::DrawStore store;
        auto report =
            core::LoadDrawLines(core::DrawFileLines(text), core::Edition6x45.drawFile, store);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_LoadIntoStore)->Unit(benchmark::kMillisecond);

// The 5-of-36 file: draw number and date before the numbers, both kept for the grid.
void BM_LoadIntoStore5x36(benchmark::State& state) {
    const auto lines = bench_support::HistoryLines(10000, core::Edition5x36);
    const std::string text = platform::JoinLines(lines);
    for (auto _ : state) {
        core::DrawStore store;
        auto report =
            core::LoadDrawLines(core::DrawFileLines(text), core::Edition5x36.drawFile, store);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_LoadIntoStore5x36)->Unit(benchmark::kMillisecond);

void BM_LoadIntoStoreAndGrid(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "drawstat-bench-load";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "history.txt").string();
    platform::WriteFileAtomic(
        file, platform::JoinLines(bench_support::HistoryLines(10000, core::Edition6x45)));
    platform::SetProgramFolder(dir.string());
    VovuvWindows windows;
    for (auto _ : state) windows.form1->LoadDrawFile(file);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadIntoStoreAndGrid)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
