#include "core/SeriesPages.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Point = core::SeriesPages::Point;

std::vector<std::int32_t> Series(int count) {
    std::vector<std::int32_t> v(count);
    std::iota(v.begin(), v.end(), 1000); // draw d holds 999 + d
    return v;
}

TEST(SeriesPages, OpensOnTheNewestValuesAndStopsAtBothEnds) {
    const struct {
        int count;
        int first;                  // the page opened by the fill
        int points;                 // how many points it shows
        std::vector<int> leftward;  // SeriesFirst after each "<--"
        std::vector<int> rightward; // then after each "-->"
    } cases[] = {{0, 0, 0, {0}, {0}},
                 {1, 0, 1, {0}, {0}},
                 {99, 0, 99, {0}, {0}},
                 {100, 0, 100, {0}, {0}},
                 {101, 100, 1, {0, 0}, {100, 100}},
                 {250, 200, 50, {100, 0, 0}, {100, 200, 200}},
                 {300, 200, 100, {100, 0}, {100, 200, 200}},
                 {10000, 9900, 100, {9800}, {9900, 9900}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        core::SeriesPages pages;
        pages.Fill(Series(c.count));
        EXPECT_EQ(pages.SeriesCount, c.count);
        EXPECT_EQ(pages.SeriesFirst, c.first);
        const auto points = pages.PagePoints();
        ASSERT_EQ(static_cast<int>(points.size()), c.points);
        if (!points.empty()) {
            EXPECT_EQ(points.front(), (Point{1, 999 + c.first + 1}));
            EXPECT_EQ(points.back(), (Point{c.points, 999 + c.count}));
        }
        for (int expected : c.leftward) {
            pages.Left();
            EXPECT_EQ(pages.SeriesFirst, expected);
            // An older page shows its draws in order.
            if (c.count > 100) {
                EXPECT_EQ(pages.PagePoints().at(0), (Point{1, 1000 + expected}));
                EXPECT_EQ(pages.PagePoints().at(99), (Point{100, 1099 + expected}));
            }
        }
        for (int expected : c.rightward) {
            pages.Right();
            EXPECT_EQ(pages.SeriesFirst, expected);
        }
    }
}

TEST(SeriesPages, AFillClearsEveryValueBeforeAndTheTenThousandthDrawHasItsSlot) {
    core::SeriesPages pages;
    pages.Fill(Series(10000));
    EXPECT_EQ(pages.SeriesValues[10000], 10999);
    pages.Fill({7, 8});
    EXPECT_EQ(pages.SeriesValues[2], 8);
    EXPECT_EQ(pages.SeriesValues[3], 0);
    EXPECT_EQ(pages.SeriesValues[10000], 0);
    EXPECT_EQ(pages.SeriesValues[0], 0);
}

} // namespace
