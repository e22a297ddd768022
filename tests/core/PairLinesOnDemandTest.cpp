#include "core/PairCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

using core::Lang;

// Random draws, newest first; a long history also holds a repeated number, a zero and a byte
// beyond the pool, as a hand-edited file may.
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

// Lines asked for one at a time, in any order (screen, Ctrl+End, copy), are the lines of the
// whole text; the longest line and the text's size are counted only when asked for, except by
// Triples, whose sizes are cheap.
TEST(PairLinesOnDemand, LinesMadeOneAtATimeAreTheWholeText) {
    const std::pair<const core::Edition*, int> histories[] = {
        {&core::Edition6x45, 0}, {&core::Edition6x45, 2},   {&core::Edition6x45, 100},
        {&core::Edition5x36, 1}, {&core::Edition5x36, 100}, {&core::Edition6x45, 10000}};
    for (const auto& [e, draws] : histories) {
        const core::DrawStore s = HistoryStore(draws, e->game);
        auto run = [&] {
            return std::array{StatsDuples(s, e->game, 3, Lang::English),
                              MatchInDraws(s, e->game, Lang::English),
                              Period(s, *e, 3, Lang::English), Triples(s, *e, 2, Lang::English)};
        };
        const auto wholes = run(), fresh = run();
        for (std::size_t k = 0; k < fresh.size(); ++k) {
            SCOPED_TRACE("command " + std::to_string(k) + ", " + e->game.tag() + ", " +
                         std::to_string(draws));
            const std::vector<std::string> whole = wholes[k].source->Lines();
            const core::LineSource& source = *fresh[k].source;
            ASSERT_EQ(source.Count(), whole.size());
            std::vector<std::size_t> order(whole.size());
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), std::mt19937(7));
            std::size_t bytes = 0, longest = 0;
            std::string line;
            for (std::size_t i : order) {
                ASSERT_EQ(source.LineBytes(i), whole[i].size()) << i;
                source.Write(i, line);
                ASSERT_EQ(line, whole[i]) << i;
                bytes += line.size();
                longest = std::max(longest, line.size());
            }
            EXPECT_EQ(source.Measured(), k == 3);
            EXPECT_EQ(source.TextBytes(), bytes);
            EXPECT_EQ(source.MaxLineBytes(), longest);
        }
    }
}

} // namespace
