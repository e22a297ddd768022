#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "core/Edition.h"
#include "core/PairCommands.h"
#include "platform/Memo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

using bench_support::StatusMB;
using bench_support::TextMB;

const core::DrawStore& History() {
    static const core::DrawStore store = bench_support::HistoryStore(10000, core::Edition6x45);
    return store;
}

struct Big {
    const char* name;
    std::function<core::CommandResult()> make;
};

const Big bigs[] = {
    {"StatsDuples1",
     [] { return core::StatsDuples(History(), core::Game6x45, 1, core::Lang::English); }},
    {"Period0", [] { return core::Period(History(), core::Edition6x45, 0, core::Lang::English); }},
    {"MatchInDraws",
     [] { return core::MatchInDraws(History(), core::Game6x45, core::Lang::English); }},
};

// The hand-over the program makes: a source's lines, or the lines moved in.
void Hand(platform::TMemo& memo, core::CommandResult&& r) {
    if (r.source)
        memo.SetSource(std::move(r.source));
    else
        memo.SetLines(std::move(r.lines));
}

void Key(platform::TMemo& memo, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&memo, &press);
}

// A text window's memo at the size of a result window.
struct Shown {
    platform::TMemo memo;
    Shown() {
        memo.resize(700, 1000);
        memo.show();
        QApplication::processEvents();
    }
    void Paint() { memo.viewport()->repaint(); }
};

// The hand-over: the result's lines moved into the memo and the first screen painted. Memory is
// what the process holds above the empty window while the result is shown, and after release.
void Show(benchmark::State& state, const Big& big, bool withCommand) {
    Shown w;
    const double idle = StatusMB("VmRSS");
    double text = 0, held = 0;
    for (auto _ : state) {
        if (!withCommand) state.PauseTiming();
        core::CommandResult r = big.make();
        if (!withCommand) state.ResumeTiming();
        const auto source = r.source;
        Hand(w.memo, std::move(r));
        w.Paint();
        state.PauseTiming();
        held = StatusMB("VmRSS") - idle;
        // The text's size counts every line, which the first screen does not wait for.
        core::CommandResult sized;
        sized.source = source;
        text = TextMB(sized);
        state.ResumeTiming();
    }
    state.counters["text_MB"] = text;
    state.counters["held_MB"] = held;
    state.counters["held_per_text"] = held / text;
    w.memo.Release();
    state.counters["released_MB"] = StatusMB("VmRSS") - idle;
}

// One user step on a shown result, with the repaint it causes.
void Step(benchmark::State& state, const Big& big, const std::string& step) {
    Shown w;
    Hand(w.memo, big.make());
    w.Paint();
    auto& m = w.memo;
    for (auto _ : state) {
        if (step == "PageDown") {
            if (m.verticalScrollBar()->value() == m.verticalScrollBar()->maximum()) {
                state.PauseTiming();
                Key(m, Qt::Key_Home, Qt::ControlModifier);
                w.Paint();
                state.ResumeTiming();
            }
            Key(m, Qt::Key_PageDown);
        } else if (step == "JumpToEnd") {
            state.PauseTiming();
            Key(m, Qt::Key_Home, Qt::ControlModifier);
            w.Paint();
            state.ResumeTiming();
            Key(m, Qt::Key_End, Qt::ControlModifier);
        } else if (step == "Wheel") {
            QWheelEvent turn(QPointF(10, 10), m.mapToGlobal(QPointF(10, 10)), QPoint(),
                             QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
            QApplication::sendEvent(m.viewport(), &turn);
        } else if (step == "Reverse") {
            m.Reverse();
        } else if (step == "EndOfLongLines") {
            // The caret to the end of a long line: every row is drawn from far to the right.
            state.PauseTiming();
            m.SetSelection({100, 0}, {100, 0});
            w.Paint();
            state.ResumeTiming();
            Key(m, Qt::Key_End);
        } else if (step == "WrapOn") {
            m.SetWordWrap(true);
            state.PauseTiming();
            w.Paint();
            m.SetWordWrap(false);
            state.ResumeTiming();
        } else if (step == "CopyAll") {
            Key(m, Qt::Key_A, Qt::ControlModifier);
            Key(m, Qt::Key_C, Qt::ControlModifier);
        }
        w.Paint();
    }
    state.counters["rss_MB"] = StatusMB("VmRSS");
}

} // namespace

int main(int argc, char** argv) {
    for (const Big& big : bigs) {
        const std::string name = big.name;
        benchmark::RegisterBenchmark(("Memo/" + name + "/Show").c_str(),
                                     [&big](benchmark::State& s) { Show(s, big, false); })
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Memo/" + name + "/AnswerToShown").c_str(),
                                     [&big](benchmark::State& s) { Show(s, big, true); })
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        for (const char* step :
             {"PageDown", "JumpToEnd", "Wheel", "Reverse", "EndOfLongLines", "WrapOn"})
            benchmark::RegisterBenchmark(("Memo/" + name + "/" + step).c_str(),
                                         [&big, step](benchmark::State& s) { Step(s, big, step); })
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Memo/" + name + "/CopyAll").c_str(),
                                     [&big](benchmark::State& s) { Step(s, big, "CopyAll"); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    return bench_support::RunBenchmarks(argc, argv);
}
