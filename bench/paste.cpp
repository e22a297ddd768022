#include "apps/shared/FindEdit.h"
#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "core/PairCommands.h"
#include "platform/FreedMemory.h"
#include "platform/Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <chrono>

// What a paste costs the program: a 50 MB paste into the main window's Find box, and the memory
// held after another program was served Copy all of Stats duples 1 at 10,000 draws.
namespace {

using bench_support::StatusMB;

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &press);
}

void BM_FindPaste50MB(benchmark::State& state) {
    QString text;
    text.reserve(50 << 20);
    while (text.size() < (50 << 20)) text += QStringLiteral("5 17 23 ");
    QApplication::clipboard()->setText(text);
    TFindEdit edit;
    for (auto _ : state) {
        edit.clear();
        Key(&edit, Qt::Key_V, Qt::ControlModifier);
        benchmark::DoNotOptimize(edit.text().size());
    }
    state.counters["kept_chars"] = static_cast<double>(edit.text().size());
    QApplication::clipboard()->clear();
}
BENCHMARK(BM_FindPaste50MB)->Unit(benchmark::kMillisecond);

// Resident memory of the process before Copy all, after the text was copied and handed to the
// window system (served_MB: the bytes a paste got), and once the paste's data is let go. Argument
// 1: the text window's Reverse first, so the longest lines come last.
void BM_ServedPasteResident(benchmark::State& state) {
    const core::DrawStore store = bench_support::HistoryStore(10000, core::Edition6x45);
    for (auto _ : state) {
        platform::TMemo memo;
        memo.SetSource(core::StatsDuples(store, core::Game6x45, 1, core::Lang::English).source);
        if (state.range(0)) memo.Reverse();
        memo.SelectAll();
        memo.CopyToClipboard();
        platform::HandBackFreedMemory(platform::TrimBytes);
        const double before = StatusMB("VmRSS:");
        double served = 0;
        {
            const QByteArray bytes = QApplication::clipboard()->mimeData()->data("text/plain");
            served = static_cast<double>(bytes.size()) / (1 << 20);
        }
        platform::HandBackFreedMemory(platform::TrimBytes);
        state.counters["before_MB"] = before;
        state.counters["after_paste_MB"] = StatusMB("VmRSS:");
        state.counters["held_by_paste_MB"] = StatusMB("VmRSS:") - before;
        state.counters["served_MB"] = served;
        QApplication::clipboard()->clear();
    }
}
BENCHMARK(BM_ServedPasteResident)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
