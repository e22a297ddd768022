#include "core/Format.h"
#include "core/NumberWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <stdexcept>

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
    constexpr long long max = std::numeric_limits<long long>::max();
    constexpr long long min = std::numeric_limits<long long>::min();
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
        // The extremes of long long at the most decimals.
        {min, -1, 19, "9223372036854775808.0000000000000000000"},
        {max, min, 19, "-0.9999999999999999999"},
        {min, 3, 19, "-3074457345618258602.6666666666666666667"},
        {1, 2'000'000'000'000'000'000LL, 18, "0.000000000000000001"}, // an exact half
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatRatio(c.num, c.den, c.decimals), c.text) << c.num << "/" << c.den;
}

TEST(NumberWriter, RefusesWhatItCannotWriteExactly) {
    for (int decimals : {-1, MaxDecimals + 1}) {
        std::string out = "kept";
        EXPECT_THROW(AppendRatio(out, 1, 3, decimals), std::out_of_range) << decimals;
        EXPECT_THROW(FormatFixed(0.5, decimals), std::out_of_range) << decimals;
        EXPECT_EQ(out, "kept");
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {0x1p63, -0x1p63, inf, std::nan("")}) {
        std::string out;
        EXPECT_THROW(AppendFixed(out, v, 2), std::out_of_range) << v;
    }
    // FormatFixed names the values that are not finite.
    EXPECT_EQ(FormatFixed(-inf, 2), "-INF");
    EXPECT_EQ(FormatFixed(std::nan(""), 2), "NAN");
}

// The exact decimal expansion glibc prints, rounded by hand: a strict reading of "the exact
// binary value, an exact half away from zero".
std::string ReferenceFixed(double value, int decimals) {
    char buf[1200];
    std::snprintf(buf, sizeof buf, "%.*f", decimals + 1100, std::fabs(value));
    std::string digits(buf);
    const auto dot = digits.find('.');
    std::string kept = digits.substr(0, dot) + digits.substr(dot + 1, decimals);
    if (digits[dot + 1 + decimals] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    std::string out = kept.substr(0, kept.size() - decimals);
    if (decimals > 0) out += "." + kept.substr(kept.size() - decimals);
    if (value < 0 && kept.find_first_not_of('0') != std::string::npos) out.insert(0, "-");
    return out;
}

TEST(FormatFixed, AgreesWithTheExactExpansionAtEveryCountAndSize) {
    // The edges of the exact range: the largest double, the smallest worked out, one taken as 0.
    const double top = std::nextafter(0x1p63, 0.0);
    std::vector<double> values = {top, -top, 0x1p-74, 0x1p-1074};
    std::mt19937_64 rng(41);
    for (int i = 0; i < 400; ++i) {
        const int exponent = static_cast<int>(rng() % 140) - 76; // 2^-76 .. 2^63
        const double v = std::ldexp(static_cast<double>(rng() >> 11), exponent - 53);
        values.push_back(rng() % 2 ? v : -v);
        // A value on a half of some count of decimals.
        values.push_back(static_cast<double>(rng() % 2'000'000) / 1024);
    }
    for (double v : values)
        for (int decimals = 0; decimals <= MaxDecimals; ++decimals)
            ASSERT_EQ(FormatFixed(v, decimals), ReferenceFixed(v, decimals))
                << std::hexfloat << v << " " << decimals;
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
