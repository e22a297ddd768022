#include "tests/support/Stores.h"
#include "core/CountCommon.h"
#include "core/StrategyCommands.h"
#include "tests/core/StrategyReference.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using core::Lang;

using testing_support::StoreOf;

// Eight draws, oldest (position 0) last: 7 at positions 2 and 5, 40 at 4 and in the newest
// draw, 1 at 0, 1 and 3, 45 never.
core::DrawStore EightDraws() {
    return StoreOf({
        {39, 40, 41, 42, 43, 44}, // position 7
        {33, 34, 35, 36, 37, 38}, // 6
        {7, 28, 29, 30, 31, 32},  // 5
        {23, 24, 25, 26, 27, 40}, // 4
        {1, 18, 19, 20, 21, 22},  // 3
        {7, 13, 14, 15, 16, 17},  // 2
        {1, 8, 9, 10, 11, 12},    // 1
        {1, 2, 3, 4, 5, 6},       // 0
    });
}

// The lines of one number's block, after "Number x:" up to the next block.
std::vector<std::string> BlockOf(const std::vector<std::string>& lines, int x) {
    const auto at = std::find(lines.begin(), lines.end(), "Number " + std::to_string(x) + ":");
    EXPECT_NE(at, lines.end());
    const auto end = std::find_if(at + 1, lines.end(), [](const std::string& l) {
        return l.rfind("Number ", 0) == 0 || l.rfind("probability", 0) == 0;
    });
    return {at + 1, end};
}

std::string Line(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += core::ZeroPad(v, 45) + " ";
    return s;
}

struct SkipCase {
    const char* name;
    int x;
    std::vector<std::string> block;
};

class SkipBlocks : public testing::TestWithParam<SkipCase> {};

TEST_P(SkipBlocks, ShowSkipsSortedSkipsAndMedian) {
    const auto r = core::SkipStrategy(EightDraws(), core::Edition6x45, 8, Lang::English);
    EXPECT_EQ(BlockOf(r.lines, GetParam().x), GetParam().block);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, SkipBlocks,
    testing::Values(SkipCase{"TwoHitsThreeApart",
                             7,
                             {"2 2", "Sorted:", "2 2",
                              "Skip Median: 1        Summary: 4        Average: 2.00", ""}},
                    SkipCase{"HitInTheNewestDraw",
                             40,
                             {"2 0", "Sorted:", "0 2",
                              "Skip Median: 1        Summary: 2        Average: 1.00", ""}},
                    SkipCase{"ThreeHits",
                             1,
                             {"0 1 4", "Sorted:", "0 1 4",
                              "Skip Median: 1        Summary: 5        Average: 1.67", ""}},
                    SkipCase{"OneHitInTheOldestDraw",
                             2,
                             {"7", "Sorted:", "7",
                              "Skip Median: 7        Summary: 7        Average: 7.00", ""}},
                    SkipCase{"NeverDrawn", 45, {"0", "Sorted:", "", ""}}),
    [](const auto& info) { return info.param.name; });

TEST(SkipStrategy, SummaryOrdersByLastSkipThenByMedian) {
    const auto r = core::SkipStrategy(EightDraws(), core::Edition6x45, 8, Lang::English);
    const auto head = std::find(r.lines.begin(), r.lines.end(), "Number/Last Skip/Skip Median:");
    ASSERT_NE(head, r.lines.end());
    EXPECT_EQ(
        *(head - 3),
        "probability median of FFG for 50% = log(1-0.5) / log(1-BALLS/BALLS_FROM) = 4.84 =~ 5");
    EXPECT_EQ(*(head - 2), "probability median of FFG for 75% = log(1-0.75) / log(1 "
                           "-BALLS/BALLS_FROM) = 9.68 =~10");
    EXPECT_EQ(*(head - 1), "");
    EXPECT_EQ(head[1], Line({2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                             1,  18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 7,  28, 29, 30,
                             31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}));
    EXPECT_EQ(head[2], Line({7, 7, 7, 7, 7, 6, 6, 6, 6, 6, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 3, 3,
                             3, 3, 3, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    // Each number's median in that order; 45's -1 passes through a byte.
    EXPECT_EQ(head[3], Line({7, 7, 7, 7, 7, 6, 6, 6, 6, 6, 5, 5, 5, 5, 5, 1, 4, 4, 4, 4, 4, 3,  3,
                             3, 3, 3, 1, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 255}));
    EXPECT_EQ(head[4], "");
    EXPECT_EQ(head[5], "Number/Skip Median:");
    EXPECT_EQ(head[6], Line({45, 2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                             17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                             32, 1,  7,  33, 34, 35, 36, 37, 38, 40, 39, 41, 42, 43, 44}));
    EXPECT_EQ(head[7], Line({255, 7, 7, 7, 7, 7, 6, 6, 6, 6, 6, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 3, 3,
                             3,   3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(head + 8, r.lines.end());
}

TEST(SkipStrategy, ChartsTheLastSkipsInNumberOrder) {
    const auto r = core::SkipStrategy(EightDraws(), core::Edition6x45, 8, Lang::Russian);
    EXPECT_EQ(r.caption, "Стратегия пропусков в последних 8 тиражах");
    ASSERT_EQ(r.charts.size(), 1u);
    const auto& c = r.charts[0];
    EXPECT_EQ(c.caption, "Последний пропуск");
    EXPECT_FALSE(c.yMax.has_value());
    EXPECT_TRUE(c.autoScale);
    ASSERT_EQ(c.values.size(), 45u);
    for (int x = 1; x <= 45; ++x) {
        EXPECT_EQ(c.values[x - 1].series, 1);
        EXPECT_EQ(c.values[x - 1].point, x);
    }
    EXPECT_EQ(c.values[0].value, 4);
    EXPECT_EQ(c.values[1].value, 7);
    EXPECT_EQ(c.values[6].value, 2);
    EXPECT_EQ(c.values[39].value, 0);
    EXPECT_EQ(c.values[44].value, 0);
    EXPECT_EQ(
        core::SkipStrategy(EightDraws(), core::Edition6x45, 8, Lang::English).charts[0].caption,
        "Last skip's chart");
}

TEST(SkipStrategy, OneDrawLeavesEveryLastSkipAtZero) {
    const auto r = core::SkipStrategy(EightDraws(), core::Edition6x45, 1, Lang::English);
    EXPECT_EQ(r.caption, "Skip strategy in last 1 draws");
    for (const auto& v : r.charts.at(0).values) EXPECT_EQ(v.value, 0) << v.point;
    EXPECT_EQ(
        BlockOf(r.lines, 40),
        (std::vector<std::string>{"0", "Sorted:", "0",
                                  "Skip Median: 0        Summary: 0        Average: 0.00", ""}));
}

TEST(SkipStrategy, LongSkipsWrapOnlyInTheSortedLineAndMedian) {
    // 9 in the oldest and the newest of 302 draws: one skip of 300.
    std::vector<core::Draw> draws(302, core::Draw{1, 2, 3, 4, 5, 6});
    draws.front() = draws.back() = {9, 10, 11, 12, 13, 14};
    const auto r = core::SkipStrategy(StoreOf(draws), core::Edition6x45, 302, Lang::English);
    EXPECT_EQ(BlockOf(r.lines, 9),
              (std::vector<std::string>{
                  "300 0", "Sorted:", "0 44",
                  "Skip Median: 43        Summary: 300        Average: 150.00", ""}));
}

TEST(SkipStrategy, AnswerRuleHasNoLowerBound) {
    EXPECT_EQ(core::SkipStrategyLastN("0", 500), 0);
    EXPECT_EQ(core::SkipStrategyLastN("x00", 500), 0);
    EXPECT_EQ(core::SkipStrategyLastN("", 500), 20);
    EXPECT_EQ(core::SkipStrategyLastN("600", 500), 20);
    EXPECT_EQ(core::SkipStrategyLastN("1 5", 500), 15);
    EXPECT_EQ(core::SkipStrategyLastN("", 8), 8);
    EXPECT_THROW(core::SkipStrategyLastN("99999999999", 500), core::ConversionError);
    // An empty window: every number never drawn.
    const auto r = core::SkipStrategy(EightDraws(), core::Edition6x45, 0, Lang::English);
    EXPECT_EQ(BlockOf(r.lines, 1), (std::vector<std::string>{"0", "Sorted:", "", ""}));
}

TEST(StrategyRoutines, PermuteByNumbersTakesValuesThroughAByte) {
    std::int32_t values[3] = {-1, 5, 300};
    const std::int32_t numbers[3] = {3, 1, 2};
    core::PermuteByNumbers(values, numbers, 3);
    EXPECT_EQ(values[0], 44);
    EXPECT_EQ(values[1], 255);
    EXPECT_EQ(values[2], 5);
}

TEST(StrategyRoutines, IntsToTextPadsOnRequest) {
    const std::int32_t v[3] = {3, 17, 144};
    EXPECT_EQ(core::IntsToText(v, 3, " ", true, 45), "03 17 144");
    EXPECT_EQ(core::IntsToText(v, 3, ", ", false, 45), "3, 17, 144");
    EXPECT_EQ(core::IntsToText(v, 0, " ", true, 45), "");
}

TEST(StrategyRoutines, RankByFrequencyCutsTheWindowAtTheOldestDraw) {
    const auto s = EightDraws();
    std::int32_t ranked[45];
    core::RankByFrequency(s, core::Game6x45, 5, 100, ranked); // draws 5..7 only
    EXPECT_EQ(ranked[0], 1);                                  // twice
    EXPECT_EQ(ranked[1], 2);
    EXPECT_EQ(ranked[5], 6);
    EXPECT_EQ(ranked[6], 7);
    EXPECT_EQ(ranked[7], 8);
    core::RankByFrequency(s, core::Game6x45, 2, 1, ranked);
    EXPECT_EQ(std::vector<int>(ranked, ranked + 7), (std::vector<int>{7, 28, 29, 30, 31, 32, 1}));
}

TEST(FrequencyStrategy, OneDrawRanksThePreviousDrawFirst) {
    const auto s = strategy_reference::RandomStore(200, core::Game6x45, 5, false);
    const auto r = core::FrequencyStrategy(s, core::Edition6x45, 1, Lang::English);
    EXPECT_EQ(r.caption, "Lottery Strategy, Systems Based On Number Frequency of 1 previous draws");
    ASSERT_EQ(r.table.columns.size(), 3u);
    EXPECT_EQ(r.table.colCount, 12);
    EXPECT_EQ(r.table.columns[0].index, 9);
    EXPECT_EQ(r.table.columns[0].header, "G1");
    EXPECT_EQ(r.table.columns[2].index, 11);
    EXPECT_EQ(r.table.columns[2].header, "G3");
    ASSERT_EQ(r.table.columns[0].Rows(), 199u); // the oldest row is not written
    for (int i = 0; i + 1 < s.DrawCount; ++i)
        EXPECT_EQ(r.table.columns[0].Cell(i),
                  std::to_string(core::CountCommon(s[i].data(), 6, s[i + 1].data(), 6)))
            << i;
}

TEST(FrequencyStrategy, TheThreeGroupsHoldTheWholeDraw) {
    const auto s = strategy_reference::RandomStore(300, core::Game6x45, 6, false);
    for (int n : {1, 5, 20, 300}) {
        const auto r = core::FrequencyStrategy(s, core::Edition6x45, n, Lang::Russian);
        EXPECT_EQ(r.caption, "Стратегия, основанная на частоте выпадений в " + std::to_string(n) +
                                 " предыдущих тиражах");
        for (int i = 0; i + 1 < s.DrawCount; ++i) {
            int sum = 0;
            for (const auto& c : r.table.columns) sum += std::stoi(c.Cell(i));
            ASSERT_EQ(sum, 6) << n << " " << i;
        }
    }
}

TEST(FrequencyStrategy, NoRowsForOneDraw) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}});
    const auto r = core::FrequencyStrategy(s, core::Edition6x45, 1, Lang::English);
    for (const auto& c : r.table.columns) EXPECT_EQ(c.Rows(), 0u);
}

TEST(FreqAnalyse, CountsTheNumbersOfTheNextNewerDraw) {
    const auto s = StoreOf({
        {9, 10, 11, 12, 13, 14}, // newest
        {5, 20, 21, 22, 23, 24},
        {5, 9, 30, 31, 32, 33},
    });
    const auto r = core::FreqAnalyse(s, core::Game6x45, 3, Lang::English);
    EXPECT_EQ(r.caption, "Frequency Analyse in last 3 draws");
    EXPECT_EQ(r.lines[0], "Number/Frequency");
    EXPECT_EQ(r.lines[1], "");
    const auto five = BlockOf(r.lines, 5);
    ASSERT_EQ(five.size(), 3u);
    // 5 is followed by itself and 20..24, then by 9..14.
    EXPECT_EQ(five[0].substr(0, 45), "05 09 10 11 12 13 14 20 21 22 23 24 01 02 03 ");
    EXPECT_EQ(five[1].substr(0, 45), "01 01 01 01 01 01 01 01 01 01 01 01 00 00 00 ");
    // 9 was followed by 5 and 20..24 once; what preceded it does not count.
    const auto nine = BlockOf(r.lines, 9);
    EXPECT_EQ(nine[0].substr(0, 21), "05 20 21 22 23 24 01 ");
    // 14 is only in the newest draw: nothing follows it.
    std::string zeros = "00";
    for (int k = 1; k < 45; ++k) zeros += " 00";
    EXPECT_EQ(BlockOf(r.lines, 14)[1], zeros);
}

TEST(FreqAnalyse, NoPairBelowTwoDraws) {
    const auto s = strategy_reference::RandomStore(50, core::Game6x45, 7, false);
    std::string order, zeros;
    for (int x = 1; x <= 45; ++x) {
        order += (x > 1 ? " " : "") + core::ZeroPad(x, 45);
        zeros += x > 1 ? " 00" : "00";
    }
    for (int n : {0, 1}) {
        const auto r = core::FreqAnalyse(s, core::Game6x45, n, Lang::Russian);
        EXPECT_EQ(r.caption, "Частотный анализ в последних " + std::to_string(n) + " тиражах");
        EXPECT_EQ(r.lines[0], "Номер/Частота");
        for (int x = 1; x <= 45; ++x) {
            const std::size_t at = 2 + (x - 1) * 4;
            ASSERT_EQ(r.lines[at], "Номер " + std::to_string(x) + ":");
            EXPECT_EQ(r.lines[at + 1], order);
            EXPECT_EQ(r.lines[at + 2], zeros);
        }
    }
}

TEST(StrategyPrompts, TextsInBothLanguages) {
    auto p = core::SkipStrategyPrompt(500, core::Edition6x45, Lang::Russian);
    EXPECT_EQ(p.caption, "Пропуски в последних розыгрышах");
    EXPECT_EQ(p.prompt, "Введите число последних розыгрышей [1..500]");
    EXPECT_EQ(p.defaultText, "500");
    p = core::SkipStrategyPrompt(500, core::Edition6x45, Lang::English);
    EXPECT_EQ(p.caption, "Skips in last draws");
    EXPECT_EQ(p.prompt, "Enter number of last draws 1..500");
    p = core::FrequencyStrategyPrompt(500, Lang::Russian);
    EXPECT_EQ(p.caption, "Количество шаров, выпавших в последних тиражах");
    EXPECT_EQ(p.prompt, "Введите число последних тиражей [1..500]");
    p = core::FrequencyStrategyPrompt(500, Lang::English);
    EXPECT_EQ(p.caption, "Amount of numbers appearance in last draws");
    p = core::FreqAnalysePrompt(500, Lang::Russian);
    EXPECT_EQ(p.caption, "Частотный анализ в последних тиражах");
    EXPECT_EQ(p.prompt, "Введите число полседних тиражей, 1..500");
    p = core::FreqAnalysePrompt(500, Lang::English);
    EXPECT_EQ(p.caption, "Frequency Analyse in last draws");
    EXPECT_EQ(p.prompt, "Enter number of last draws 1..500");
}

} // namespace
