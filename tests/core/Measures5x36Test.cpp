#include "core/CenterDifference.h"
#include "core/MeasureCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

using core::Lang;
using Lines = std::vector<std::string>;
using testing_support::StoreOf;

const auto E = core::Edition5x36;

core::DrawStore History() {
    return StoreOf({{2, 9, 15, 28, 31}, {1, 2, 3, 4, 5}, {3, 10, 17, 25, 36}});
}

// The caption, the lines and a chart paged over every draw (by draw number, oldest first).
void ExpectPaged(const core::CommandResult& r, const std::string& caption, const Lines& lines,
                 const std::vector<std::int32_t>& series, std::optional<double> yMax) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(r.caption, caption);
    EXPECT_EQ(core::AllLines(r), lines);
    ASSERT_FALSE(r.charts.empty());
    const auto& chart = r.charts[0];
    ASSERT_TRUE(chart.pagedSeries.has_value());
    EXPECT_EQ(*chart.pagedSeries, series);
    EXPECT_TRUE(chart.values.empty());
    EXPECT_EQ(chart.yMax, yMax);
    EXPECT_TRUE(chart.autoScale);
    EXPECT_EQ(chart.caption, ""); // the text window's caption
}

TEST(Measures5x36, TextsAndASeriesPagedOverEveryDraw) {
    const auto h = History();
    for (Lang lang : {Lang::English, Lang::Russian}) {
        const bool en = lang == Lang::English;
        ExpectPaged(core::CharacterCommand(h, E, lang),
                    en ? "Characteristic number" : "Характеристическое число",
                    {"3: 3", "2: 0 (0) (0)", "1: 1 (3)"}, {1, 0, 3}, std::nullopt);
        ExpectPaged(core::CheckSumCommand(h, E, lang), en ? "check sums" : "Контрольные суммы",
                    {"3:85", "2:15", "1:91"}, {91, 15, 85}, 255);
    }
    // The centre is the midpoint of the outer numbers, rounded down (3 + 36 -> 19).
    ExpectPaged(core::CenterCommand(h, E), "Center of a group of numbers",
                {"3: 16", "2: 03", "1: 19"}, {19, 3, 16}, std::nullopt);

    // The check sums' distribution stays a chart of points.
    const auto sums = core::CheckSumCommand(h, E, Lang::Russian);
    ASSERT_EQ(sums.charts.size(), 2u);
    const auto& d = sums.charts[1];
    EXPECT_FALSE(d.pagedSeries.has_value());
    EXPECT_EQ(d.caption, "Распределение");
    ASSERT_EQ(d.values.size(), 6u);
    EXPECT_EQ(d.values[0].value, 25);
    EXPECT_EQ(d.values[5].value, 91);
}

TEST(Measures5x36, CharacterOfTenThousandDrawsFillsEveryDraw) {
    std::vector<core::Draw> draws(10000, core::Draw{2, 9, 15, 28, 31});
    draws.back() = {3, 10, 17, 25, 36};
    const auto r = core::CharacterCommand(StoreOf(draws), E, Lang::English);
    const auto lines = core::AllLines(r);
    ASSERT_EQ(lines.size(), 10000u);
    EXPECT_EQ(lines.front(), "10000: 3");
    EXPECT_EQ(lines.back(), "00001: 1 (3)");
    ASSERT_EQ(r.charts[0].pagedSeries->size(), 10000u);
    EXPECT_EQ(r.charts[0].pagedSeries->front(), 1);
    EXPECT_EQ(r.charts[0].pagedSeries->back(), 3);
}

TEST(Difference5x36, CountsOfEachDistanceToThePreviousDraw) {
    const auto gaps = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += "__ ";
        return s;
    };
    const auto r = core::DifferenceCommand(History(), E);
    EXPECT_EQ(r.caption, "Difference between current and previous draws");
    EXPECT_TRUE(r.charts.empty());
    EXPECT_EQ(core::AllLines(r),
              (Lines{"        00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 "
                     "20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 ",
                     "3: 01 02 01 01 01 01 01 01 01 __ 01 01 01 01 01 __ __ __ __ __ __ __ "
                     "__ 01 01 01 02 02 01 01 01 __ __ __ __ __ ",
                     "2: 01 02 02 __ __ 01 01 01 01 01 __ __ 01 01 01 01 01 __ __ __ 01 01 "
                     "01 01 01 __ __ __ __ __ __ 01 01 01 01 01 "}));
    const auto same = core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}), E);
    EXPECT_EQ(core::AllLines(same).at(1), "2: 05 08 06 04 02 " + gaps(31));
    EXPECT_EQ(core::AllLines(core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 5}}), E)).size(), 1u);
    // A number outside the pool counts no distance beyond the table.
    const auto odd = core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 200}, {1, 2, 3, 4, 5}}), E);
    ASSERT_EQ(core::AllLines(odd).size(), 2u);
    EXPECT_EQ(core::AllLines(odd)[1], "2: 04 07 05 03 01 " + gaps(31));
}

TEST(ColumnChart5x36, RefusedColumnsAndRoundedValuesByDrawNumber) {
    const std::vector<std::string> cells = {"Average", "18.50", "", "19.5"};
    for (int col : {1, 8, 11, 17}) EXPECT_FALSE(core::ColumnChart(col, cells, E)) << col;
    EXPECT_FALSE(core::ColumnChart(7, {"", "1", "2"}, E));
    const auto chart = core::ColumnChart(10, cells, E);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->caption, "Average");
    EXPECT_EQ(chart->yMax, 1000);
    ASSERT_TRUE(chart->pagedSeries);
    EXPECT_EQ(*chart->pagedSeries, (std::vector<std::int32_t>{20, 0, 18}));
    EXPECT_THROW(core::ColumnChart(10, {"Sum", "x"}, E), core::FloatConversionError);
}

} // namespace
