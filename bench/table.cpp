#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_stringgrid.h"
#include "bench/support/History.h"
#include "core/ColumnChart.h"
#include "core/TableMarking.h"

#include <QApplication>
#include <QScrollBar>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class BenchHost : public EditionHost {
public:
    BenchHost()
        : EditionHost(Bundle6x45), store(bench_support::HistoryStore(10000, core::Edition6x45)) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return store; }
    core::DrawStore store;
};

BenchHost& Host() {
    static BenchHost host;
    return host;
}

void BM_FillGrid(benchmark::State& state) {
    TForm_StringGrid form(Host());
    for (auto _ : state) form.fill_grid();
}
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond);

// One repaint of the marks: a page of 30 rows at the bottom of the table, the selection at
// the top, so the limited trace walks the whole history for its next occurrences.
void BM_MarkPage(benchmark::State& state) {
    const auto& store = Host().store;
    core::TableMarkState s;
    s.filterMode = true;
    s.unlimited = state.range(0) != 0;
    s.highlight = 7;
    s.selectedRow = 1;
    s.selected = store[0];
    for (auto _ : state)
        for (int row = store.DrawCount - 29; row <= store.DrawCount; ++row)
            for (int col = 0; col < 15; ++col)
                benchmark::DoNotOptimize(core::MarkOf(store, 6, s, col, row, 15));
}
BENCHMARK(BM_MarkPage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same through the window: paint the grid's visible cells in filter mode.
void BM_PaintMarkedGrid(benchmark::State& state) {
    TForm_StringGrid form(Host());
    form.show();
    form.EnterFilterMode();
    QApplication::processEvents();
    form.StringGrid1->verticalScrollBar()->setValue(
        form.StringGrid1->verticalScrollBar()->maximum());
    for (auto _ : state) {
        QImage img = form.StringGrid1->viewport()->grab().toImage();
        benchmark::DoNotOptimize(img);
    }
    form.hide();
}
BENCHMARK(BM_PaintMarkedGrid)->Unit(benchmark::kMillisecond);

void BM_ColumnChart(benchmark::State& state) {
    TForm_StringGrid form(Host());
    std::vector<std::string> cells;
    for (int r = 1; r < form.StringGrid1->RowCount(); ++r)
        cells.push_back(form.StringGrid1->Cells(2, r));
    for (auto _ : state) benchmark::DoNotOptimize(core::ColumnChart(cells, "A1"));
}
BENCHMARK(BM_ColumnChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
