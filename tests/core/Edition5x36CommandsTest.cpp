#include "tests/support/Stores.h"
#include "core/Combinations.h"
#include "core/FilterCommands.h"
#include "core/PairCommands.h"
#include "core/StrategyCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::Lang;
using Lines = std::vector<std::string>;
using testing_support::StoreOf;

const core::Edition& E = core::Edition5x36;

// Four draws, newest first (draw numbers 4 .. 1).
core::DrawStore FourDraws() {
    return StoreOf({{1, 2, 3, 4, 5}, {1, 2, 3, 10, 20}, {2, 3, 4, 30, 36}, {1, 5, 9, 30, 36}});
}

TEST(Edition5x36, PromptAndCaptionTextsByLanguage) {
    // Only the texts worded apart from the other edition's.
    const auto triplesRu = core::TriplesPrompt(E, Lang::Russian);
    const auto period = core::PeriodPrompt(E);
    const auto skipRu = core::SkipStrategyPrompt(500, E, Lang::Russian);
    const std::pair<std::string, std::string> texts[] = {
        {triplesRu.caption, "Поиск троек в тиражах"},
        {triplesRu.prompt, "Введите минимальное число троек"},
        {core::Numbers(FourDraws(), E, 4, Lang::Russian).caption, "Выпадение в парах"},
        {period.caption, "Number for matches"},
        {period.prompt, "Enter a number (2,3, or 4)"},
        {period.defaultText, "3"},
        {skipRu.caption, "Пропуски в последних тиражах"},
        {skipRu.prompt, "Введите число последних тиражей, 1..500"},
        {core::SkipStrategyPrompt(500, E, Lang::English).caption, "Skip in last draws"},
    };
    for (const auto& [got, want] : texts) EXPECT_EQ(got, want);
}

// The figures are checked against the literal walks for both editions; here the edition's own
// labels, charts and rules.
TEST(Edition5x36, PairCommandsOverFiveOfThirtySix) {
    const auto s = FourDraws();
    EXPECT_EQ(core::AllLines(core::Triples(s, E, 2, Lang::Russian)),
              (Lines{"Тройки     Тиражи", "", "01 02 03 :  03 04 ", "02 03 04 :  02 04 ", "",
                     "Count = 7140"}));
    const auto ru = core::Numbers(s, E, 4, Lang::Russian);
    ASSERT_EQ(ru.lines.size(), 36u * 5);
    EXPECT_EQ(ru.lines[0], "Номер 1:");
    EXPECT_EQ(ru.lines[3], "Пар всего: 12  Выпадений: 3 (75.00%)  ");
    const auto en = core::Numbers(s, E, 4, Lang::English);
    EXPECT_EQ(en.lines[3], "Pairs total: 12   Hits: 3 (75.00%)  ");
    ASSERT_EQ(en.charts.size(), 1u);
    EXPECT_EQ(en.charts[0].values.size(), 36u);
    EXPECT_FALSE(en.charts[0].pagedSeries);
    // Four partners per hit; no draws gives 0.00.
    EXPECT_EQ(core::Numbers(core::DrawStore{}, E, 5, Lang::English).lines[3],
              "Pairs total: 0   Hits: 0 (0.00%)  ");

    // Stats duples: an answer above five gives three.
    EXPECT_EQ(core::DuplesLevel("6", E), 3);
    EXPECT_EQ(core::DuplesLevel("5", E), 5);
    EXPECT_EQ(core::DuplesLevel("0", E), 1);

    // Period: distances unpadded, charted as a paged series.
    const auto r = core::Period(s, E, 2, Lang::Russian);
    EXPECT_EQ(core::AllLines(r),
              (Lines{"Matches for 2 and more:", "", "Draw Period", "1 1 3 ", "2 1 2 ", "3 1 "}));
    ASSERT_EQ(r.charts.size(), 1u);
    EXPECT_EQ(r.charts[0].yMax, 1000);
}

TEST(Edition5x36, SkipStrategyTextsByLanguage) {
    const auto ru = core::SkipStrategy(FourDraws(), E, 4, Lang::Russian);
    EXPECT_EQ(Lines(ru.lines.begin(), ru.lines.begin() + 6),
              (Lines{"Номер 1:", "1 0 0", "Сортированно:", "0 0 1",
                     "Медиана пропусков: 0        Сумма всех пропусков: 1        Среднее значение: "
                     "0.33",
                     ""}));
    const auto en = core::SkipStrategy(FourDraws(), E, 4, Lang::English);
    EXPECT_EQ(en.lines[4], "Skip Median: 0        Summary: 1        Average: 0.33");
    const std::size_t tail = ru.lines.size() - 11;
    EXPECT_EQ(ru.lines[tail],
              "Медиана вероятности по FFG для  50% = log(1-0.5) / log(1-5/36) = 4.63 =~ 5");
    EXPECT_EQ(ru.lines[tail + 3], "Номер/Последний пропуск/Медиана пропусков");
    EXPECT_EQ(ru.lines[tail + 8], "Number/Skip Median:");
    EXPECT_EQ(en.lines[tail + 1],
              "probability median of FFG for 75% = log(1-0.75) / log(1-5/36) = 9.27 =~10");
    EXPECT_EQ(en.lines[tail + 4].size(), 36u * 3);
    EXPECT_EQ(en.charts.at(0).values.size(), 36u);
}

TEST(Edition5x36, FrequencyStrategyGroupsOfFiveThirteenAndEighteen) {
    const auto r = core::FrequencyStrategy(FourDraws(), E, 1, Lang::English);
    EXPECT_EQ(r.table.colCount, 12);
    ASSERT_EQ(r.table.columns.size(), 4u);
    const auto& cols = r.table.columns;
    EXPECT_EQ(cols[3].index, 8);
    EXPECT_EQ(cols[3].Texts(), Lines(4, ""));
    for (const auto& c : cols) EXPECT_EQ(c.width, 20);
    EXPECT_EQ(cols[0].Cell(0) + cols[1].Cell(0) + cols[2].Cell(0), "320");
}

TEST(Edition5x36, FilterAnyColumns) {
    const auto r = core::FilterAny(FourDraws(), E, Lang::English);
    EXPECT_EQ(r.table.colCount, 19);
    Lines headers;
    for (const auto& c : r.table.columns) {
        headers.push_back(std::to_string(c.index) + c.header);
        EXPECT_EQ(c.width, c.header.empty() ? 0 : 30);
    }
    EXPECT_EQ(headers, (Lines{"8Any1", "9Any2", "10Any3", "11Any4", "12Any5", "13", "14Pos1",
                              "15Pos2", "16Pos3", "17Pos4", "18Pos5"}));
}

TEST(Edition5x36, CombinationsRanksAmongAllFiveOfThirtySix) {
    const auto s = StoreOf({{32, 33, 34, 35, 36}, {1, 2, 3, 4, 6}, {1, 2, 3, 4, 5}});
    const auto r = core::Combinations(s, E, Lang::English);
    EXPECT_EQ(core::AllLines(r), (Lines{"3:376992", "2:2", "1:1"}));
    ASSERT_EQ(r.charts.size(), 1u);
    EXPECT_EQ(r.charts[0].pagedSeries, (std::vector<std::int32_t>{1, 2, 376992}));
    EXPECT_EQ(r.charts[0].yMax, 255);
}

} // namespace
