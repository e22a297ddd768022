#include "core/FrequencyCommands.h"

#include "FrequencyTestStore.h"
#include "core/Format.h"
#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

namespace {

using core::Lang;
using Lines = std::vector<std::string>;
using freq_test::StoreOf;
using freq_test::ThreeDraws;

constexpr const char* AllNumbers = "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 "
                                   "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 "
                                   "41 42 43 44 45 ";

// Series 1, point k + 1 = counts[k].
void ExpectBars(const core::ChartData& chart, const std::vector<int>& counts) {
    ASSERT_EQ(chart.values.size(), counts.size());
    for (std::size_t k = 0; k < counts.size(); ++k) {
        EXPECT_EQ(chart.values[k].series, 1);
        EXPECT_EQ(chart.values[k].point, static_cast<int>(k) + 1);
        EXPECT_EQ(chart.values[k].value, counts[k]) << "point " << k + 1;
    }
}

std::vector<int> CountsOf(const std::vector<std::pair<int, int>>& nonZero) {
    std::vector<int> c(45, 0);
    for (auto [n, count] : nonZero) c[n - 1] = count;
    return c;
}

TEST(PromptCaptionTest, GivesBothLanguages) {
    EXPECT_EQ(core::StatisticsPromptCaption(Lang::English), "Statistics of last draws");
    EXPECT_EQ(core::StatisticsPromptCaption(Lang::Russian), "Статистика последних тиражей");
    EXPECT_EQ(core::FrequencyPromptCaption(Lang::English),
              "Amount of numbers appearance in last draws");
    EXPECT_EQ(core::FrequencyPromptCaption(Lang::Russian),
              "Количиство выпадений в последних тиражах");
}

TEST(StatisticsTest, OneDrawGivesItsSixNumbersThenTheOther39) {
    const auto r = core::StatisticsCommand(ThreeDraws(), core::Edition6x45, 1, Lang::English);
    EXPECT_EQ(r.caption, "Statistics - Most Frequently Numbers for last 1 games");
    EXPECT_EQ(r.lines, (Lines{"01: 03 15 20 31 40 44",
                              "00: 01 02 04 05 06 07 08 09 10 11 12 13 14 16 17 18 19 21 22 23 24 "
                              "25 26 27 28 29 30 32 33 34 35 36 37 38 39 41 42 43 45"}));
    ASSERT_EQ(r.charts.size(), 1u);
    const auto& chart = r.charts[0];
    ExpectBars(chart, CountsOf({{3, 1}, {15, 1}, {20, 1}, {31, 1}, {40, 1}, {44, 1}}));
    EXPECT_EQ(chart.yMax, 1000);
    EXPECT_EQ(chart.yMin, 0);
    EXPECT_TRUE(chart.autoScale);
    EXPECT_FALSE(chart.header);
    EXPECT_TRUE(chart.caption.empty());
    EXPECT_TRUE(chart.schemeColors.empty());
}

TEST(StatisticsTest, CountsLevelsOverThreeDraws) {
    const auto r = core::StatisticsCommand(ThreeDraws(), core::Edition6x45, 3, Lang::Russian);
    EXPECT_EQ(r.caption, "Стстистика: Самые частовыпадающие номера в последних 3 games");
    EXPECT_EQ(r.lines, (Lines{"02: 02 03 15 31 44", "01: 01 04 05 06 09 20 28 40",
                              "00: 07 08 10 11 12 13 14 16 17 18 19 21 22 23 24 25 26 27 29 30 32 "
                              "33 34 35 36 37 38 39 41 42 43 45"}));
}

TEST(StatisticsTest, EndsWithABareZeroLevelWhenEveryNumberOccurred) {
    std::vector<core::Draw> draws;
    for (int first = 1; first <= 37; first += 6) {
        core::Draw d{};
        for (int k = 0; k < 6; ++k) d[k] = static_cast<std::uint8_t>(first + k);
        draws.push_back(d);
    }
    draws.push_back({40, 41, 42, 43, 44, 45});
    const auto r = core::StatisticsCommand(StoreOf(draws), core::Edition6x45, 8, Lang::English);
    EXPECT_EQ(r.lines, (Lines{"02: 40 41 42",
                              "01: 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 "
                              "20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 "
                              "43 44 45",
                              "00:"}));
}

TEST(StatisticsTest, ReadsNoRecordBeyondTheLoadedDraws) {
    auto store = ThreeDraws();
    store.DrawCount = 1; // records 1 and 2 hold older, unloaded draws
    const auto r = core::StatisticsCommand(store, core::Edition6x45, 20, Lang::English);
    EXPECT_EQ(r.caption, "Statistics - Most Frequently Numbers for last 1 games");
    EXPECT_EQ(r.lines.front(), "01: 03 15 20 31 40 44");
}

TEST(StatisticsTest, EmptyStoreListsEveryNumberAtZero) {
    const auto r = core::StatisticsCommand(core::DrawStore{}, core::Edition6x45, 0, Lang::English);
    EXPECT_EQ(r.caption, "Statistics - Most Frequently Numbers for last 0 games");
    EXPECT_EQ(r.lines, (Lines{"00: 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 "
                              "22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 "
                              "44 45"}));
    ExpectBars(r.charts.at(0), std::vector<int>(45, 0));
}

TEST(DeltaTest, ConsecutiveNumbersAddFiveToDifferenceOne) {
    const auto r =
        core::DeltaCommand(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 1, Lang::English);
    EXPECT_EQ(r.caption, "Statistics - Delta Spans for last 1 games");
    EXPECT_EQ(r.lines,
              (Lines{"5: 1", "0: 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 "
                             "24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 "
                             "44 45"}));
    ExpectBars(r.charts.at(0), CountsOf({{1, 5}}));
    EXPECT_EQ(r.charts[0].yMax, 1000);
}

TEST(DeltaTest, CountsLevelsOfDifferencesPlain) {
    const auto r = core::DeltaCommand(ThreeDraws(), core::Edition6x45, 3, Lang::Russian);
    EXPECT_EQ(r.caption, "Статистика: Дельта - промежутки в последних 3 тиражах");
    // 12 5 11 9 4, 1 1 1 1 1, 7 6 13 3 13; 41..45 never occur between neighbours.
    EXPECT_EQ(r.lines, (Lines{"5: 1", "2: 13", "1: 3 4 5 6 7 9 11 12",
                              "0: 2 8 10 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 "
                              "33 34 35 36 37 38 39 40 41 42 43 44 45"}));
}

TEST(AverageTest, RoundsHalvesToEven) {
    // Position sums 25 41 51 61 71 81 over two draws: 12.5 -> 12, 25.5 -> 26, ...
    const auto store = StoreOf({{12, 20, 25, 30, 35, 40}, {13, 21, 26, 31, 36, 41}});
    const auto r = core::AverageCommand(store, core::Edition6x45, 2, Lang::English);
    EXPECT_EQ(r.caption, "Average numbers for 1..6 positions of last 2 draws");
    EXPECT_EQ(r.lines, (Lines{"1: 12", "2: 20", "3: 26", "4: 30", "5: 36", "6: 40", "",
                              "12 20 26 30 36 40 "}));
    const auto& chart = r.charts.at(0);
    ASSERT_EQ(chart.values.size(), 6u);
    const int expected[] = {12, 20, 26, 30, 36, 40};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(chart.values[p].series, p + 1);
        EXPECT_EQ(chart.values[p].point, p + 1);
        EXPECT_EQ(chart.values[p].value, expected[p]);
    }
    EXPECT_EQ(chart.yMax, 1000);
}

TEST(AverageTest, TwentySevenOverTwoGivesFourteen) {
    const auto store = StoreOf({{13, 20, 25, 30, 35, 40}, {14, 21, 26, 31, 36, 41}});
    const auto r = core::AverageCommand(store, core::Edition6x45, 2, Lang::Russian);
    EXPECT_EQ(r.caption,
              "Среднее значение выпавших номеров для 1..6 позиции в последних 2 тиражах");
    EXPECT_EQ(r.lines.front(), "1: 14");
}

TEST(AverageTest, EmptyStoreGivesZeroAverages) {
    const auto r = core::AverageCommand(core::DrawStore{}, core::Edition6x45, 0, Lang::English);
    EXPECT_EQ(r.caption, "Average numbers for 1..6 positions of last 0 draws");
    EXPECT_EQ(r.lines, (Lines{"1: 0", "2: 0", "3: 0", "4: 0", "5: 0", "6: 0", "", "0 0 0 0 0 0 "}));
}

TEST(ColdNumbersTest, ListsDrawsSinceLastHitAndNeverDrawnAsDrawCount) {
    const auto r = core::ColdNumbersCommand(ThreeDraws(), core::Edition6x45, Lang::English);
    EXPECT_EQ(r.caption, "Cold Numbers - How many draws since a number last occurred");
    ASSERT_EQ(r.lines.size(), 49u);
    EXPECT_EQ(r.lines[0], "01:1");
    EXPECT_EQ(r.lines[1], "02:1");
    EXPECT_EQ(r.lines[2], "03:0");
    EXPECT_EQ(r.lines[6], "07:3"); // in no loaded draw
    EXPECT_EQ(r.lines[8], "09:2");
    EXPECT_EQ(r.lines[44], "45:3");
    EXPECT_EQ(r.lines[45], "");
    EXPECT_EQ(r.lines[46], "Number/Last Hit Sorted:");
    EXPECT_EQ(r.lines[47],
              "07 08 10 11 12 13 14 16 17 18 19 21 22 23 24 25 26 27 29 30 32 33 34 35 "
              "36 37 38 39 41 42 43 45 09 28 01 02 04 05 06 03 15 20 31 40 44 ");
    EXPECT_EQ(r.lines[48],
              "03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 03 "
              "03 03 03 03 03 03 03 03 02 02 01 01 01 01 01 00 00 00 00 00 00 ");
    const auto& chart = r.charts.at(0);
    EXPECT_EQ(chart.header, "How many draws since a number last occurred");
    EXPECT_EQ(chart.yMax, 255);
    EXPECT_EQ(chart.values.at(0).value, 1);
    EXPECT_EQ(chart.values.at(2).value, 0);
    EXPECT_EQ(chart.values.at(6).value, 3);
}

TEST(ColdNumbersTest, RussianTexts) {
    const auto r = core::ColdNumbersCommand(ThreeDraws(), core::Edition6x45, Lang::Russian);
    EXPECT_EQ(r.caption, "Холодные номера - сколько тиражей назад номер выпадал последний раз");
    EXPECT_EQ(r.lines[46], "Number/Last Hit Sorted:");
    EXPECT_EQ(r.charts.at(0).header, "Сколько тиражей назад номер выпадал последний раз");
}

TEST(FrequencyTest, CountsDrawsHoldingEachNumber) {
    const auto r = core::FrequencyCommand(ThreeDraws(), core::Edition6x45, 3, Lang::English);
    EXPECT_EQ(r.caption, "Amount of number appearance in last 3 draws - How often each number has "
                         "occurred");
    ASSERT_EQ(r.lines.size(), 51u);
    EXPECT_EQ(r.lines[0], "01: 1");
    EXPECT_EQ(r.lines[1], "02: 2");
    EXPECT_EQ(r.lines[6], "07: 0");
    EXPECT_EQ(r.lines[45], "");
    EXPECT_EQ(r.lines[46], "Number/Occurence:");
    EXPECT_EQ(r.lines[47],
              "02 03 15 31 44 01 04 05 06 09 20 28 40 07 08 10 11 12 13 14 16 17 18 19 "
              "21 22 23 24 25 26 27 29 30 32 33 34 35 36 37 38 39 41 42 43 45 ");
    EXPECT_EQ(r.lines[48],
              "02 02 02 02 02 01 01 01 01 01 01 01 01 00 00 00 00 00 00 00 00 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ");
    EXPECT_EQ(r.lines[49], "");
    EXPECT_EQ(r.lines[50], "Average: 0.40");
    const auto& chart = r.charts.at(0);
    EXPECT_EQ(chart.header, "How often each number has occurred");
    EXPECT_EQ(chart.yMax, 255);
    ExpectBars(chart, CountsOf({{1, 1},
                                {2, 2},
                                {3, 2},
                                {4, 1},
                                {5, 1},
                                {6, 1},
                                {9, 1},
                                {15, 2},
                                {20, 1},
                                {28, 1},
                                {31, 2},
                                {40, 1},
                                {44, 2}}));
}

TEST(FrequencyTest, AverageIsSixNOver45) {
    const auto store = freq_test::RandomStore(50, 7);
    const struct {
        int n;
        const char* average;
    } cases[] = {{6, "0.80"}, {1, "0.13"}, {15, "2.00"}, {50, "6.67"}};
    for (const auto& c : cases) {
        const auto r = core::FrequencyCommand(store, core::Edition6x45, c.n, Lang::Russian);
        EXPECT_EQ(r.lines.back(), std::string("Среднее: ") + c.average) << c.n;
    }
    const auto r = core::FrequencyCommand(store, core::Edition6x45, 6, Lang::Russian);
    EXPECT_EQ(r.caption, "Число выпадений в последних 6 тиражах - Как часто выпадал каждый шар");
    EXPECT_EQ(r.charts.at(0).header, "Как часто выпадал каждый шар");
}

TEST(FreqA1A6Test, OneDrawMarksEachPositionsNumber) {
    const auto r = core::FreqA1A6Command(ThreeDraws(), core::Edition6x45, 1, Lang::English);
    EXPECT_EQ(r.caption, "Amount of number appearance in last 1 draws - How often each number has "
                         "occurred by positions A1..A6");
    EXPECT_TRUE(r.charts.empty());
    const std::string ones = "01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                             "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ";
    const Lines expected = {
        "",
        "Number/Occurence for position A1:",
        "03 01 02 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 "
        "31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 ",
        ones,
        "",
        "Number/Occurence for position A2:",
        "15 01 02 03 04 05 06 07 08 09 10 11 12 13 14 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 "
        "31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 ",
        ones,
        "",
        "Number/Occurence for position A3:",
        "20 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 21 22 23 24 25 26 27 28 29 30 "
        "31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 ",
        ones,
        "",
        "Number/Occurence for position A4:",
        "31 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 "
        "30 32 33 34 35 36 37 38 39 40 41 42 43 44 45 ",
        ones,
        "",
        "Number/Occurence for position A5:",
        "40 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 "
        "30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 ",
        ones,
        "",
        "Number/Occurence for position A6:",
        "44 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 "
        "30 31 32 33 34 35 36 37 38 39 40 41 42 43 45 ",
        ones,
        "",
        "",
        std::string("       ") + AllNumbers,
        "A1: __ __ 01 __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ "
        "__ "
        "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __",
        "A2: __ __ __ __ __ __ __ __ __ __ __ __ __ __ 01 __ __ __ __ __ __ __ __ __ __ __ __ __ "
        "__ "
        "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __",
        "A3: __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ 01 __ __ __ __ __ __ __ __ "
        "__ "
        "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __",
        "A4: __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ "
        "__ "
        "__ 01 __ __ __ __ __ __ __ __ __ __ __ __ __ __",
        "A5: __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ "
        "__ "
        "__ __ __ __ __ __ __ __ __ __ 01 __ __ __ __ __",
        "A6: __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __ "
        "__ "
        "__ __ __ __ __ __ __ __ __ __ __ __ __ __ 01 __",
    };
    EXPECT_EQ(r.lines, expected);
}

TEST(FreqA1A6Test, CountsPerPositionOverSeveralDraws) {
    const auto r = core::FreqA1A6Command(ThreeDraws(), core::Edition6x45, 3, Lang::Russian);
    EXPECT_EQ(r.caption, "Число выпадений в последних 3 тиражах - Как часто выпадал каждый шар "
                         "позиционно,  A1..A6");
    // A1 holds 3, 1 and 2 once each.
    EXPECT_EQ(r.lines[2].substr(0, 9), "01 02 03 ");
    EXPECT_EQ(r.lines[3].substr(0, 12), "01 01 01 00 ");
    EXPECT_EQ(r.lines.at(r.lines.size() - 6).substr(0, 16), "A1: 01 01 01 __ ");
    // A6 holds 44 twice and 6 once.
    EXPECT_EQ(r.lines[22].substr(0, 6), "44 06 ");
    EXPECT_EQ(r.lines[23].substr(0, 6), "02 01 ");
}

// Literal references: scan per number with the membership test, as the commands are worded.
std::vector<int> ReferenceFrequency(const core::DrawStore& store, int n) {
    std::vector<int> h(45, 0);
    for (int v = 1; v <= 45; ++v)
        for (int i = 0; i < n; ++i) {
            core::Draw d;
            store.GetDraw(d, i);
            if (core::HasNumber(v, d.data(), 6)) ++h[v - 1];
        }
    return h;
}

std::vector<int> ReferenceLastHit(const core::DrawStore& store) {
    std::vector<int> last(45, store.DrawCount);
    for (int v = 1; v <= 45; ++v)
        for (int i = 0; i < store.DrawCount; ++i) {
            core::Draw d;
            store.GetDraw(d, i);
            if (core::HasNumber(v, d.data(), 6)) {
                last[v - 1] = i;
                break;
            }
        }
    return last;
}

TEST(FrequencyReferenceTest, MatchesLiteralScansOnRandomHistories) {
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        for (int count : {1, 17, 400}) {
            const auto store = freq_test::RandomStore(count, seed * 100 + count);
            for (int n : {1, count / 2 + 1, count}) {
                const auto r = core::FrequencyCommand(store, core::Edition6x45, n, Lang::English);
                const auto h = ReferenceFrequency(store, n);
                for (int k = 0; k < 45; ++k)
                    ASSERT_EQ(r.lines[k], core::ZeroPad(k + 1, 45) + ": " + std::to_string(h[k]));
                ExpectBars(r.charts.at(0), h);
            }
            const auto cold = core::ColdNumbersCommand(store, core::Edition6x45, Lang::English);
            const auto last = ReferenceLastHit(store);
            for (int k = 0; k < 45; ++k)
                ASSERT_EQ(cold.lines[k], core::ZeroPad(k + 1, 45) + ":" + std::to_string(last[k]));
        }
    }
}

} // namespace
