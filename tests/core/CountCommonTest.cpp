#include "core/CountCommon.h"
#include "tests/core/PairReference.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

core::DrawStore StoreOf(const std::vector<core::Draw>& newestFirst) {
    core::DrawStore s;
    for (std::size_t i = 0; i < newestFirst.size(); ++i)
        s.PutDraw(newestFirst[i], static_cast<int>(i));
    s.DrawCount = static_cast<int>(newestFirst.size());
    return s;
}

struct CommonCase {
    core::Draw a, b;
    int shared;
};

class CountCommonShared : public testing::TestWithParam<CommonCase> {};

TEST_P(CountCommonShared, CountsSharedNumbersBothWays) {
    const auto& c = GetParam();
    EXPECT_EQ(core::CountCommon(c.a.data(), 6, c.b.data(), 6), c.shared);
    EXPECT_EQ(core::CountCommon(c.b.data(), 6, c.a.data(), 6), c.shared);
    const core::DrawStore s = StoreOf({c.a, c.b});
    const core::CommonCounts counts(s, 2, 6);
    EXPECT_EQ(counts(0, 1), c.shared);
    std::uint8_t row[1];
    counts.Row(0, 1, 2, row);
    EXPECT_EQ(row[0], c.shared);
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
        std::vector<std::uint8_t> row(s.DrawCount);
        for (int i = 0; i < s.DrawCount; ++i) {
            const int from = i % 5, to = s.DrawCount - i % 7;
            counts.Row(i, from, to, row.data());
            for (int j = from; j < to; ++j) {
                const int want = pair_reference::Common(s[i], s[j], g.perDraw);
                ASSERT_EQ(row[j - from], want) << i << " " << j;
                ASSERT_EQ(counts(i, j), want) << i << " " << j;
            }
        }
    }
}

TEST(CommonCounts, EmptyRangeWritesNothing) {
    const core::DrawStore s = StoreOf({{1, 2, 3, 4, 5, 6}});
    const core::CommonCounts counts(s, 1, 6);
    std::uint8_t row[1] = {77};
    counts.Row(0, 1, 1, row);
    EXPECT_EQ(row[0], 77);
}

} // namespace
