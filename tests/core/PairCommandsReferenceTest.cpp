#include "core/PairCommands.h"
#include "tests/core/PairReference.h"

#include <gtest/gtest.h>

namespace {

// The fast commands against the literal walks, on random histories of a few hundred draws;
// the odd histories hold repeated numbers, zeros and bytes beyond the masks.
class AgainstLiteral : public testing::TestWithParam<core::Game> {};

TEST_P(AgainstLiteral, Triples) {
    const core::Game g = GetParam();
    const auto s = pair_reference::RandomStore(300, g, 1, true);
    for (int m : {0, 2, 3}) {
        const auto r = core::Triples(s, g, m, core::Lang::English);
        ASSERT_EQ(r.lines, pair_reference::Triples(s, g, m)) << m;
    }
}

TEST_P(AgainstLiteral, Numbers) {
    const core::Game g = GetParam();
    const auto s = pair_reference::RandomStore(300, g, 2, false);
    for (int n : {0, 1, 137, 300}) {
        const auto r = core::Numbers(s, g, n, core::Lang::English);
        ASSERT_EQ(r.lines, pair_reference::Numbers(s, g, n)) << n;
    }
}

TEST_P(AgainstLiteral, StatsDuples) {
    const core::Game g = GetParam();
    const auto s = pair_reference::RandomStore(300, g, 3, true);
    for (int k = 1; k <= 6; ++k)
        ASSERT_EQ(core::StatsDuples(s, g, k, core::Lang::English).lines,
                  pair_reference::Duples(s, g, k))
            << k;
}

TEST_P(AgainstLiteral, MatchInDraws) {
    const core::Game g = GetParam();
    for (unsigned seed : {4u, 5u}) {
        const auto s = pair_reference::RandomStore(300, g, seed, true);
        ASSERT_EQ(core::MatchInDraws(s, g, core::Lang::English).lines, pair_reference::Match(s, g));
    }
}

TEST_P(AgainstLiteral, Period) {
    const core::Game g = GetParam();
    const auto s = pair_reference::RandomStore(300, g, 6, true);
    for (int k : {0, 2, 3, 4, 7}) {
        const auto r = core::Period(s, g, k, core::Lang::English);
        const auto want = pair_reference::Period(s, g, k);
        ASSERT_EQ(r.lines, want.lines) << k;
        std::vector<core::ChartData::Value> kept;
        for (const auto& v : want.values)
            if (v.point >= 1 && v.point <= 100) kept.push_back(v);
        const auto& got = r.charts.at(0).values;
        ASSERT_EQ(got.size(), kept.size());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            EXPECT_EQ(got[i].series, kept[i].series);
            EXPECT_EQ(got[i].point, kept[i].point);
            EXPECT_EQ(got[i].value, kept[i].value);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothGames, AgainstLiteral, testing::Values(core::Game6x45, core::Game5x36),
                         [](const auto& info) { return "Game" + info.param.tag().substr(0, 1); });

} // namespace
