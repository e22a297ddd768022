#include "components/chart/Histogramm.h"
#include "components/chart/Image.h"
#include "components/chart/KerfGraph.h"

#include <QApplication>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<TKerfsoftGraph> Chart(int series, int points, bool legend) {
    auto g = std::make_unique<TKerfsoftGraph>();
    g->resize(705, 413);
    g->ShowLegend = legend;
    g->ClearGraph();
    for (int s = 1; s <= series; ++s)
        for (int p = 1; p <= points; ++p) g->SetValue(s, p, 1 + (s * 31 + p * 17) % 97);
    g->SetYRange(1000, 0);
    g->AutoScale();
    g->ResizeGraph();
    return g;
}

void BM_Redraw100x100(benchmark::State& state) {
    auto g = Chart(100, 100, true);
    for (auto _ : state) g->UpdateGraph();
}
BENCHMARK(BM_Redraw100x100)->Unit(benchmark::kMillisecond);

void BM_Redraw45Bars(benchmark::State& state) {
    auto g = Chart(1, 45, false);
    for (auto _ : state) g->UpdateGraph();
}
BENCHMARK(BM_Redraw45Bars)->Unit(benchmark::kMillisecond);

void BM_Histogram45(benchmark::State& state) {
    TImage image;
    image.SetPictureSize(688, 446);
    TIntHistogramm h(45, 1, 45, &image);
    for (int i = 0; i < 45; ++i) h.hv.SetValue(i, 50 + (i * 13) % 40);
    for (auto _ : state) h.Draw();
}
BENCHMARK(BM_Histogram45)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
