#include "core/Format.h"
#include "core/NumberWriter.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace core;

TEST(FormatFixed, RoundsExactHalvesAwayFromZero) {
    EXPECT_EQ(FormatFixed(8.125, 2), "8.13");
    EXPECT_EQ(FormatFixed(3.5, 2), "3.50");
    EXPECT_EQ(FormatFixed(0.8, 2), "0.80");
    EXPECT_EQ(FormatFixed(9.995, 2), "9.99"); // below the half in binary
    EXPECT_EQ(FormatFixed(9.999, 2), "10.00");
    EXPECT_EQ(FormatFixed(-8.125, 2), "-8.13");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(1234567.0, 1), "1234567.0");
}

TEST(FormatRatio, RoundsExactHalvesOfIntegerQuotientsAwayFromZero) {
    struct Case {
        long long num, den;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {113 * 100, 800, 2, "14.13"}, // 14.125: a double quotient gives 14.12
        {247, 40, 2, "6.18"},         // 6.175: likewise 6.17
        {1, 8, 2, "0.13"},
        {-1, 8, 2, "-0.13"},
        {1, -8, 2, "-0.13"},
        {19990, 2000, 2, "10.00"}, // 9.995
        {21, 6, 2, "3.50"},
        {2, 3, 2, "0.67"},
        {1, 3, 2, "0.33"},
        {-1, 1000, 2, "0.00"},
        {5, 2, 0, "3"},
        {7, 0, 2, "0.00"},
        {9'000'000'000'000'000'000LL, 3, 2, "3000000000000000000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRatio(c.num, c.den, c.decimals), c.text) << c.num << "/" << c.den;
}

TEST(RoundEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundEven(2.5L), 2);
    EXPECT_EQ(RoundEven(3.5L), 4);
    EXPECT_EQ(RoundEven(12.5L), 12);
    EXPECT_EQ(RoundEven(13.5L), 14);
    EXPECT_EQ(RoundEven(-2.5L), -2);
    EXPECT_EQ(RoundEven(2.51L), 3);
}

TEST(NumberWriter, DigitsAndPaddingAgreeWithTheText) {
    const struct {
        long long value;
        int width;
        const char* padded;
    } cases[] = {{0, 0, "0"},
                 {7, 3, "007"},
                 {-5, 0, "-5"},
                 {99, 2, "99"},
                 {100, 2, "100"},
                 {10000, 5, "10000"},
                 {INT64_MAX, 1, "9223372036854775807"},
                 {INT64_MIN, 0, "-9223372036854775808"}};
    for (const auto& c : cases) {
        std::string padded = "x";
        core::AppendPadded(padded, c.value, c.width);
        EXPECT_EQ(padded, std::string("x") + c.padded) << c.value;
        EXPECT_EQ(core::IntDigits(c.value), static_cast<int>(std::to_string(c.value).size()))
            << c.value;
    }
}
