#include "core/CountTables.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct LevelCase {
    const char* name;
    core::Counts counts;
    bool pad;
    Lines expected;
};

class LevelLinesTest : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelLinesTest, PrintsLevelsDownToTheFirstZeroLevel) {
    const auto& c = GetParam();
    EXPECT_EQ(core::LevelLines(c.counts, c.pad, 45), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelLinesTest,
    testing::Values(
        LevelCase{"padded", {2, 0, 3, 2, 0}, true, {"03: 03", "02: 01 04", "00: 02 05"}},
        LevelCase{"plain", {2, 0, 3, 2, 0}, false, {"3: 3", "2: 1 4", "0: 2 5"}},
        // Every number counted: the zero level is printed with nothing after it.
        LevelCase{"all counted", {1, 1, 2}, true, {"02: 03", "01: 01 02", "00:"}},
        LevelCase{"gaps in the levels", {9, 1, 9, 4}, false, {"9: 1 3", "4: 4", "1: 2", "0:"}},
        LevelCase{"nothing counted", {0, 0, 0}, true, {"00: 01 02 03"}},
        LevelCase{"three-digit level", {120, 0}, true, {"120: 01", "00: 02"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (auto& ch : n)
            if (ch == ' ' || ch == '-') ch = '_';
        return n;
    });

TEST(SortedByCountTest, SortsDescendingWithTiesInNumberOrder) {
    const auto s = core::SortedByCount({1, 3, 1, 3, 0}, 45);
    EXPECT_EQ(s.numbers, "02 04 01 03 05 ");
    EXPECT_EQ(s.counts, "03 03 01 01 00 ");
}

TEST(SortedByCountTest, WritesLargeCountsUnpadded) {
    const auto s = core::SortedByCount({5, 250}, 45);
    EXPECT_EQ(s.numbers, "02 01 ");
    EXPECT_EQ(s.counts, "250 05 ");
}

TEST(AddChartValueTest, KeepsPointsOneToHundredOnly) {
    core::ChartData chart;
    for (int p : {-1, 0, 1, 50, 100, 101, 10000}) core::AddChartValue(chart, 1, p, p);
    ASSERT_EQ(chart.values.size(), 3u);
    EXPECT_EQ(chart.values[0].point, 1);
    EXPECT_EQ(chart.values[1].point, 50);
    EXPECT_EQ(chart.values[2].point, 100);
}

} // namespace
