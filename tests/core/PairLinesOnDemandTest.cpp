#include "core/PairCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <ostream>

namespace {

using core::Lang;

// Random draws, newest first, with a repeated number, a zero and a byte beyond the pool among
// them once the history is long enough, as a hand-edited file may hold.
core::DrawStore HistoryStore(int count, const core::Game& game) {
    std::mt19937 rng(4242);
    std::vector<core::Draw> draws(static_cast<std::size_t>(count));
    for (core::Draw& d : draws) d = testing_support::RandomDraw(rng, game.pool, game.perDraw);
    if (count >= 100) {
        draws[3][1] = draws[3][0];
        draws[41][0] = 0;
        draws[77][game.perDraw - 1] = 200;
    }
    return testing_support::StoreOf(draws);
}

struct Command {
    const char* name;
    std::function<core::CommandResult(const core::DrawStore&, const core::Edition&)> make;
    bool measuredUpFront; // sizes cheap enough to count before the first screen
};

const Command commands[] = {
    {"Stats duples",
     [](auto& s, auto& e) { return core::StatsDuples(s, e.game, 3, Lang::English); }, false},
    {"Match in draws",
     [](auto& s, auto& e) { return core::MatchInDraws(s, e.game, Lang::English); }, false},
    {"Period", [](auto& s, auto& e) { return core::Period(s, e, 3, Lang::English); }, false},
    {"Triples", [](auto& s, auto& e) { return core::Triples(s, e, 2, Lang::English); }, true},
};

struct History {
    const core::Edition* edition;
    int draws;
};
void PrintTo(const History& h, std::ostream* os) {
    *os << h.edition->game.tag() << ", " << h.draws << " draws";
}

class PairLinesOnDemand : public testing::TestWithParam<History> {};

// The text window asks for a line's size, then the line, for the screen it shows, the last
// line (Ctrl+End) or any line a copy reaches, in any order. Each line so made is the line of
// the whole text written in order, and the first screen and the last line need no count of
// every line: the longest line and the text's size are counted only when asked for.
TEST_P(PairLinesOnDemand, LinesMadeOneAtATimeAreTheWholeText) {
    const core::Edition& edition = *GetParam().edition;
    const core::DrawStore store = HistoryStore(GetParam().draws, edition.game);
    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> whole = c.make(store, edition).source->Lines();
        const auto fresh = c.make(store, edition).source;
        ASSERT_TRUE(fresh);
        ASSERT_EQ(fresh->Count(), whole.size());
        const std::size_t n = whole.size();
        std::vector<std::size_t> order(std::min<std::size_t>(n, 40));
        std::iota(order.begin(), order.end(), 0);
        if (n > 0) order.push_back(n - 1);
        for (std::size_t i : order) {
            ASSERT_EQ(fresh->LineBytes(i), whole[i].size()) << i;
            ASSERT_EQ(fresh->Line(i), whole[i]) << i;
        }
        EXPECT_EQ(fresh->Measured(), c.measuredUpFront);
        // Then every line, in a scattered order, as scrolling and copying reach them.
        order.resize(n);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), std::mt19937(7));
        std::size_t bytes = 0, longest = 0;
        std::string line;
        for (std::size_t i : order) {
            fresh->Write(i, line);
            ASSERT_EQ(line, whole[i]) << i;
            bytes += line.size();
            longest = std::max(longest, line.size());
        }
        EXPECT_EQ(fresh->TextBytes(), bytes);
        EXPECT_EQ(fresh->MaxLineBytes(), longest);
    }
}

std::vector<History> Histories() {
    std::vector<History> out;
    for (const core::Edition* e : {&core::Edition6x45, &core::Edition5x36})
        for (int draws : {0, 1, 2, 100, 10000}) out.push_back({e, draws});
    return out;
}

INSTANTIATE_TEST_SUITE_P(BothGames, PairLinesOnDemand, testing::ValuesIn(Histories()),
                         [](const auto& info) {
                             return "Game" + info.param.edition->game.tag().substr(0, 1) + "Draws" +
                                    std::to_string(info.param.draws);
                         });

} // namespace
