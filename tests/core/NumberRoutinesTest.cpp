#include "core/NumberRoutines.h"

#include <gtest/gtest.h>

#include <array>

using namespace core;

namespace {

std::array<std::uint8_t, 6> Parse(const std::string& text) {
    std::array<std::uint8_t, 6> n{};
    ParseNumbers(text, n.data(), 6);
    return n;
}

} // namespace

TEST(ParseNumbers, TakesNumbersBetweenAnySeparators) {
    EXPECT_EQ(Parse("12,5;;7"), (std::array<std::uint8_t, 6>{12, 5, 7, 0, 0, 0}));
    EXPECT_EQ(Parse(""), (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(Parse("abc"), (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(Parse(" 1 2 3 4 5 6 7 8"), (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    // The low eight bits are kept, as the byte arrays hold them.
    EXPECT_EQ(Parse("300 256"), (std::array<std::uint8_t, 6>{44, 0, 0, 0, 0, 0}));
}

TEST(ParseNumbers, RefusesANumberBeyond32Bits) {
    EXPECT_THROW(Parse("1 99999999999"), ConversionError);
    EXPECT_NO_THROW(Parse("2147483647"));
    EXPECT_THROW(Parse("2147483648"), ConversionError);
}

TEST(NumbersToText, PadsAndSeparates) {
    const std::uint8_t n[] = {3, 17, 44};
    EXPECT_EQ(NumbersToText(n, true, ", ", 3, 45), "03, 17, 44");
    EXPECT_EQ(NumbersToText(n, false, " ", 3, 45), "3 17 44");
    EXPECT_EQ(NumbersToText(n, false, " ", 0, 45), "");
    EXPECT_EQ(NumbersToText(n, false, " ", -1, 45), "");
}

TEST(ZeroPad, PadsToTheReferenceDigitCount) {
    struct Case {
        long long n, ref;
        const char* text;
    };
    for (const auto& c : {Case{5, 45, "05"}, Case{12, 45, "12"}, Case{7, 1234, "0007"},
                          Case{0, 45, "00"}, Case{123, 45, "123"}, Case{9, 9, "9"}})
        EXPECT_EQ(ZeroPad(c.n, c.ref), c.text) << c.n << " against " << c.ref;
}

TEST(SortByKey, IsStableAndMovesPartners) {
    std::int32_t keys[] = {2, 5, 2, 7, 5};
    std::int32_t partners[] = {1, 2, 3, 4, 5};
    SortByKeyDesc(keys, partners, 5);
    EXPECT_EQ((std::array<int, 5>{keys[0], keys[1], keys[2], keys[3], keys[4]}),
              (std::array<int, 5>{7, 5, 5, 2, 2}));
    EXPECT_EQ((std::array<int, 5>{partners[0], partners[1], partners[2], partners[3], partners[4]}),
              (std::array<int, 5>{4, 2, 5, 1, 3}));

    std::int32_t k2[] = {3, 1, 3, 0};
    std::int32_t p2[] = {1, 2, 3, 4};
    SortByKeyAsc(k2, 4, p2);
    EXPECT_EQ((std::array<int, 4>{p2[0], p2[1], p2[2], p2[3]}), (std::array<int, 4>{4, 2, 1, 3}));
}

TEST(SortByKey, SortsOnlyTheFirstCount) {
    std::int32_t keys[] = {1, 2, 9};
    std::int32_t partners[] = {1, 2, 3};
    SortByKeyDesc(keys, partners, 2);
    EXPECT_EQ(keys[0], 2);
    EXPECT_EQ(keys[2], 9);
    EXPECT_EQ(partners[2], 3);
}

TEST(RowNumbersText, JoinsCellsWithBlanks) {
    EXPECT_EQ(RowNumbersText({"1", "2", "3", "4", "5", "6"}), "1 2 3 4 5 6");
    EXPECT_EQ(RowNumbersText({"", "", "", "", "", ""}), "     ");
}

TEST(AskNumberAnswer, KeepsDigitsAndFallsBack) {
    EXPECT_EQ(AskNumberAnswer("x4y", 3), 4);
    EXPECT_EQ(AskNumberAnswer("abc", 3), 3);
    EXPECT_EQ(AskNumberAnswer("1 2", 3), 12);
    EXPECT_EQ(AskNumberAnswer("", 3), 3);
    EXPECT_EQ(AskNumberAnswer("99999999999", 3), 3);
}

TEST(LastNAnswer, StandardRule) {
    struct Case {
        const char* answer;
        int drawCount;
        int n;
    };
    for (const auto& c :
         {Case{"0", 500, 1}, Case{"600", 500, 20}, Case{"", 500, 20}, Case{"1 5", 500, 15},
          Case{"x", 500, 20}, Case{"500", 500, 500}, Case{"1 0", 500, 10},
          // Never more draws than the store holds.
          Case{"30", 12, 12}, Case{"", 12, 12}, Case{"5", 12, 5}, Case{"", 0, 0}, Case{"0", 0, 0}})
        EXPECT_EQ(LastNAnswer(c.answer, c.drawCount), c.n)
            << "'" << c.answer << "' of " << c.drawCount;
}

TEST(LastNAnswer, FreqAnalyseRule) {
    const auto v = LastNVariant::FreqAnalyse;
    EXPECT_EQ(LastNAnswer("", 500, v), 15);
    EXPECT_EQ(LastNAnswer("600", 500, v), 15);
    EXPECT_EQ(LastNAnswer("0", 500, v), 0);
    EXPECT_EQ(LastNAnswer("40", 500, v), 40);
    EXPECT_EQ(LastNAnswer("", 10, v), 10);
}

TEST(LastNAnswer, OverflowIsAnError) {
    EXPECT_THROW(LastNAnswer("99999999999", 500), ConversionError);
    try {
        LastNAnswer("99999999999", 500);
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
    }
}

TEST(LastNPrompt, Texts) {
    EXPECT_EQ(LastNPrompt(500, Lang::English), "Enter number of last draws 1..500");
    EXPECT_EQ(LastNPrompt(500, Lang::Russian), "Введите число последних тиражей [1..500]");
}
