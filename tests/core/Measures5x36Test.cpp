#include "core/CenterDifference.h"
#include "core/MeasureCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using core::Lang;
using testing_support::StoreOf;

const auto E = core::Edition5x36;

core::DrawStore History() {
    return StoreOf({{2, 9, 15, 28, 31}, {1, 2, 3, 4, 5}, {3, 10, 17, 25, 36}});
}

struct MeasureCase {
    const char* name;
    core::CommandResult (*run)(Lang);
    Lang lang;
    std::string caption;
    std::vector<std::string> lines;
    std::vector<std::int32_t> series; // by draw number, oldest first
    std::optional<double> yMax;
};

class Measures5x36 : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(Measures5x36, TextsAndTheSeriesOverEveryDraw) {
    const auto& c = GetParam();
    const auto r = c.run(c.lang);
    EXPECT_EQ(r.caption, c.caption);
    EXPECT_EQ(r.lines, c.lines);
    ASSERT_FALSE(r.charts.empty());
    const auto& chart = r.charts[0];
    ASSERT_TRUE(chart.pagedSeries.has_value());
    EXPECT_EQ(*chart.pagedSeries, c.series);
    EXPECT_TRUE(chart.values.empty());
    EXPECT_EQ(chart.yMax, c.yMax);
    EXPECT_TRUE(chart.autoScale);
    EXPECT_EQ(chart.caption, ""); // the text window's caption
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Measures5x36,
    ::testing::Values(MeasureCase{"CharacterEnglish",
                                  [](Lang l) { return core::CharacterCommand(History(), E, l); },
                                  Lang::English,
                                  "Characteristic number",
                                  {"3: 3", "2: 0 (0) (0)", "1: 1 (3)"},
                                  {1, 0, 3},
                                  std::nullopt},
                      MeasureCase{"CharacterRussian",
                                  [](Lang l) { return core::CharacterCommand(History(), E, l); },
                                  Lang::Russian,
                                  "Характеристическое число",
                                  {"3: 3", "2: 0 (0) (0)", "1: 1 (3)"},
                                  {1, 0, 3},
                                  std::nullopt},
                      MeasureCase{"CheckSumEnglish",
                                  [](Lang l) { return core::CheckSumCommand(History(), E, l); },
                                  Lang::English,
                                  "check sums",
                                  {"3:85", "2:15", "1:91"},
                                  {91, 15, 85},
                                  255},
                      MeasureCase{"CheckSumRussian",
                                  [](Lang l) { return core::CheckSumCommand(History(), E, l); },
                                  Lang::Russian,
                                  "Контрольные суммы",
                                  {"3:85", "2:15", "1:91"},
                                  {91, 15, 85},
                                  255},
                      MeasureCase{"Center",
                                  [](Lang) { return core::CenterCommand(History(), E); },
                                  Lang::Russian,
                                  "Center of a group of numbers",
                                  {"3: 16", "2: 03", "1: 19"},
                                  {19, 3, 16},
                                  std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Measures5x36, CheckSumsDistributionIsNotPaged) {
    const auto r = core::CheckSumCommand(History(), E, Lang::Russian);
    ASSERT_EQ(r.charts.size(), 2u);
    const auto& d = r.charts[1];
    EXPECT_FALSE(d.pagedSeries.has_value());
    EXPECT_EQ(d.caption, "Распределение");
    ASSERT_EQ(d.values.size(), 6u);
    EXPECT_EQ(d.values[0].value, 25);
    EXPECT_EQ(d.values[1].value, 15);
    EXPECT_EQ(d.values[5].value, 91);
}

TEST(Measures5x36, CenterIsTheMidpointRoundedDown) {
    EXPECT_EQ(core::DrawCenter({3, 10, 17, 25, 36}, 5), 19);
    EXPECT_EQ(core::DrawCenter({1, 2, 3, 4, 6}, 5), 3);
}

TEST(Measures5x36, CharacterOfTenThousandDrawsFillsEveryDraw) {
    std::vector<core::Draw> draws(10000, core::Draw{2, 9, 15, 28, 31});
    draws.back() = {3, 10, 17, 25, 36};
    const auto r = core::CharacterCommand(StoreOf(draws), E, Lang::English);
    ASSERT_EQ(r.lines.size(), 10000u);
    EXPECT_EQ(r.lines.front(), "10000: 3");
    EXPECT_EQ(r.lines.back(), "00001: 1 (3)");
    ASSERT_EQ(r.charts[0].pagedSeries->size(), 10000u);
    EXPECT_EQ(r.charts[0].pagedSeries->front(), 1);
    EXPECT_EQ(r.charts[0].pagedSeries->back(), 3);
}

std::string DifferenceLine(const std::string& draw, const std::map<int, int>& counts) {
    std::string line = draw + ": ";
    for (int d = 0; d < 36; ++d) {
        const auto it = counts.find(d);
        line += it == counts.end()
                    ? "__ "
                    : (it->second < 10 ? "0" : "") + std::to_string(it->second) + " ";
    }
    return line;
}

TEST(Difference5x36, CountsOfEachDistanceToThePreviousDraw) {
    const auto r = core::DifferenceCommand(History(), E);
    EXPECT_EQ(r.caption, "Difference between current and previous draws");
    EXPECT_TRUE(r.charts.empty());
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0],
              "        00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 "
              "22 23 24 25 26 27 28 29 30 31 32 33 34 35 ");
    EXPECT_EQ(r.lines[1], DifferenceLine("3", {{0, 1},  {1, 2},  {2, 1},  {3, 1},  {4, 1},  {5, 1},
                                               {6, 1},  {7, 1},  {8, 1},  {10, 1}, {11, 1}, {12, 1},
                                               {13, 1}, {14, 1}, {23, 1}, {24, 1}, {25, 1}, {26, 2},
                                               {27, 2}, {28, 1}, {29, 1}, {30, 1}}));
    EXPECT_EQ(r.lines[2], DifferenceLine("2", {{0, 1},  {1, 2},  {2, 2},  {5, 1},  {6, 1},  {7, 1},
                                               {8, 1},  {9, 1},  {12, 1}, {13, 1}, {14, 1}, {15, 1},
                                               {16, 1}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {24, 1},
                                               {31, 1}, {32, 1}, {33, 1}, {34, 1}, {35, 1}}));
}

TEST(Difference5x36, EqualDrawsAndEdgeStores) {
    const auto same = core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}), E);
    EXPECT_EQ(same.lines[1], DifferenceLine("2", {{0, 5}, {1, 8}, {2, 6}, {3, 4}, {4, 2}}));
    EXPECT_EQ(core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 5}}), E).lines.size(), 1u);
    // A number outside the pool counts no distance beyond the table.
    const auto odd = core::DifferenceCommand(StoreOf({{1, 2, 3, 4, 200}, {1, 2, 3, 4, 5}}), E);
    ASSERT_EQ(odd.lines.size(), 2u);
    EXPECT_EQ(odd.lines[1], DifferenceLine("2", {{0, 4}, {1, 7}, {2, 5}, {3, 3}, {4, 1}}));
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
    // The other edition charts an empty header's column, unrounded, as points.
    const auto points = core::ColumnChart(7, {"", "1.25", "2"});
    ASSERT_TRUE(points);
    EXPECT_FALSE(points->pagedSeries);
    ASSERT_EQ(points->values.size(), 2u);
    EXPECT_EQ(points->values[0].value, 1.25);
    EXPECT_THROW(core::ColumnChart(10, {"Sum", "x"}, E), core::FloatConversionError);
}

} // namespace
