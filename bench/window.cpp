#include "apps/shared/Unit_memo.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "components/skin/xpButton.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include "bench/support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>

// Drives the program's own windows as a user does: the command's button, the answer, the text
// window shown modally, then keys, the wheel and Reverse in it, then closing it.
namespace {

using bench_support::StatusMB;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

class DriverDialogs : public platform::DialogSeam {
public:
    std::string answer;
    Clock::time_point answered;
    std::function<void(TForm_memo&)> inMemo;

    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        answered = Clock::now();
        return answer;
    }
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&, platform::DefaultAnswer) override {
        return false;
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    bool ShellOpen(const std::string&) override { return false; }
    void RunModal(platform::TForm& form) override {
        if (&form != Form_memo) return; // the chart of Period is not measured
        QTimer::singleShot(0, &form, [this] { inMemo(*Form_memo); });
        form.ExecModal();
    }
};

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &press);
}

void Drive(benchmark::State& state, const char* answer, void (TForm1::*button)()) {
    const auto dir = std::filesystem::temp_directory_path() / "drawstat-bench-window";
    std::filesystem::create_directories(dir);
    platform::WriteFileAtomic(
        (dir / "6x45.txt").string(),
        platform::JoinLines(bench_support::HistoryLines(10000, core::Edition6x45)));
    platform::SetProgramFolder(dir.string());
    auto owned = std::make_unique<DriverDialogs>();
    DriverDialogs& dialogs = *owned;
    auto previous = platform::SetDialogs(std::move(owned));
    {
        VovuvWindows windows;
        QApplication::processEvents();
        const double idle = StatusMB("VmRSS");
        dialogs.answer = answer;
        for (auto _ : state) {
            dialogs.inMemo = [&](TForm_memo& memo) {
                platform::TMemo* m = memo.Memo1;
                m->setFocus();
                // Shown: the window is on screen and its first screen of text painted.
                while (!memo.windowHandle() || !memo.windowHandle()->isExposed())
                    QApplication::processEvents(QEventLoop::AllEvents, 5);
                m->viewport()->repaint();
                // The first run touches memory the process never had; on some virtual machines
                // that costs seconds for a 400 MB result, so the first run is reported apart.
                const double shown = Ms(dialogs.answered);
                if (!state.counters.count("first_answer_to_shown_ms"))
                    state.counters["first_answer_to_shown_ms"] = shown;
                state.counters["answer_to_shown_ms"] = shown;
                state.counters["text_MB"] = static_cast<double>(m->Content().TextBytes()) / 1048576;
                state.counters["shown_MB"] = StatusMB("VmRSS") - idle;
                auto time = [&](const char* name, const std::function<void()>& step) {
                    const auto t = Clock::now();
                    step();
                    m->viewport()->repaint();
                    state.counters[name] = Ms(t);
                };
                time("page_ms", [&] { Key(m, Qt::Key_PageDown); });
                time("wheel_ms", [&] {
                    QWheelEvent turn(QPointF(10, 10), m->mapToGlobal(QPointF(10, 10)), QPoint(),
                                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                     Qt::NoScrollPhase, false);
                    QApplication::sendEvent(m->viewport(), &turn);
                });
                time("end_ms", [&] { Key(m, Qt::Key_End, Qt::ControlModifier); });
                time("reverse_ms", [&] { memo.Button_Reverse->click(); });
                time("reverse_back_ms", [&] { memo.Button_Reverse->click(); });
                memo.close();
            };
            dialogs.answered = Clock::now();
            (windows.form1.get()->*button)();
            state.PauseTiming();
            state.counters["closed_MB"] = StatusMB("VmRSS") - idle;
            dialogs.inMemo = [](TForm_memo& memo) { memo.close(); };
            windows.form1->Button_Cold_numbersClick();
            state.counters["after_small_command_MB"] = StatusMB("VmRSS") - idle;
            state.ResumeTiming();
        }
        state.counters["idle_MB"] = idle;
        state.counters["peak_MB"] = StatusMB("VmHWM");
    }
    platform::SetDialogs(std::move(previous));
    platform::SetProgramFolder("");
    std::filesystem::remove_all(dir);
}

void BM_WindowStatsDuples1(benchmark::State& s) {
    Drive(s, "1", &TForm1::Button_stat_duplesClick);
}
BENCHMARK(BM_WindowStatsDuples1)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_WindowPeriod0(benchmark::State& s) {
    Drive(s, "0", &TForm1::Button_PeriodClick);
}
BENCHMARK(BM_WindowPeriod0)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_WindowMatchInDraws(benchmark::State& s) {
    Drive(s, "", &TForm1::Button_Match_in_drawsClick);
}
BENCHMARK(BM_WindowMatchInDraws)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
