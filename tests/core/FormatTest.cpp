#include "core/Format.h"

#include <gtest/gtest.h>

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

TEST(RoundEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundEven(2.5L), 2);
    EXPECT_EQ(RoundEven(3.5L), 4);
    EXPECT_EQ(RoundEven(12.5L), 12);
    EXPECT_EQ(RoundEven(13.5L), 14);
    EXPECT_EQ(RoundEven(-2.5L), -2);
    EXPECT_EQ(RoundEven(2.51L), 3);
}
