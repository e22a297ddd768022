#include "core/ZoneCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

using core::Lang;

const auto E = core::Edition5x36;

core::DrawStore History() {
    return testing_support::StoreOf({{2, 9, 15, 28, 31}, {1, 2, 3, 4, 5}, {3, 10, 17, 25, 36}});
}

struct ZoneCase {
    std::string answer;
    Lang lang;
    std::string caption;
    std::vector<std::string> lines;
};

class Zones5x36 : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(Zones5x36, RangesOverThirtySixAndCountsOfFiveNumbers) {
    const auto& c = GetParam();
    const auto r = core::Zones(History(), E, core::ZoneAnswer(c.answer, E.game.pool), c.lang);
    EXPECT_EQ(r.caption, c.caption);
    EXPECT_EQ(r.lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Zones5x36,
    ::testing::Values(ZoneCase{"2",
                               Lang::English,
                               "Numbers in 2 zones",
                               {"    1..18 19..36 ", "3:   3 : 2", "2:   5 : 0", "1:   3 : 2"}},
                      ZoneCase{"3",
                               Lang::Russian,
                               "Числа в 3 зонах",
                               {"    1..12 13..24 25..36 ", "3:   2 : 1 : 2", "2:   5 : 0 : 0",
                                "1:   2 : 1 : 2"}},
                      ZoneCase{"5",
                               Lang::English,
                               "Numbers in 5 zones",
                               {"    1..7 8..14 15..21 22..28 29..36 ", "3:   1 : 1 : 1 : 1 : 1",
                                "2:   5 : 0 : 0 : 0 : 0", "1:   1 : 1 : 1 : 1 : 1"}},
                      ZoneCase{"0",
                               Lang::English,
                               "Numbers in 1 zones",
                               {"    1..36 ", "3:   5", "2:   5", "1:   5"}},
                      ZoneCase{"",
                               Lang::English,
                               "Numbers in 2 zones",
                               {"    1..18 19..36 ", "3:   3 : 2", "2:   5 : 0", "1:   3 : 2"}}));

TEST(Zones5x36, AnAnswerAboveThePoolTakesThirtySix) {
    EXPECT_EQ(core::ZoneAnswer("99", 36), 36);
    const auto r = core::Zones(History(), E, 36, Lang::English);
    EXPECT_EQ(r.caption, "Numbers in 36 zones");
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[0].substr(0, 17), "    1..1 2..2 3..");
}

TEST(Zones5x36, PromptTexts) {
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
    for (int k = 0; k < 2; ++k) {
        const auto& cleared = r.table.columns[k];
        EXPECT_EQ(cleared.index, k == 0 ? 14 : 8);
        EXPECT_EQ(cleared.header, "");
        EXPECT_TRUE(cleared.cells.empty());
        EXPECT_EQ(cleared.clearRows, 2);
    }
    for (int p = 0; p < 5; ++p) {
        const auto& c = r.table.columns[2 + p];
        EXPECT_EQ(c.index, 8 + p);
        EXPECT_EQ(c.header, "S" + std::to_string(p + 1));
        EXPECT_EQ(c.width, 20);
    }
    EXPECT_EQ(r.table.columns[2].cells, (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(r.table.columns[5].cells, (std::vector<std::string>{"8", "4"}));
    EXPECT_EQ(r.table.columns[6].cells, (std::vector<std::string>{"9", "5"}));
}

} // namespace
