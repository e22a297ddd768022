#include "tests/support/Stores.h"
#include "core/CountCommon.h"
#include "tests/core/PairReference.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using testing_support::StoreOf;

struct CommonCase {
    core::Draw a, b;
    int shared;
};
void PrintTo(const CommonCase& c, std::ostream* os) {
    *os << "shared " << c.shared;
}

class CountCommonShared : public testing::TestWithParam<CommonCase> {};

TEST_P(CountCommonShared, CountsSharedNumbersBothWays) {
    const auto& c = GetParam();
    EXPECT_EQ(core::CountCommon(c.a.data(), 6, c.b.data(), 6), c.shared);
    EXPECT_EQ(core::CountCommon(c.b.data(), 6, c.a.data(), 6), c.shared);
    const core::DrawStore s = StoreOf({c.a, c.b});
    const core::CommonCounts counts(s, 2, 6);
    EXPECT_EQ(counts(0, 1), c.shared);
    for (int minimum = 0; minimum <= 7; ++minimum) {
        std::vector<std::pair<int, int>> seen;
        counts.ForEachAtLeast(0, 1, 2, minimum, false,
                              [&](int j, int shared) { seen.emplace_back(j, shared); });
        if (c.shared >= minimum)
            EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, c.shared}})) << minimum;
        else
            EXPECT_TRUE(seen.empty()) << minimum;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ZeroToSix, CountCommonShared,
    testing::Values(CommonCase{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, 0},
                    CommonCase{{1, 2, 3, 4, 5, 6}, {6, 8, 9, 10, 11, 12}, 1},
                    CommonCase{{1, 2, 3, 4, 5, 45}, {1, 8, 9, 10, 11, 45}, 2},
                    CommonCase{{1, 2, 3, 4, 5, 6}, {2, 4, 6, 10, 11, 12}, 3},
                    CommonCase{{10, 20, 30, 40, 44, 45}, {10, 20, 30, 40, 41, 42}, 4},
                    CommonCase{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, 5},
                    CommonCase{{40, 41, 42, 43, 44, 45}, {40, 41, 42, 43, 44, 45}, 6}));

TEST(CountCommon, CountsIndexPairsOfRepeatedBytes) {
    const std::uint8_t a[] = {5, 5, 7};
    const std::uint8_t b[] = {5, 7, 7, 9};
    EXPECT_EQ(core::CountCommon(a, 3, b, 4), 2 + 2);
    EXPECT_EQ(core::CountCommon(a, 0, b, 4), 0);
    EXPECT_EQ(core::CountCommon(a, 2, b, 1), 2);
}

TEST(CountCommon, CountsOnlyTheGivenLengths) {
    const std::uint8_t a[] = {1, 2, 3, 4, 5, 0};
    const std::uint8_t b[] = {1, 2, 3, 4, 5, 0};
    EXPECT_EQ(core::CountCommon(a, 5, b, 5), 5);
    EXPECT_EQ(core::CountCommon(a, 6, b, 6), 6);
}

TEST(CommonCounts, EqualsTheByteCountForEveryPairOfAnOddHistory) {
    for (const core::Game& g : {core::Game6x45, core::Game5x36}) {
        const core::DrawStore s = pair_reference::RandomStore(300, g, 11, true);
        const core::CommonCounts counts(s, s.DrawCount, g.perDraw);
        for (int i = 0; i < s.DrawCount; ++i)
            for (int j = 0; j < s.DrawCount; ++j)
                ASSERT_EQ(counts(i, j), pair_reference::Common(s[i], s[j], g.perDraw)) << i << j;
    }
}

// Ranges that start and end inside and on the edges of the 64-draw words, both directions.
TEST(CommonCounts, VisitsExactlyThePairsAtLeastTheMinimumInOrder) {
    for (const core::Game& g : {core::Game6x45, core::Game5x36}) {
        const core::DrawStore s = pair_reference::RandomStore(300, g, 12, true);
        const core::CommonCounts counts(s, s.DrawCount, g.perDraw);
        const std::pair<int, int> ranges[] = {{0, 300},  {1, 300}, {0, 64},    {63, 129},
                                              {64, 128}, {5, 6},   {200, 299}, {17, 17}};
        for (int i = 0; i < s.DrawCount; i += 7)
            for (auto [from, to] : ranges)
                for (int minimum = -1; minimum <= 8; ++minimum)
                    for (bool descending : {false, true}) {
                        std::vector<std::pair<int, int>> want, got;
                        for (int k = 0; k < to - from; ++k) {
                            const int j = descending ? to - 1 - k : from + k;
                            const int c = pair_reference::Common(s[i], s[j], g.perDraw);
                            if (c >= minimum) want.emplace_back(j, c);
                        }
                        counts.ForEachAtLeast(i, from, to, minimum, descending,
                                              [&](int j, int c) { got.emplace_back(j, c); });
                        ASSERT_EQ(got, want) << i << " " << from << " " << to << " " << minimum;
                        // Exactly minimum, as the buckets of Match in draws ask.
                        want.clear();
                        got.clear();
                        for (int k = 0; k < to - from; ++k) {
                            const int j = descending ? to - 1 - k : from + k;
                            const int c = pair_reference::Common(s[i], s[j], g.perDraw);
                            if (c == minimum) want.emplace_back(j, c);
                        }
                        counts.ForEachBetween(i, from, to, minimum, minimum, descending,
                                              [&](int j, int c) { got.emplace_back(j, c); });
                        ASSERT_EQ(got, want) << i << " " << from << " " << to << " " << minimum;
                        EXPECT_EQ(counts.CountBetween(i, from, to, minimum, minimum),
                                  static_cast<int>(want.size()));
                    }
    }
}

TEST(CommonCounts, EmptyRangeVisitsNothing) {
    const core::DrawStore s = StoreOf({{1, 2, 3, 4, 5, 6}});
    const core::CommonCounts counts(s, 1, 6);
    int visits = 0;
    counts.ForEachAtLeast(0, 1, 1, 0, false, [&](int, int) { ++visits; });
    counts.ForEachAtLeast(0, 0, 0, 0, true, [&](int, int) { ++visits; });
    EXPECT_EQ(visits, 0);
}

// Period's paged chart counts every draw's newer draws sharing at least the minimum in one
// pass: it must give what comparing every pair gives, with repeated numbers, zeros, bytes
// beyond the pool and identical draws among them, for every minimum an answer can give.
TEST(NewerSharing, EqualsComparingEveryPair) {
    for (const core::Game& g : {core::Game6x45, core::Game5x36})
        for (bool odd : {false, true}) {
            const int n = 300;
            const auto s = pair_reference::RandomStore(n, g, 11, odd);
            for (int minimum = -1; minimum <= 8; ++minimum) {
                std::vector<std::int32_t> want(n, 0);
                for (int r = 0; r < n; ++r)
                    for (int f = 0; f < r; ++f)
                        want[r] += pair_reference::Common(s[r], s[f], g.perDraw) >= minimum;
                ASSERT_EQ(core::NewerSharing(s, g, n, minimum), want)
                    << g.tag() << " odd " << odd << " minimum " << minimum;
            }
        }
}

} // namespace
