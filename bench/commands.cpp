#include "apps/shared/EditionHost.h"
#include "apps/shared/Handover.h"
#include "apps/shared/Unit_stringgrid.h"
#include "bench/support/History.h"
#include "bench/support/Memory.h"
#include "bench/support/Screen.h"
#include "core/CenterDifference.h"
#include "core/Combinations.h"
#include "core/DrawMap.h"
#include "core/FilterCommands.h"
#include "core/Find.h"
#include "core/FrequencyCommands.h"
#include "core/GridColumns.h"
#include "core/Groups.h"
#include "core/Map2.h"
#include "core/MeasureCommands.h"
#include "core/PairCommands.h"
#include "core/StrategyCommands.h"
#include "core/ZoneCommands.h"
#include "platform/StringGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Every command of both editions as the program runs it: the result, then what one screen
// shows (the text window's first screen of lines, or the table window filled and its first
// screen of cells), over a 10,000-draw history. Each is reported warm (the benchmark's loop)
// and as the first run in a fresh process (first_ms): the program then touches memory and
// code it never had, which the warm loop hides. For that the driver runs itself once per
// command with --first-run=NAME, BENCH_FIRST_RUNS times (3 unless set), and keeps the median.
namespace {

constexpr int Draws = 10000;
constexpr auto En = core::Lang::English;

class Host : public EditionHost {
public:
    Host(const EditionBundle& bundle, const core::DrawStore& store)
        : EditionHost(bundle), store_(store) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return store_; }

private:
    const core::DrawStore& store_;
};

// What the program holds before a command runs: the loaded history, its main grid and the
// table window.
struct Program {
    explicit Program(const EditionBundle& bundle)
        : edition(bundle.rules), store(bench_support::HistoryStore(Draws, bundle.rules)),
          host(bundle, store), table(host) {
        const auto columns = core::MainGridSources(store, edition.game, {});
        mainGrid.SetColCount(core::MainGridColumns);
        mainGrid.BeginUpdate();
        for (int c = 0; c < core::MainGridColumns; ++c) mainGrid.SetColumn(c, columns[c]);
        mainGrid.SetRowCount(store.DrawCount + 1);
        mainGrid.EndUpdate();
    }
    const core::Edition& edition;
    core::DrawStore store;
    Host host;
    TForm_StringGrid table;
    platform::TStringGrid mainGrid;
    core::DrawMapTable map;
    // The text window holds a result until the next one replaces it.
    core::CommandResult shown;
};

using Run = std::function<void(Program&)>;

// A text result and the first screen of its lines.
template <class Make> Run Text(Make make) {
    return [make](Program& p) {
        core::CommandResult r = make(p.store, p.edition);
        benchmark::DoNotOptimize(bench_support::WriteLines(r, 0, bench_support::ScreenLines));
        p.shown = std::move(r);
    };
}

// A table result put into the table window and its first screen of cells.
template <class Make> Run Table(Make make) {
    return [make](Program& p) {
        const core::TableResult r = make(p.store, p.edition);
        p.table.fill_grid();
        p.table.PutColumns(r.table);
        bench_support::WriteScreen(*p.table.StringGrid1);
    };
}

struct Command {
    std::string name;
    const EditionBundle* bundle;
    Run run;
};

using S = const core::DrawStore&;
using E = const core::Edition&;

// The commands both editions have, then each edition's own, with the answers a user gives
// most (the prompts' defaults) and the heaviest ones.
std::vector<Command> Commands() {
    std::vector<Command> out;
    for (const EditionBundle* b : {&Bundle6x45, &Bundle5x36}) {
        const std::string tag = b->rules.game.tag() + "/";
        auto add = [&](const std::string& name, Run run) {
            out.push_back({tag + name, b, std::move(run)});
        };
        add("Statistics", Text([](S s, E e) { return core::StatisticsCommand(s, e, Draws, En); }));
        add("Delta", Text([](S s, E e) { return core::DeltaCommand(s, e, Draws, En); }));
        add("Average", Text([](S s, E e) { return core::AverageCommand(s, e, Draws, En); }));
        add("Cold numbers", Text([](S s, E e) { return core::ColdNumbersCommand(s, e, En); }));
        add("Frequency", Text([](S s, E e) { return core::FrequencyCommand(s, e, Draws, En); }));
        add("Freq A1..", Text([](S s, E e) { return core::FreqA1A6Command(s, e, Draws, En); }));
        add("Character", Text([](S s, E e) { return core::CharacterCommand(s, e, En); }));
        add("Check Sum", Text([](S s, E e) { return core::CheckSumCommand(s, e, En); }));
        for (int z : {2, b->rules.game.pool})
            add("Zones/" + std::to_string(z),
                Text([z](S s, E e) { return core::Zones(s, e, z, En); }));
        add("Final sums", Table([](S s, E e) { return core::FinalSums(s, e, En); }));
        add("Map", [](Program& p) {
            core::BuildDrawMap(p.store, p.edition.game, p.map);
            Text([&p](S s, E e) { return core::MapCommand(s, e.game, En, p.map); })(p);
        });
        for (int m : {2, 0})
            add("Triples/" + std::to_string(m),
                Text([m](S s, E e) { return core::Triples(s, e, m, En); }));
        add("Numbers", Text([](S s, E e) { return core::Numbers(s, e, s.DrawCount, En); }));
        for (int k : {3, 2, 1})
            add("Stats duples/" + std::to_string(k),
                Text([k](S s, E e) { return core::StatsDuples(s, e.game, k, En); }));
        add("Match in draws", Text([](S s, E e) { return core::MatchInDraws(s, e.game, En); }));
        for (int k : {3, 0})
            add("Period/" + std::to_string(k),
                Text([k](S s, E e) { return core::Period(s, e, k, En); }));
        add("Combinations", Text([](S s, E e) { return core::Combinations(s, e, En); }));
        add("Skip strategy",
            Text([](S s, E e) { return core::SkipStrategy(s, e, s.DrawCount, En); }));
        for (int n : {Draws, 20})
            add("Frequency strategy/" + std::to_string(n),
                Table([n](S s, E e) { return core::FrequencyStrategy(s, e, n, En); }));
        add("Freq Analyse",
            Text([](S s, E e) { return core::FreqAnalyse(s, e.game, s.DrawCount, En); }));
        add("Filter Any", Table([](S s, E e) { return core::FilterAny(s, e, En); }));
        for (int back : {0, 5000})
            add("Separation/" + std::to_string(back), Text([back](S s, E e) {
                    return *core::Separation(s, e.game, s.DrawCount - back, En);
                }));
        add("Find", Text([](S s, E e) {
                core::CommandResult r;
                r.source =
                    core::FindSource(s, core::CleanFindText("3 17 22 31 36"), e.game.perDraw);
                return r;
            }));
        add("Show", [](Program& p) {
            p.table.fill_grid();
            p.table.PutColumns(ColumnsFrom(p.mainGrid, p.edition.game.perDraw + 3));
            p.table.StringGrid1->SetRowCount(p.mainGrid.RowCount());
            bench_support::WriteScreen(*p.table.StringGrid1);
        });
    }
    const auto add = [&](const EditionBundle& b, const std::string& name, Run run) {
        out.push_back({b.rules.game.tag() + "/" + name, &b, std::move(run)});
    };
    add(Bundle6x45, "Prognosis", Text([](S s, E e) { return core::Prognosis(s, e.game, En); }));
    add(Bundle6x45, "Spans", Text([](S s, E e) { return core::Spans(s, e.game).text; }));
    add(Bundle6x45, "Band", Text([](S s, E e) { return core::Band(s, e.game); }));
    add(Bundle6x45, "Sort by groups", Text([](S s, E e) { return core::SortByGroups(s, e.game); }));
    add(Bundle5x36, "Center", Text([](S s, E e) { return core::CenterCommand(s, e); }));
    add(Bundle5x36, "Difference", Text([](S s, E e) { return core::DifferenceCommand(s, e); }));
    for (int n : {0, 10})
        add(Bundle5x36, "Groups/" + std::to_string(n),
            Table([n](S s, E e) { return core::Groups(s, e.game, n, En); }));
    add(Bundle5x36, "Map 2", [](Program& p) {
        // The grid window's first screen: every number's row, the newest 40 draws.
        const core::Map2Grid grid(p.store, p.edition.game);
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < std::min(40, grid.ColCount()); ++col) {
                std::string cell = grid.Cell(col, row);
                benchmark::DoNotOptimize(cell);
            }
    });
    return out;
}

// The programs the warm runs share, one per edition. They hold widgets, so main owns them and
// lets them go before the application object they need.
using Programs = std::map<const EditionBundle*, std::unique_ptr<Program>>;

Program& ProgramOf(Programs& programs, const EditionBundle& bundle) {
    auto& p = programs[&bundle];
    if (!p) p = std::make_unique<Program>(bundle);
    return *p;
}

// The command's first run in a fresh process of this program, in ms.
double FirstRunMs(const std::string& name) {
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return -1;
    exe[n] = '\0';
    const char* env = std::getenv("BENCH_FIRST_RUNS");
    const int runs = std::max(1, env ? std::atoi(env) : 3);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const std::string command =
            "'" + std::string(exe) + "' '--first-run=" + name + "' 2>/dev/null";
        FILE* child = popen(command.c_str(), "r");
        if (!child) return -1;
        double ms = -1;
        if (std::fscanf(child, "%lf", &ms) != 1) ms = -1;
        pclose(child);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Warm(benchmark::State& state, const Command& command, Programs& programs) {
    // The benchmark runs this more than once while it sizes the loop.
    static std::map<std::string, double> firsts;
    if (!firsts.count(command.name)) firsts[command.name] = FirstRunMs(command.name);
    state.counters["first_ms"] = firsts[command.name];
    Program& p = ProgramOf(programs, *command.bundle);
    for (auto _ : state) command.run(p);
    p.shown = {};
}

int FirstRun(const std::vector<Command>& commands, const std::string& name) {
    const auto c = std::find_if(commands.begin(), commands.end(),
                                [&](const Command& k) { return k.name == name; });
    if (c == commands.end()) return 1;
    Program p(*c->bundle);
    const auto start = std::chrono::steady_clock::now();
    c->run(p);
    const auto end = std::chrono::steady_clock::now();
    std::printf("%.3f\n", std::chrono::duration<double, std::milli>(end - start).count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    static const std::vector<Command> commands = Commands();
    const char* flag = "--first-run=";
    if (argc == 2 && std::strncmp(argv[1], flag, std::strlen(flag)) == 0)
        return FirstRun(commands, argv[1] + std::strlen(flag));
    Programs programs;
    for (const Command& c : commands)
        benchmark::RegisterBenchmark(("Commands/" + c.name).c_str(), [&c, &programs](
                                                                         benchmark::State& s) {
            Warm(s, c, programs);
        })->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
