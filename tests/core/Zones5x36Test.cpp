#include "core/ZoneCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

using core::Lang;
using Lines = std::vector<std::string>;

const auto E = core::Edition5x36;

TEST(Zones5x36, RangesOverThirtySixAndCountsOfFiveNumbers) {
    const auto h =
        testing_support::StoreOf({{2, 9, 15, 28, 31}, {1, 2, 3, 4, 5}, {3, 10, 17, 25, 36}});
    const struct {
        const char* answer;
        Lang lang;
        std::string caption;
        Lines lines;
    } cases[] = {
        {"2",
         Lang::English,
         "Numbers in 2 zones",
         {"    1..18 19..36 ", "3:   3 : 2", "2:   5 : 0", "1:   3 : 2"}},
        {"3",
         Lang::Russian,
         "Числа в 3 зонах",
         {"    1..12 13..24 25..36 ", "3:   2 : 1 : 2", "2:   5 : 0 : 0", "1:   2 : 1 : 2"}},
        {"5",
         Lang::English,
         "Numbers in 5 zones",
         {"    1..7 8..14 15..21 22..28 29..36 ", "3:   1 : 1 : 1 : 1 : 1",
          "2:   5 : 0 : 0 : 0 : 0", "1:   1 : 1 : 1 : 1 : 1"}},
        {"0", Lang::English, "Numbers in 1 zones", {"    1..36 ", "3:   5", "2:   5", "1:   5"}},
    };
    for (const auto& c : cases) {
        const auto r = core::Zones(h, E, core::ZoneAnswer(c.answer, E.game.pool), c.lang);
        EXPECT_EQ(r.caption, c.caption) << c.answer;
        EXPECT_EQ(core::AllLines(r), c.lines) << c.answer;
    }
    // An answer above the pool takes 36 zones of one number.
    const auto all = core::Zones(h, E, core::ZoneAnswer("99", E.game.pool), Lang::English);
    EXPECT_EQ(all.caption, "Numbers in 36 zones");
    ASSERT_EQ(core::AllLines(all).size(), 4u);
    EXPECT_EQ(core::AllLines(all)[0].substr(0, 17), "    1..1 2..2 3..");

    const auto ru = core::ZonesPrompt(E, Lang::Russian);
    EXPECT_EQ(ru.caption, "Разбиение чисел по зонам");
    EXPECT_EQ(ru.prompt, "Введите число зон");
    EXPECT_EQ(ru.defaultText, "2");
    const auto en = core::ZonesPrompt(E, Lang::English);
    EXPECT_EQ(en.caption, "Number of zone");
    EXPECT_EQ(en.prompt, "Enter zone count");
}

TEST(FinalSums5x36, ThirteenColumnsWithSOneToSFiveAfterTheClearedOnes) {
    const auto store = testing_support::StoreOf({{2, 9, 15, 35, 36}, {1, 2, 3, 4, 5}});
    const auto r = core::FinalSums(store, E, Lang::Russian);
    EXPECT_EQ(r.caption, "Таблица конечных сумм чисел (n mod 9)");
    EXPECT_EQ(r.table.colCount, 13);
    ASSERT_EQ(r.table.columns.size(), 7u);
    Lines headers, newest, oldest;
    for (const auto& c : r.table.columns) {
        headers.push_back(std::to_string(c.index) + c.header);
        EXPECT_EQ(c.width, c.header.empty() ? 0 : 20) << c.index;
        EXPECT_EQ(c.clearRows, c.header.empty() ? 2 : 0) << c.index;
        newest.push_back(c.Rows() == 0 ? "-" : c.Cell(0));
        oldest.push_back(c.Rows() == 0 ? "-" : c.Cell(1));
    }
    EXPECT_EQ(headers, (Lines{"14", "8", "8S1", "9S2", "10S3", "11S4", "12S5"}));
    EXPECT_EQ(newest, (Lines{"-", "-", "2", "9", "6", "8", "9"}));
    EXPECT_EQ(oldest, (Lines{"-", "-", "1", "2", "3", "4", "5"}));
}

} // namespace
