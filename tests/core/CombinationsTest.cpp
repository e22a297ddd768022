#include "tests/support/Stores.h"
#include "core/Combinations.h"
#include "tests/core/PairReference.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace {

struct RankCase {
    core::Game game;
    core::Draw numbers;
    std::int32_t rank;
};
void PrintTo(const RankCase& c, std::ostream* os) {
    for (int k = 0; k < c.game.perDraw; ++k) *os << int(c.numbers[k]) << ' ';
    *os << "-> " << c.rank;
}

class CombinationRankOf : public testing::TestWithParam<RankCase> {};

TEST_P(CombinationRankOf, Draw) {
    EXPECT_EQ(core::CombinationRank(GetParam().numbers.data(), GetParam().game), GetParam().rank);
}

INSTANTIATE_TEST_SUITE_P(
    Ranks, CombinationRankOf,
    testing::Values(RankCase{core::Game6x45, {1, 2, 3, 4, 5, 6}, 1},
                    RankCase{core::Game6x45, {1, 2, 3, 4, 5, 7}, 2},
                    RankCase{core::Game6x45, {1, 2, 3, 4, 6, 7}, 41},
                    RankCase{core::Game6x45, {2, 3, 4, 5, 6, 7}, 1086009},
                    RankCase{core::Game6x45, {40, 41, 42, 43, 44, 45}, 8145060},
                    RankCase{core::Game5x36, {1, 2, 3, 4, 5, 0}, 1},
                    RankCase{core::Game5x36, {1, 2, 3, 4, 6, 0}, 2},
                    RankCase{core::Game5x36, {32, 33, 34, 35, 36, 0}, 376992},
                    // No combination: outside the pool, repeated, not ascending.
                    RankCase{core::Game6x45, {0, 1, 2, 3, 4, 5}, 0},
                    RankCase{core::Game6x45, {1, 2, 3, 4, 5, 46}, 0},
                    RankCase{core::Game6x45, {1, 1, 2, 3, 4, 5}, 0},
                    RankCase{core::Game6x45, {2, 1, 3, 4, 5, 6}, 0},
                    RankCase{core::Game5x36, {1, 2, 3, 4, 37, 0}, 0}));

TEST(CombinationRank, ClosedFormEqualsEnumerationForSmallGames) {
    for (const core::Game g : {core::Game{10, 3}, core::Game{12, 4}, core::Game{9, 5},
                               core::Game{8, 6}, core::Game{7, 1}}) {
        // Every combination in lexicographic order has its place as rank.
        std::vector<int> c(g.perDraw);
        for (int i = 0; i < g.perDraw; ++i) c[i] = i + 1;
        std::int32_t expected = 0;
        while (true) {
            core::Draw d{};
            for (int i = 0; i < g.perDraw; ++i) d[i] = static_cast<std::uint8_t>(c[i]);
            ASSERT_EQ(core::CombinationRank(d.data(), g), ++expected) << g.tag();
            int i = g.perDraw - 1;
            while (i >= 0 && c[i] == g.pool - g.perDraw + 1 + i) --i;
            if (i < 0) break;
            ++c[i];
            for (int j = i + 1; j < g.perDraw; ++j) c[j] = c[j - 1] + 1;
        }
        EXPECT_EQ(expected, g.combinations());
        // Random bytes, mostly no combination, against the literal enumeration.
        std::mt19937 rng(7);
        for (int t = 0; t < 300; ++t) {
            core::Draw d{};
            for (int i = 0; i < g.perDraw; ++i)
                d[i] = static_cast<std::uint8_t>(rng() % (g.pool + 2));
            if (t % 2) std::sort(d.begin(), d.begin() + g.perDraw);
            ASSERT_EQ(core::CombinationRank(d.data(), g),
                      pair_reference::RankByEnumeration(d.data(), g));
        }
    }
}

TEST(CombinationRank, ClosedFormFollowsTheFullEnumeration) {
    // All 8145060 combinations in order; every 997th one is checked.
    const core::Game g = core::Game6x45;
    std::int32_t counter = 0;
    int checked = 0;
    core::Draw d{};
    for (int a = 1; a <= 40; ++a)
        for (int b = a + 1; b <= 41; ++b)
            for (int c = b + 1; c <= 42; ++c)
                for (int e = c + 1; e <= 43; ++e)
                    for (int f = e + 1; f <= 44; ++f)
                        for (int h = f + 1; h <= 45; ++h) {
                            if (++counter % 997 != 0) continue;
                            d = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(e),
                                 static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(h)};
                            ASSERT_EQ(core::CombinationRank(d.data(), g), counter);
                            ++checked;
                        }
    EXPECT_EQ(counter, 8145060);
    EXPECT_EQ(checked, 8145060 / 997);
}

using testing_support::StoreOf;

TEST(Combinations, ListsRanksNewestFirstAndChartsThem) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {40, 41, 42, 43, 44, 45}});
    const auto r = core::Combinations(s, core::Edition6x45, core::Lang::English);
    EXPECT_EQ(r.caption, "Combinations");
    EXPECT_EQ(core::AllLines(r), (std::vector<std::string>{"3:1", "2:2", "1:8145060"}));
    ASSERT_EQ(r.charts.size(), 1u);
    const auto& c = r.charts[0];
    EXPECT_EQ(c.caption, ""); // the text window's caption, read back
    EXPECT_EQ(c.yMax, 255);
    EXPECT_EQ(c.yMin, 0);
    EXPECT_TRUE(c.autoScale);
    ASSERT_EQ(c.values.size(), 3u);
    EXPECT_EQ(c.values[0].point, 3);
    EXPECT_EQ(c.values[0].value, 1);
    EXPECT_EQ(c.values[2].point, 1);
    EXPECT_EQ(c.values[2].value, 8145060);
    EXPECT_EQ(core::Combinations(s, core::Edition6x45, core::Lang::Russian).caption, "Комбинации");
}

TEST(Combinations, DrawNumbersPaddedAndOnlyPointsUpTo100Charted) {
    std::vector<core::Draw> d(150, core::Draw{1, 2, 3, 4, 5, 6});
    d[149] = {1, 1, 2, 3, 4, 5};
    const auto r = core::Combinations(StoreOf(d), core::Edition6x45, core::Lang::English);
    EXPECT_EQ(core::AllLines(r).front(), "150:1");
    EXPECT_EQ(core::AllLines(r).back(), "001:0");
    const auto& v = r.charts.at(0).values;
    ASSERT_EQ(v.size(), 100u);
    for (const auto& p : v) {
        EXPECT_GE(p.point, 1);
        EXPECT_LE(p.point, 100);
    }
    EXPECT_EQ(v.back().point, 1);
    EXPECT_EQ(v.back().value, 0);
}

TEST(Combinations, QuestionByLanguage) {
    EXPECT_EQ(core::CombinationsQuestion(core::Lang::English), "It takes a while. Continue?");
    EXPECT_EQ(core::CombinationsQuestion(core::Lang::Russian),
              "Расчёт займёт некоторое время. Продолжить?");
}

} // namespace
