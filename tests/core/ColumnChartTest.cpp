#include "core/ColumnChart.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadReal, NumbersAndNonNumbers) {
    EXPECT_EQ(core::ReadReal("12"), 12.0);
    EXPECT_EQ(core::ReadReal(" 1.5 "), 1.5);
    EXPECT_EQ(core::ReadReal("-3"), -3.0);
    EXPECT_EQ(core::ReadReal("+2"), 2.0);
    EXPECT_FALSE(core::ReadReal("abc"));
    EXPECT_FALSE(core::ReadReal("1,5"));
    EXPECT_FALSE(core::ReadReal("12a"));
    EXPECT_FALSE(core::ReadReal(""));
}

TEST(ColumnChart, OldestDrawIsPointOneAndEmptyCellsAreSkipped) {
    const auto out = core::ColumnChart({"5", "", "7.5"}, "S1");
    ASSERT_TRUE(out.chart);
    const auto& c = *out.chart;
    EXPECT_EQ(c.caption, "S1");
    ASSERT_EQ(c.values.size(), 2u);
    EXPECT_EQ(c.values[0].series, 1);
    EXPECT_EQ(c.values[0].point, 3); // row 1, the newest
    EXPECT_EQ(c.values[0].value, 5.0);
    EXPECT_EQ(c.values[1].point, 1); // row 3, the oldest
    EXPECT_EQ(c.values[1].value, 7.5);
    EXPECT_EQ(c.yMax, 1000);
    EXPECT_EQ(c.yMin, 0);
    EXPECT_TRUE(c.autoScale);
}

TEST(ColumnChart, KeepsOnlyTheOldestHundredValues) {
    std::vector<std::string> cells;
    for (int r = 1; r <= 250; ++r) cells.push_back(std::to_string(r));
    const auto out = core::ColumnChart(cells, "A1");
    ASSERT_TRUE(out.chart);
    ASSERT_EQ(out.chart->values.size(), 100u);
    for (const auto& v : out.chart->values) {
        EXPECT_GE(v.point, 1);
        EXPECT_LE(v.point, 100);
        EXPECT_EQ(v.value, 251 - v.point); // row = 251 - point
    }
}

TEST(ColumnChart, ANonNumberStopsWithTheConversionMessage) {
    const auto out = core::ColumnChart({"1", "x2", "3"}, "H");
    EXPECT_FALSE(out.chart);
    EXPECT_EQ(out.error, "'x2' is not a valid floating point value");
}

} // namespace

namespace {

TEST(PagedColumnChart, EveryDrawRoundedHalvesToEvenOldestFirst) {
    // Rows newest first; one row beyond the draws (an older fill) is not charted.
    const auto out = core::PagedColumnChart({"2.5", "", "3.5", "-1.5", "7"}, "Sum", 4);
    ASSERT_TRUE(out.chart);
    EXPECT_EQ(out.chart->caption, "Sum");
    EXPECT_TRUE(out.chart->values.empty());
    EXPECT_EQ(out.chart->pagedSeries, (std::vector<std::int32_t>{-2, 4, 0, 2}));
    EXPECT_EQ(out.chart->yMax, 1000);

    const auto bad = core::PagedColumnChart({"1", "x"}, "Sum", 2);
    EXPECT_FALSE(bad.chart);
    EXPECT_EQ(bad.error, "'x' is not a valid floating point value");
    EXPECT_EQ(core::PagedColumnChart({}, "Sum", 0).chart->pagedSeries->size(), 0u);
}

} // namespace
