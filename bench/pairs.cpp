#include "bench/support/History.h"
#include "core/PairCommands.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The commands that compare every pair of draws, as the text window first shows them: the
// result and its first screen of lines, at 2,500 and 10,000 draws, so the growth from one to the
// other shows whether the first screen waits for the whole pairwise pass (linear work grows 4x).
// Triples is timed writing every line, as Copy all and Ctrl+End make them.
namespace {

constexpr auto En = core::Lang::English;
constexpr std::size_t ScreenLines = 40;

const core::DrawStore& Store(const core::Edition& e, int draws) {
    static std::map<std::pair<const core::Edition*, int>, core::DrawStore> stores;
    auto [at, fresh] = stores.try_emplace({&e, draws});
    if (fresh) at->second = bench_support::HistoryStore(draws, e);
    return at->second;
}

// Writes lines [0, count) of a result as the text window does when they come on screen or
// are copied; returns their bytes.
std::size_t Write(const core::CommandResult& r, std::size_t count) {
    std::size_t bytes = 0;
    if (!r.source) {
        for (std::size_t i = 0; i < r.lines.size() && i < count; ++i) bytes += r.lines[i].size();
        return bytes;
    }
    std::string line;
    for (std::size_t i = 0; i < std::min(count, r.source->Count()); ++i) {
        r.source->Write(i, line);
        bytes += line.size();
    }
    return bytes;
}

using Make = std::function<core::CommandResult(const core::DrawStore&, const core::Edition&)>;

void Run(benchmark::State& state, const core::Edition& e, const Make& make, std::size_t lines) {
    const core::DrawStore& s = Store(e, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const core::CommandResult r = make(s, e);
        benchmark::DoNotOptimize(Write(r, lines));
    }
}

struct Case {
    std::string name;
    Make make;
    std::size_t lines;
};

std::vector<Case> Cases() {
    using S = const core::DrawStore&;
    using E = const core::Edition&;
    std::vector<Case> out;
    for (int k : {1, 3})
        out.push_back({"StatsDuples/" + std::to_string(k),
                       [k](S s, E e) { return core::StatsDuples(s, e.game, k, En); }, ScreenLines});
    out.push_back(
        {"MatchInDraws", [](S s, E e) { return core::MatchInDraws(s, e.game, En); }, ScreenLines});
    for (int k : {0, 3})
        out.push_back({"Period/" + std::to_string(k),
                       [k](S s, E e) { return core::Period(s, e, k, En); }, ScreenLines});
    for (int m : {0, 2})
        out.push_back({"Triples/" + std::to_string(m) + "/AllLines",
                       [m](S s, E e) { return core::Triples(s, e, m, En); }, SIZE_MAX});
    return out;
}

} // namespace

int main(int argc, char** argv) {
    static const std::vector<Case> cases = Cases();
    for (const core::Edition* e : {&core::Edition6x45, &core::Edition5x36})
        for (const Case& c : cases)
            benchmark::RegisterBenchmark(
                ("Pairs/" + e->game.tag() + "/" + c.name).c_str(),
                [e, &c](benchmark::State& s) { Run(s, *e, c.make, c.lines); })
                ->Arg(2500)
                ->Arg(10000)
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
