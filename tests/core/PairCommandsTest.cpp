#include "tests/support/Stores.h"
#include "core/NumberRoutines.h"
#include "core/PairCommands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

using testing_support::StoreOf;

// Ten draws, newest first (draw numbers 10 .. 1): 10 and 9 share three, 10 and 8 three,
// 9 and 8 four, 10 and 7 two, 9 and 1 two; the others at most one.
core::DrawStore TenDraws() {
    return StoreOf({{1, 2, 3, 7, 8, 43},
                    {1, 2, 3, 4, 44, 45},
                    {1, 2, 3, 4, 5, 6},
                    {7, 8, 9, 10, 11, 12},
                    {13, 14, 15, 16, 17, 18},
                    {19, 20, 21, 22, 23, 24},
                    {25, 26, 27, 28, 29, 30},
                    {31, 32, 33, 34, 35, 36},
                    {37, 38, 39, 40, 41, 42},
                    {13, 19, 25, 43, 44, 45}});
}

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

// ---- Triples

struct MinimumCase {
    const char* answer;
    int minimum;
};
void PrintTo(const MinimumCase& c, std::ostream* os) {
    *os << '"' << c.answer << "\" -> " << c.minimum;
}

class TriplesMinimumRule : public testing::TestWithParam<MinimumCase> {};

TEST_P(TriplesMinimumRule, TurnsTheAnswerIntoTheMinimum) {
    EXPECT_EQ(core::TriplesMinimum(GetParam().answer), GetParam().minimum);
}

INSTANTIATE_TEST_SUITE_P(Answers, TriplesMinimumRule,
                         testing::Values(MinimumCase{"", 2}, MinimumCase{"abc", 2},
                                         MinimumCase{"5", 5}, MinimumCase{"x4y", 4},
                                         MinimumCase{"1 0", 10}, MinimumCase{"0", 0},
                                         MinimumCase{"999", 999}, MinimumCase{"1000", 999},
                                         MinimumCase{"2147483647", 999}));

TEST(Triples, AnswerBeyond32BitsIsAConversionError) {
    EXPECT_THROW(core::TriplesMinimum("99999999999"), core::ConversionError);
}

TEST(Triples, PromptTextsByLanguage) {
    const auto en = core::TriplesPrompt(core::Edition6x45, core::Lang::English);
    EXPECT_EQ(en.caption, "Number of triples");
    EXPECT_EQ(en.prompt, "Minimum Number of triples");
    EXPECT_EQ(en.defaultText, "2");
    const auto ru = core::TriplesPrompt(core::Edition6x45, core::Lang::Russian);
    EXPECT_EQ(ru.caption, "Число троек");
    EXPECT_EQ(ru.prompt, "Введите минимальное число троек");
}

TEST(Triples, OneDrawWithMinimumOneListsItsTwentyTriples) {
    const auto r =
        core::Triples(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 1, core::Lang::English);
    EXPECT_EQ(r.caption, "Triples");
    Lines want{"Triples        Draws", ""};
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b)
            for (int c = b + 1; c <= 6; ++c)
                want.push_back("0" + std::to_string(a) + " 0" + std::to_string(b) + " 0" +
                               std::to_string(c) + " :  01 ");
    want.push_back("");
    want.push_back("Count = 14190");
    const auto lines = core::AllLines(r);
    EXPECT_EQ(lines, want);
    EXPECT_EQ(lines[2], "01 02 03 :  01 ");
    EXPECT_EQ(lines[21], "04 05 06 :  01 ");
    EXPECT_TRUE(r.charts.empty());
}

TEST(Triples, MinimumZeroListsEveryTriple) {
    const auto r =
        core::Triples(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 0, core::Lang::English);
    const auto lines = core::AllLines(r);
    ASSERT_EQ(lines.size(), 14190u + 4);
    EXPECT_EQ(lines[2], "01 02 03 :  01 ");
    EXPECT_EQ(lines[3], "01 02 04 :  01 ");
    EXPECT_EQ(lines[2 + 14189], "43 44 45 :  ");
    EXPECT_EQ(lines.back(), "Count = 14190");
}

TEST(Triples, CountLineIsTheSameUnderEveryResult) {
    const auto none =
        core::Triples(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 999, core::Lang::English);
    EXPECT_EQ(core::AllLines(none), (Lines{"Triples        Draws", "", "", "Count = 14190"}));
    const auto empty = core::Triples(core::DrawStore{}, core::Edition6x45, 1, core::Lang::English);
    EXPECT_EQ(core::AllLines(empty), core::AllLines(none));
}

TEST(Triples, DrawNumbersArePaddedToTwoDigitsAndNeverShortened) {
    std::vector<core::Draw> draws(120, core::Draw{10, 20, 30, 31, 32, 33});
    draws[0] = {1, 2, 3, 40, 41, 42};   // draw 120
    draws[113] = {1, 2, 3, 7, 8, 9};    // draw 7
    draws[119] = {1, 2, 4, 40, 41, 42}; // draw 1
    const auto r = core::Triples(StoreOf(draws), core::Edition6x45, 2, core::Lang::English);
    EXPECT_EQ(core::AllLines(r)[2], "01 02 03 :  07 120 ");
    // 01 02 04 was drawn once only.
    EXPECT_EQ(core::AllLines(r)[3], "01 02 40 :  01 120 ");
}

TEST(Triples, RussianHeaderAndCaption) {
    const auto r =
        core::Triples(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 1, core::Lang::Russian);
    EXPECT_EQ(r.caption, "Тройки");
    EXPECT_EQ(core::AllLines(r)[0], "Тройки        Тиражи");
}

// ---- Numbers

TEST(Numbers, PromptSaysTheDrawCount) {
    const auto en = core::NumbersPrompt(250, core::Lang::English);
    EXPECT_EQ(en.caption, "Number's pairing Statistics");
    EXPECT_EQ(en.prompt, "Enter number of last draws, 1..250");
    EXPECT_EQ(en.defaultText, "250");
    const auto ru = core::NumbersPrompt(250, core::Lang::Russian);
    EXPECT_EQ(ru.caption, "Статистика пар чисел");
    EXPECT_EQ(ru.prompt, "Введите число последних тиражей, 1..250");
}

std::string AllPartners() {
    std::string s;
    for (int k = 1; k <= 45; ++k) s += core::ZeroPad(k, 45) + " ";
    return s;
}

TEST(Numbers, NoDrawsCountedGivesZeroBlocks) {
    for (int draws : {0, 3}) {
        std::vector<core::Draw> d(draws, core::Draw{1, 2, 3, 4, 5, 6});
        const auto r = core::Numbers(StoreOf(d), core::Edition6x45, 0, core::Lang::English);
        ASSERT_EQ(r.lines.size(), 45u * 5);
        for (int x = 1; x <= 45; ++x) {
            const int b = (x - 1) * 5;
            EXPECT_EQ(r.lines[b], "Number " + std::to_string(x) + ":");
            EXPECT_EQ(r.lines[b + 1], AllPartners());
            EXPECT_EQ(r.lines[b + 2], Repeat("00 ", 45));
            EXPECT_EQ(r.lines[b + 3], "Pairs total: 0   Hits: 0 (0.00%)  ");
            EXPECT_EQ(r.lines[b + 4], "");
        }
        ASSERT_EQ(r.charts.size(), 1u);
        EXPECT_EQ(r.charts[0].caption, "Pairs Statistics in last 0 draws");
    }
}

TEST(Numbers, PartnersByCountTiesInNumberOrder) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {1, 2, 10, 11, 12, 13}});
    const auto r = core::Numbers(s, core::Edition6x45, 3, core::Lang::English);
    EXPECT_EQ(r.caption, "Pairing with");
    std::string partners = "02 03 04 05 06 07 08 09 10 11 12 13 01 ";
    for (int k = 14; k <= 45; ++k) partners += std::to_string(k) + " ";
    EXPECT_EQ(r.lines[0], "Number 1:");
    EXPECT_EQ(r.lines[1], partners);
    EXPECT_EQ(r.lines[2], "03 02 " + Repeat("01 ", 10) + Repeat("00 ", 33));
    EXPECT_EQ(r.lines[3], "Pairs total: 15   Hits: 3 (100.00%)  ");
    // Number 45 was never drawn: its partners stay in number order.
    EXPECT_EQ(r.lines[44 * 5 + 1], AllPartners());
    ASSERT_EQ(r.charts.size(), 1u);
    const auto& chart = r.charts[0];
    ASSERT_EQ(chart.values.size(), 45u);
    EXPECT_EQ(chart.values[0].series, 1);
    EXPECT_EQ(chart.values[0].point, 1);
    EXPECT_EQ(chart.values[0].value, 15);
    EXPECT_EQ(chart.values[44].point, 45);
    EXPECT_EQ(chart.values[44].value, 0);
    EXPECT_EQ(chart.yMax, 1000);
    EXPECT_EQ(chart.yMin, 0);
    EXPECT_TRUE(chart.autoScale);
    EXPECT_EQ(chart.caption, "Pairs Statistics in last 3 draws");
}

TEST(Numbers, PercentageDividesByAllDrawsNotByN) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {1, 2, 10, 11, 12, 13}});
    const auto r = core::Numbers(s, core::Edition6x45, 2, core::Lang::English);
    EXPECT_EQ(r.lines[3], "Pairs total: 10   Hits: 2 (66.67%)  ");
    EXPECT_EQ(r.lines[5 * 3 + 3], "Pairs total: 5   Hits: 1 (33.33%)  ");
    EXPECT_EQ(r.lines[5 * 9 + 3], "Pairs total: 0   Hits: 0 (0.00%)  ");
}

TEST(Numbers, AnswerAboveTheDrawCountIsKeptToIt) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {1, 2, 10, 11, 12, 13}});
    const auto all = core::Numbers(s, core::Edition6x45, 3, core::Lang::English);
    const auto beyond = core::Numbers(s, core::Edition6x45, 10000, core::Lang::English);
    EXPECT_EQ(beyond.lines, all.lines);
    EXPECT_EQ(beyond.charts[0].caption, "Pairs Statistics in last 3 draws");
}

TEST(Numbers, TotalIsFiveTimesTheHits) {
    std::vector<core::Draw> d;
    for (int i = 0; i < 40; ++i) {
        core::Draw x{};
        for (int k = 0; k < 6; ++k) x[k] = static_cast<std::uint8_t>(1 + (i * 7 + k * 5) % 45);
        core::SortNumbers(x.data(), 6);
        d.push_back(x);
    }
    const auto r = core::Numbers(StoreOf(d), core::Edition6x45, 40, core::Lang::English);
    for (int x = 0; x < 45; ++x) {
        const std::string& line = r.lines[x * 5 + 3];
        const int total = std::stoi(line.substr(line.find(": ") + 2));
        const int hits = std::stoi(line.substr(line.find("Hits: ") + 6));
        EXPECT_EQ(total, 5 * hits) << line;
        EXPECT_EQ(r.charts[0].values[x].value, total);
    }
}

TEST(Numbers, RussianCaptions) {
    const auto r =
        core::Numbers(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 1, core::Lang::Russian);
    EXPECT_EQ(r.caption, "Числа в парах");
    EXPECT_EQ(r.charts[0].caption, "Статистика пар чисел за 1 последних тиража");
}

// ---- Stats duples

struct LevelCase {
    const char* answer;
    int level;
};
void PrintTo(const LevelCase& c, std::ostream* os) {
    *os << '"' << c.answer << "\" -> " << c.level;
}

class DuplesLevelRule : public testing::TestWithParam<LevelCase> {};

TEST_P(DuplesLevelRule, ClampsTheAnswer) {
    EXPECT_EQ(core::DuplesLevel(GetParam().answer, core::Edition6x45), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Answers, DuplesLevelRule,
                         testing::Values(LevelCase{"", 3}, LevelCase{"abc", 3}, LevelCase{"7", 3},
                                         LevelCase{"1 2", 3}, LevelCase{"6", 6}, LevelCase{"0", 1},
                                         LevelCase{"00", 1}, LevelCase{"1", 1},
                                         LevelCase{"x4", 4}));

TEST(StatsDuples, AnswerBeyond32BitsIsAConversionError) {
    EXPECT_THROW(core::DuplesLevel("99999999999", core::Edition6x45), core::ConversionError);
}

TEST(StatsDuples, PromptTexts) {
    const auto en = core::DuplesPrompt(core::Lang::English);
    EXPECT_EQ(en.caption, "How many numbers to search");
    EXPECT_EQ(en.prompt, "Enter number of minimum level (1..6)");
    EXPECT_EQ(en.defaultText, "3");
    const auto ru = core::DuplesPrompt(core::Lang::Russian);
    EXPECT_EQ(ru.caption, "Сколько номеров искать");
    EXPECT_EQ(ru.prompt, "Введите минимальный уровень (1..6)");
}

TEST(StatsDuples, ListsOlderDrawsSharingAtLeastTheLevel) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {1, 10, 11, 12, 13, 14}});
    const auto r = core::StatsDuples(s, core::Game6x45, 1, core::Lang::English);
    EXPECT_EQ(r.caption, "Statistics of duples for 1 and more numbers");
    EXPECT_EQ(core::AllLines(r), (Lines{"3:   3 № 2:   1 № 1", "2:   1 № 1", "1"}));
    EXPECT_TRUE(r.charts.empty());
    const auto ru = core::StatsDuples(s, core::Game6x45, 3, core::Lang::Russian);
    EXPECT_EQ(ru.caption, "Статистика дублей для 3 и более повторений");
    EXPECT_EQ(core::AllLines(ru), (Lines{"3:   3 № 2", "2", "1"}));
}

TEST(StatsDuples, LevelSixListsOnlyIdenticalOlderDraws) {
    const auto r = core::StatsDuples(TenDraws(), core::Game6x45, 6, core::Lang::English);
    EXPECT_EQ(core::AllLines(r),
              (Lines{"10", "09", "08", "07", "06", "05", "04", "03", "02", "01"}));
    auto s = TenDraws();
    s.PutDraw({1, 2, 3, 7, 8, 43}, 8); // draw 2 equals draw 10
    const auto r2 = core::StatsDuples(s, core::Game6x45, 6, core::Lang::English);
    EXPECT_EQ(core::AllLines(r2)[0], "10:   6 № 2");
    EXPECT_EQ(core::AllLines(r2)[1], "09");
    const auto r3 = core::StatsDuples(s, core::Game6x45, 3, core::Lang::English);
    EXPECT_EQ(core::AllLines(r3)[0], "10:   3 № 9:   3 № 8:   6 № 2");
    EXPECT_EQ(core::AllLines(r3)[1], "09:   4 № 8:   3 № 2");
}

// ---- Match in draws

TEST(MatchInDraws, OneOrNoDrawGivesTheHeadersOnly) {
    const Lines headers{"Three and more numbers matches:", "", "", "Two numbers matches:", ""};
    EXPECT_EQ(core::AllLines(core::MatchInDraws(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Game6x45,
                                                core::Lang::English)),
              headers);
    EXPECT_EQ(
        core::AllLines(core::MatchInDraws(core::DrawStore{}, core::Game6x45, core::Lang::English)),
        headers);
}

TEST(MatchInDraws, BucketsInOrderThreeFourFiveSix) {
    const auto s = StoreOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 10, 11, 12}});
    const auto r = core::MatchInDraws(s, core::Game6x45, core::Lang::English);
    EXPECT_EQ(r.caption, "Matches between draws");
    EXPECT_EQ(core::AllLines(r),
              (Lines{"Three and more numbers matches:", "", "3: [3 ->  1 ] [5,6 ->  2 ] ",
                     "2: [3 ->  1 ] ", "", "Two numbers matches:", "", "3: ", "2: "}));
}

TEST(MatchInDraws, IdenticalDrawsGoToTheFiveSixBucket) {
    const std::vector<core::Draw> same(3, core::Draw{5, 10, 15, 20, 25, 30});
    const auto r = core::MatchInDraws(StoreOf(same), core::Game6x45, core::Lang::English);
    EXPECT_EQ(core::AllLines(r),
              (Lines{"Three and more numbers matches:", "", "3: [5,6 ->  2 1 ] ",
                     "2: [5,6 ->  1 ] ", "", "Two numbers matches:", "", "3: ", "2: "}));
}

TEST(MatchInDraws, BothPassesPadDrawNumbers) {
    const auto r = core::MatchInDraws(TenDraws(), core::Game6x45, core::Lang::English);
    EXPECT_EQ(core::AllLines(r), (Lines{"Three and more numbers matches:",
                                        "",
                                        "10: [3 ->  09 08 ] ",
                                        "09: [4 ->  08 ] ",
                                        "08: ",
                                        "07: ",
                                        "06: ",
                                        "05: ",
                                        "04: ",
                                        "03: ",
                                        "02: ",
                                        "",
                                        "Two numbers matches:",
                                        "",
                                        "10: [2 ->  07 ] ",
                                        "09: [2 ->  01 ] ",
                                        "08: ",
                                        "07: ",
                                        "06: ",
                                        "05: ",
                                        "04: ",
                                        "03: ",
                                        "02: "}));
}

TEST(MatchInDraws, RussianTexts) {
    const auto r =
        core::MatchInDraws(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Game6x45, core::Lang::Russian);
    EXPECT_EQ(r.caption, "Совпадения между тиражами");
    EXPECT_EQ(core::AllLines(r)[0], "Совпадение трёх и более чисел:");
    EXPECT_EQ(core::AllLines(r)[3], "Совпадение двух чисел:");
}

// ---- Period

TEST(Period, PromptIsEnglishInBothLanguages) {
    const auto p = core::PeriodPrompt(core::Edition6x45);
    EXPECT_EQ(p.caption, "Minimum Number for matches");
    EXPECT_EQ(p.prompt, "Enter a number (3,4, or 5)");
    EXPECT_EQ(p.defaultText, "3");
}

TEST(Period, ListsDistancesToNewerDrawsAndChartsTheirCount) {
    for (auto lang : {core::Lang::English, core::Lang::Russian}) {
        const auto r = core::Period(TenDraws(), core::Edition6x45, 3, lang);
        EXPECT_EQ(r.caption, "Period of Repeating");
        EXPECT_EQ(core::AllLines(r),
                  (Lines{"Matches for 3 and more:", "", "Draw Period", "01 ", "02 ", "03 ", "04 ",
                         "05 ", "06 ", "07 ", "08 01 02 ", "09 01 "}));
        ASSERT_EQ(r.charts.size(), 1u);
        const auto& c = r.charts[0];
        EXPECT_EQ(c.caption, "Number of Repeating");
        EXPECT_EQ(c.yMax, 1000);
        ASSERT_EQ(c.values.size(), 9u);
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(c.values[k].series, 1);
            EXPECT_EQ(c.values[k].point, k + 1);
            EXPECT_EQ(c.values[k].value, k == 7 ? 2 : k == 8 ? 1 : 0);
        }
    }
}

TEST(Period, MinimumZeroListsEveryDistance) {
    const std::vector<core::Draw> d(3, core::Draw{1, 2, 3, 4, 5, 6});
    const auto r = core::Period(StoreOf(d), core::Edition6x45, 0, core::Lang::English);
    EXPECT_EQ(core::AllLines(r),
              (Lines{"Matches for 0 and more:", "", "Draw Period", "1 1 2 ", "2 1 "}));
    const auto r12 = core::Period(TenDraws(), core::Edition6x45, 0, core::Lang::English);
    EXPECT_EQ(core::AllLines(r12)[3], "01 01 02 03 04 05 06 07 08 09 ");
    EXPECT_EQ(core::AllLines(r12).back(), "09 01 ");
}

TEST(Period, OneDrawGivesTheHeadersOnly) {
    const auto r =
        core::Period(StoreOf({{1, 2, 3, 4, 5, 6}}), core::Edition6x45, 0, core::Lang::English);
    EXPECT_EQ(core::AllLines(r), (Lines{"Matches for 0 and more:", "", "Draw Period"}));
    EXPECT_TRUE(r.charts.at(0).values.empty());
}

TEST(Period, OnlyDrawNumbersUpTo100ReachTheChart) {
    const std::vector<core::Draw> d(150, core::Draw{1, 2, 3, 4, 5, 6});
    const auto r = core::Period(StoreOf(d), core::Edition6x45, 6, core::Lang::English);
    const auto& v = r.charts.at(0).values;
    ASSERT_EQ(v.size(), 100u);
    for (int k = 0; k < 100; ++k) {
        EXPECT_EQ(v[k].point, k + 1);
        EXPECT_EQ(v[k].value, 150 - (k + 1)); // draw number p repeats in every newer draw
    }
}

} // namespace
