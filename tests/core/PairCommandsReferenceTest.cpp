#include "core/PairCommands.h"
#include "tests/core/PairReference.h"

#include <gtest/gtest.h>

namespace {

// The lines of a result made on demand, checked against the sizes it gave before making them.
std::vector<std::string> Made(const core::CommandResult& r) {
    EXPECT_TRUE(r.source);
    if (!r.source) return r.lines;
    const std::vector<std::string> lines = r.source->Lines();
    std::size_t longest = 0, bytes = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(r.source->LineBytes(i), lines[i].size()) << i;
        longest = std::max(longest, lines[i].size());
        bytes += lines[i].size();
    }
    EXPECT_EQ(r.source->MaxLineBytes(), longest);
    EXPECT_EQ(r.source->TextBytes(), bytes);
    return lines;
}

// The fast commands against the literal walks, on random histories of a few hundred draws;
// the odd histories hold repeated numbers, zeros and bytes beyond the masks.
class AgainstLiteral : public testing::TestWithParam<core::Edition> {};

TEST_P(AgainstLiteral, Triples) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = pair_reference::RandomStore(300, g, 1, true);
    for (int m : {0, 2, 3}) {
        const auto r = core::Triples(s, e, m, core::Lang::English);
        ASSERT_EQ(core::AllLines(r), pair_reference::Triples(s, g, m)) << m;
    }
}

TEST_P(AgainstLiteral, Numbers) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = pair_reference::RandomStore(300, g, 2, false);
    for (int n : {0, 1, 137, 300}) {
        const auto r = core::Numbers(s, e, n, core::Lang::English);
        ASSERT_EQ(r.lines, pair_reference::Numbers(s, g, n)) << n;
    }
}

TEST_P(AgainstLiteral, StatsDuples) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = pair_reference::RandomStore(300, g, 3, true);
    for (int k = 1; k <= 6; ++k)
        ASSERT_EQ(Made(core::StatsDuples(s, g, k, core::Lang::English)),
                  pair_reference::Duples(s, g, k))
            << k;
}

TEST_P(AgainstLiteral, MatchInDraws) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    for (unsigned seed : {4u, 5u}) {
        const auto s = pair_reference::RandomStore(300, g, seed, true);
        ASSERT_EQ(Made(core::MatchInDraws(s, g, core::Lang::English)), pair_reference::Match(s, g));
    }
}

TEST_P(AgainstLiteral, Period) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = pair_reference::RandomStore(300, g, 6, true);
    for (int k : {0, 2, 3, 4, 7}) {
        const auto r = core::Period(s, e, k, core::Lang::English);
        const auto want = pair_reference::Period(s, g, k, e.pairs->periodPadded);
        ASSERT_EQ(Made(r), want.lines) << k;
        std::vector<core::ChartData::Value> kept;
        for (const auto& v : want.values)
            if (v.point >= 1 && (e.filter->pagedSeries || v.point <= 100)) kept.push_back(v);
        if (e.filter->pagedSeries) {
            // Every draw's count at its draw number; the newest draw has none.
            const auto& paged = r.charts.at(0).pagedSeries.value();
            ASSERT_EQ(paged.size(), static_cast<std::size_t>(s.DrawCount));
            EXPECT_EQ(paged.back(), 0);
            for (const auto& v : kept) EXPECT_EQ(paged[v.point - 1], v.value);
            continue;
        }
        const auto& got = r.charts.at(0).values;
        ASSERT_EQ(got.size(), kept.size());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            EXPECT_EQ(got[i].series, kept[i].series);
            EXPECT_EQ(got[i].point, kept[i].point);
            EXPECT_EQ(got[i].value, kept[i].value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothGames, AgainstLiteral,
                         testing::Values(core::Edition6x45, core::Edition5x36),
                         [](const auto& info) {
                             return "Game" + info.param.game.tag().substr(0, 1);
                         });

} // namespace
