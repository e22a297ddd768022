#include "core/FrequencyCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using core::Lang;

const auto E = core::Edition5x36;

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

using Texts = std::map<std::size_t, std::string>; // line index -> exact text

// A result's caption, line count, the given lines and its chart's header.
void ExpectTexts(const core::CommandResult& r, const std::string& caption, std::size_t lineCount,
                 const Texts& lines, const std::optional<std::string>& header = std::nullopt) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(r.caption, caption);
    EXPECT_EQ(r.lines.size(), lineCount);
    for (const auto& [index, text] : lines) {
        ASSERT_LT(index, r.lines.size());
        EXPECT_EQ(r.lines[index], text) << "line " << index;
    }
    if (header) {
        ASSERT_EQ(r.charts.size(), 1u);
        EXPECT_EQ(r.charts[0].header, header);
    }
}

TEST(Frequency5x36, ExactTextsOfEachCommandByLanguage) {
    // Draw numbers 3, 2 and 1, newest first. The English lines carry the figures; the Russian
    // captions and titles are the ones this edition words its own way.
    const auto h =
        testing_support::StoreOf({{2, 9, 15, 28, 31}, {1, 2, 3, 4, 5}, {3, 10, 17, 25, 36}});
    ExpectTexts(core::StatisticsCommand(h, E, 3, Lang::English),
                "Statistics - Most Frequently Numbers for last 3 games", 3,
                {{0, "02: 02 03"}, {1, "01: 01 04 05 09 10 15 17 25 28 31 36"}});
    ExpectTexts(core::StatisticsCommand(h, E, 1, Lang::Russian),
                "Статистика: Самые частовыпадающие номера в последних 1 тиражах", 2,
                {{0, "01: 02 09 15 28 31"}});
    ExpectTexts(core::DeltaCommand(h, E, 3, Lang::Russian),
                "Статистика: Дельта - промежутки в последних 3 тиражах", 4,
                {{0, "4: 1"}, {1, "3: 7"}, {2, "1: 3 6 8 11 13"}});
    ExpectTexts(core::AverageCommand(h, E, 3, Lang::English),
                "Average numbers for 1..5 positions of last 3 draws", 7,
                {{0, "1: 2"}, {4, "5: 24"}, {6, "2 7 12 19 24 "}});
    ExpectTexts(core::ColdNumbersCommand(h, E, Lang::English),
                "Cold Numbers - How many draws since a number last occurred", 40,
                {{0, "01:1"},
                 {5, "06:3"},
                 {35, "36:2"},
                 {38, "06 07 08 11 12 13 14 16 18 19 20 21 22 23 24 26 27 29 30 32 33 34 35 10 17 "
                      "25 36 01 03 04 05 02 09 15 28 31 "},
                 {39, Repeat("03 ", 23) + Repeat("02 ", 4) + Repeat("01 ", 4) + Repeat("00 ", 5)}});
    ExpectTexts(core::ColdNumbersCommand(h, E, Lang::Russian),
                "Холодные номера - количество тиражей, прошедших после последнего выпадения", 40,
                {{37, "Номер/Последнее выпадение (сортировано по убыванию):"}},
                "Сколько тиражей прошло с момента последнего выпадения номера.");
    // The average divides five numbers a draw among 36.
    ExpectTexts(core::FrequencyCommand(h, E, 3, Lang::English),
                "Amount of number appearance in last 3 draws - How often each number has occurred",
                42, {{0, "01: 1"}, {1, "02: 2"}, {41, "Average: 0.42"}});
    ExpectTexts(core::FrequencyCommand(h, E, 3, Lang::Russian),
                "Частота появления номеров в последних 3 тиражах - Как часто выпадал каждый номер",
                42, {{37, "Номер/Частота появления:"}, {41, "Среднее: 0.42"}},
                "Как часто выпадал каждый номер");
    ExpectTexts(core::FreqA1A6Command(h, E, 1, Lang::English),
                "Amount of number appearance in last 1 draws - How often each number has occurred "
                "by positions A1..A6",
                28,
                {{3, "01 " + Repeat("00 ", 35)},
                 {23, "A1: __ 01" + Repeat(" __", 34)},
                 {27, "A5:" + Repeat(" __", 30) + " 01" + Repeat(" __", 5)}});
    ExpectTexts(core::FreqA1A6Command(h, E, 1, Lang::Russian),
                "Число выпадений в последних 1 тиражах - Как часто выпадал каждый шар "
                "позиционно,  A1..A6",
                28, {{1, "Номер/Частота появления на позиции A1:"}});

    // Charts: 36 points, five positions, no chart by positions.
    const auto stats = core::StatisticsCommand(h, E, 3, Lang::English);
    ASSERT_EQ(stats.charts.size(), 1u);
    ASSERT_EQ(stats.charts[0].values.size(), 36u);
    EXPECT_EQ(stats.charts[0].values[1].value, 2); // number 2
    const auto avg = core::AverageCommand(h, E, 3, Lang::English);
    ASSERT_EQ(avg.charts[0].values.size(), 5u);
    EXPECT_EQ(avg.charts[0].values[4].value, 24);
    EXPECT_TRUE(core::FreqA1A6Command(h, E, 3, Lang::English).charts.empty());
}

TEST(FrequencyPrompt5x36, RussianTextsAndAnAnswerOfZeroKeptAtZero) {
    const auto ru = core::FrequencyPrompt(E, 1730, Lang::Russian);
    EXPECT_EQ(ru.caption, "Частота появления номеров в последних тиражах");
    EXPECT_EQ(ru.prompt, "Введите число последних тиражей, 1..1730");
    const struct {
        const char* answer;
        int drawCount, n;
    } cases[] = {
        {"0", 1730, 0}, {"", 1730, 20}, {"99999", 1730, 20}, {"99", 30, 20}, {"99", 10, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(core::LastNAnswer(c.answer, c.drawCount, ru.variant), c.n) << c.answer;
}

} // namespace
