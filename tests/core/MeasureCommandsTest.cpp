#include "core/MeasureCommands.h"

#include "FrequencyTestStore.h"
#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

using core::Lang;
using Lines = std::vector<std::string>;
using freq_test::StoreOf;

struct TriangleCase {
    core::Draw draw;
    int top, pairSum, left;
};

class DrawCharacteristicTest : public testing::TestWithParam<TriangleCase> {};

TEST_P(DrawCharacteristicTest, TakesTheTopOfTheDifferenceTriangle) {
    const auto& c = GetParam();
    const auto t = core::DrawCharacteristic(c.draw, 6);
    EXPECT_EQ(t.top, c.top);
    EXPECT_EQ(t.pairSum, c.pairSum);
    EXPECT_EQ(t.left, c.left);
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawCharacteristicTest,
                         testing::Values(TriangleCase{{1, 2, 3, 4, 5, 6}, 0, 0, 0},
                                         TriangleCase{{1, 2, 4, 8, 16, 32}, 1, 3, 1},
                                         TriangleCase{{2, 9, 15, 28, 31, 44}, 0, 6, 3},
                                         // rows 1 1 1 1 5, 0 0 0 4, 0 0 4, 0 4
                                         TriangleCase{{1, 2, 3, 4, 5, 10}, 4, 4, 0}));

TEST(CharacterTest, WritesOneLinePerDrawNewestFirst) {
    const auto store = StoreOf(
        {{1, 2, 3, 4, 5, 10}, {2, 9, 15, 28, 31, 44}, {1, 2, 4, 8, 16, 32}, {1, 2, 3, 4, 5, 6}});
    const auto r = core::CharacterCommand(store, core::Edition6x45, Lang::English);
    const auto lines = core::AllLines(r);
    EXPECT_EQ(r.caption, "Characteristic number");
    EXPECT_EQ(lines, (Lines{"4: 4", "3: 0 (6) (3)", "2: 1 (3)", "1: 0 (0) (0)"}));
    const auto& chart = r.charts.at(0);
    ASSERT_EQ(chart.values.size(), 4u);
    // Point = draw number, value = T.
    const int tops[] = {4, 0, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(chart.values[i].series, 1);
        EXPECT_EQ(chart.values[i].point, 4 - i);
        EXPECT_EQ(chart.values[i].value, tops[i]);
    }
    EXPECT_EQ(chart.yMax, 1000);
    EXPECT_TRUE(chart.autoScale);
    EXPECT_TRUE(chart.caption.empty());
    EXPECT_EQ(core::CharacterCommand(store, core::Edition6x45, Lang::Russian).caption,
              "Характеристическое число");
}

TEST(CharacterTest, HandlesTenThousandDraws) {
    const auto store = freq_test::RandomStore(10000, 11);
    const auto r = core::CharacterCommand(store, core::Edition6x45, Lang::English);
    const auto lines = core::AllLines(r);
    ASSERT_EQ(lines.size(), 10000u);
    EXPECT_EQ(lines.front().substr(0, 7), "10000: ");
    EXPECT_EQ(lines.back().substr(0, 7), "00001: ");
    // The text window lays lines out by their announced sizes.
    for (std::size_t k = 0; k < lines.size(); ++k)
        ASSERT_EQ(r.source->LineBytes(k), lines[k].size()) << lines[k];
    // The chart keeps the oldest 100 draws: point p is draw number p, record 10000 - p.
    const auto& chart = r.charts.at(0);
    ASSERT_EQ(chart.values.size(), 100u);
    for (const auto& v : chart.values) {
        ASSERT_GE(v.point, 1);
        ASSERT_LE(v.point, 100);
        EXPECT_EQ(v.value, core::DrawCharacteristic(store[10000 - v.point], 6).top);
    }
}

TEST(CharacterTest, EmptyStoreGivesEmptyTextAndChart) {
    const auto r = core::CharacterCommand(core::DrawStore{}, core::Edition6x45, Lang::English);
    const auto lines = core::AllLines(r);
    EXPECT_TRUE(lines.empty());
    ASSERT_EQ(r.charts.size(), 1u);
    EXPECT_TRUE(r.charts[0].values.empty());
}

TEST(GroupRunsTest, GivesValueAndLengthOfEachRun) {
    const auto runs = core::GroupRuns({3, 3, 5, 7, 7, 7});
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].value, 3);
    EXPECT_EQ(runs[0].length, 2);
    EXPECT_EQ(runs[1].value, 5);
    EXPECT_EQ(runs[1].length, 1);
    EXPECT_EQ(runs[2].value, 7);
    EXPECT_EQ(runs[2].length, 3);
    EXPECT_TRUE(core::GroupRuns({}).empty());
}

TEST(CheckSumTest, WritesSumsAndChartsThemByDrawNumber) {
    std::vector<core::Draw> draws(12, core::Draw{1, 2, 3, 4, 5, 6});
    draws[0] = {40, 41, 42, 43, 44, 45};
    draws[11] = {2, 9, 15, 28, 31, 44};
    const auto r = core::CheckSumCommand(StoreOf(draws), core::Edition6x45, Lang::English);
    EXPECT_EQ(r.caption, "check sums");
    const auto lines = core::AllLines(r);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "12:255");
    EXPECT_EQ(lines[1], "11:21");
    EXPECT_EQ(lines[11], "01:129");
    EXPECT_EQ(r.source->TextBytes(), 6u + 10 * 5 + 6); // the sizes agree with the lines
    ASSERT_EQ(r.charts.size(), 2u);
    const auto& sums = r.charts[0];
    EXPECT_TRUE(sums.caption.empty());
    EXPECT_EQ(sums.yMax, 255);
    EXPECT_TRUE(sums.autoScale);
    ASSERT_EQ(sums.values.size(), 12u);
    EXPECT_EQ(sums.values[0].point, 12);
    EXPECT_EQ(sums.values[0].value, 255);
    EXPECT_EQ(sums.values[11].point, 1);
    EXPECT_EQ(sums.values[11].value, 129);

    // Runs ascending: 21 x 10, 129 x 1, 255 x 1.
    const auto& dist = r.charts[1];
    EXPECT_EQ(dist.caption, "Distribution");
    EXPECT_EQ(dist.yMax, 255);
    EXPECT_TRUE(dist.autoScale);
    ASSERT_EQ(dist.schemeColors.size(), 2u);
    EXPECT_EQ(dist.schemeColors[0].series, 1);
    EXPECT_EQ(dist.schemeColors[0].point, 1);
    EXPECT_EQ(dist.schemeColors[0].color, core::clLime);
    EXPECT_EQ(dist.schemeColors[1].series, 1);
    EXPECT_EQ(dist.schemeColors[1].point, 2);
    EXPECT_EQ(dist.schemeColors[1].color, core::clFuchsia);
    const std::vector<std::tuple<int, int, double>> expected = {
        {1, 1, 250}, {2, 1, 21}, {1, 2, 25}, {2, 2, 129}, {1, 3, 25}, {2, 3, 255}};
    ASSERT_EQ(dist.values.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(dist.values[i].series, std::get<0>(expected[i]));
        EXPECT_EQ(dist.values[i].point, std::get<1>(expected[i]));
        EXPECT_EQ(dist.values[i].value, std::get<2>(expected[i]));
    }
}

TEST(CheckSumTest, EqualSumsGiveOneRun) {
    const std::vector<core::Draw> draws(7, core::Draw{3, 15, 20, 31, 29, 40}); // 138
    const auto r = core::CheckSumCommand(StoreOf(draws), core::Edition6x45, Lang::Russian);
    EXPECT_EQ(r.caption, "Суммы номеров в каждом тираже");
    EXPECT_EQ(core::AllLines(r).front(), "7:138");
    const auto& dist = r.charts.at(1);
    EXPECT_EQ(dist.caption, "Распределение");
    ASSERT_EQ(dist.values.size(), 2u);
    EXPECT_EQ(dist.values[0].value, 25 * 7);
    EXPECT_EQ(dist.values[1].value, 138);
}

TEST(CheckSumTest, PadsDrawNumbersToDrawCount) {
    const auto r =
        core::CheckSumCommand(freq_test::RandomStore(512, 3), core::Edition6x45, Lang::English);
    const auto lines = core::AllLines(r);
    EXPECT_EQ(lines.front().substr(0, 4), "512:");
    EXPECT_EQ(lines.back().substr(0, 4), "001:");
}

TEST(CheckSumTest, EmptyStoreGivesEmptyResults) {
    const auto r = core::CheckSumCommand(core::DrawStore{}, core::Edition6x45, Lang::English);
    EXPECT_TRUE(core::AllLines(r).empty());
    ASSERT_EQ(r.charts.size(), 2u);
    EXPECT_TRUE(r.charts[0].values.empty());
    EXPECT_TRUE(r.charts[1].values.empty());
}

// The literal way: bubble sort of byte sums, then a walk over the runs.
std::vector<core::Run> ReferenceRuns(const core::DrawStore& store) {
    std::vector<std::uint8_t> s(store.DrawCount);
    for (int i = 0; i < store.DrawCount; ++i)
        for (int k = 0; k < 6; ++k) s[i] = static_cast<std::uint8_t>(s[i] + store[i][k]);
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < store.DrawCount; ++i)
            if (s[i + 1] < s[i]) {
                std::swap(s[i], s[i + 1]);
                swapped = true;
            }
    }
    std::vector<core::Run> runs;
    for (int i = 0; i < store.DrawCount; ++i) {
        if (i == 0 || s[i] != s[i - 1]) runs.push_back({s[i], 0});
        ++runs.back().length;
    }
    return runs;
}

TEST(CheckSumTest, DistributionMatchesLiteralSortOnRandomHistories) {
    for (int count : {1, 2, 150, 1500}) {
        const auto store = freq_test::RandomStore(count, 90 + count);
        const auto runs = ReferenceRuns(store);
        const auto result = core::CheckSumCommand(store, core::Edition6x45, Lang::English);
        const auto& dist = result.charts.at(1);
        std::vector<core::ChartData::Value> expected;
        for (std::size_t g = 0; g < runs.size() && g < 100; ++g) {
            expected.push_back({1, static_cast<int>(g) + 1, runs[g].length * 25.0});
            expected.push_back({2, static_cast<int>(g) + 1, static_cast<double>(runs[g].value)});
        }
        ASSERT_EQ(dist.values.size(), expected.size()) << count;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(dist.values[i].series, expected[i].series);
            ASSERT_EQ(dist.values[i].point, expected[i].point);
            ASSERT_EQ(dist.values[i].value, expected[i].value);
        }
    }
}

TEST(CheckSumTest, ChartsKeepTheFirstHundredRunsAndOldestHundredDraws) {
    // Sums 21, 22, ... 170: 150 runs of one draw each.
    std::vector<core::Draw> draws;
    for (int extra = 0; extra < 150; ++extra) {
        core::Draw d{1, 2, 3, 4, 5, 6};
        int left = extra;
        for (int k = 5; k >= 0 && left > 0; --k) {
            const int step = std::min(left, 39); // the back positions fill up first
            d[k] = static_cast<std::uint8_t>(d[k] + step);
            left -= step;
        }
        draws.push_back(d);
    }
    const auto r = core::CheckSumCommand(StoreOf(draws), core::Edition6x45, Lang::English);
    const auto& sums = r.charts.at(0);
    ASSERT_EQ(sums.values.size(), 100u);
    EXPECT_EQ(sums.values.front().point, 100); // record 50
    EXPECT_EQ(sums.values.front().value, 21 + 50);
    EXPECT_EQ(sums.values.back().point, 1); // record 149, the oldest
    EXPECT_EQ(sums.values.back().value, 21 + 149);
    const auto& dist = r.charts.at(1);
    ASSERT_EQ(dist.values.size(), 200u);
    EXPECT_EQ(dist.values.back().point, 100);
    EXPECT_EQ(dist.values.back().value, 21 + 99);
}

struct FloatCase {
    const char* text;
    double value;
};

class StrToFloatTest : public testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatTest, ReadsNumbersWithADot) {
    EXPECT_EQ(core::StrToFloat(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToFloatTest,
                         testing::Values(FloatCase{"5.50", 5.5}, FloatCase{"12", 12},
                                         FloatCase{" 7 ", 7}, FloatCase{"-1.25", -1.25},
                                         FloatCase{"+3", 3}, FloatCase{"1e2", 100}));

TEST(StrToFloatTest, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "abc", "1,5", "5.5x", "inf", "nan", "+", "1 2"}) {
        try {
            core::StrToFloat(text);
            ADD_FAILURE() << text;
        } catch (const core::FloatConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(ColumnChartTest, RefusesTheEmptySeparatorColumns) {
    const std::vector<std::string> cells = {"", "", ""};
    for (int col : {1, 8, 11, 17})
        EXPECT_FALSE(core::ColumnChart(col, cells, core::Edition6x45)) << col;
}

TEST(ColumnChartTest, ChartsCellsByDrawNumberUnrounded) {
    // Rows 1..4 hold draws 4..1; the oldest row has no "Prev" cell.
    const std::vector<std::string> cells = {"Average", "20.50", "8.17", "", "33.33"};
    const auto chart = core::ColumnChart(10, cells, core::Edition6x45);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->caption, "Average");
    EXPECT_EQ(chart->yMax, 1000);
    EXPECT_TRUE(chart->autoScale);
    EXPECT_FALSE(chart->header);
    ASSERT_EQ(chart->values.size(), 3u);
    EXPECT_EQ(chart->values[0].point, 4);
    EXPECT_EQ(chart->values[0].value, 20.5);
    EXPECT_EQ(chart->values[1].point, 3);
    EXPECT_EQ(chart->values[1].value, 8.17);
    EXPECT_EQ(chart->values[2].point, 1);
    EXPECT_EQ(chart->values[2].value, 33.33);
    for (const auto& v : chart->values) EXPECT_EQ(v.series, 1);
}

TEST(ColumnChartTest, KeepsTheOldestHundredRows) {
    std::vector<std::string> cells = {"№"};
    for (int number = 250; number >= 1; --number) cells.push_back(std::to_string(number));
    const auto chart = core::ColumnChart(0, cells, core::Edition6x45);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->caption, "№");
    ASSERT_EQ(chart->values.size(), 100u);
    for (const auto& v : chart->values) EXPECT_EQ(v.value, v.point); // column 0: draw numbers
}

TEST(ColumnChartTest, ReportsACellThatIsNotANumber) {
    const std::vector<std::string> cells = {"Sum", "100", "x1"};
    EXPECT_THROW(core::ColumnChart(20, cells, core::Edition6x45), core::FloatConversionError);
}

TEST(ColumnChartTest, EmptyGridGivesAnEmptyChart) {
    const auto chart = core::ColumnChart(2, {"A1"}, core::Edition6x45);
    ASSERT_TRUE(chart);
    EXPECT_TRUE(chart->values.empty());
    EXPECT_EQ(chart->caption, "A1");
}

} // namespace
