#include "core/NumberLists.h"

#include <gtest/gtest.h>

namespace {

std::string Numbers(int from, int to) {
    std::string s;
    for (int n = from; n <= to; ++n) s += (n < 10 ? "0" : "") + std::to_string(n) + " ";
    return s;
}

TEST(NumberLists, ParseIgnoresTokensOutsideThePool) {
    struct Case {
        const char* text;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"", {}},
        {" ", {}},
        {"3 17 45", {3, 17, 45}},
        {"3,17;;45x", {3, 17, 45}},
        {"300 4", {4}},      // a byte would make it 44
        {"5 256 6", {5, 6}}, // a byte would make it a 0 that ends the list
        {"0 7 46", {7}},
        {"99999999999999999999 8", {8}},
        {"007", {7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::ParseNumberList(c.text, 45, 45), c.expected) << c.text;
    EXPECT_EQ(core::ParseNumberList("1 2 3 4", 2, 45), (std::vector<int>{1, 2}));
    EXPECT_EQ(core::ParseNumberList("36 37", 10, 36), (std::vector<int>{36}));
}

TEST(NumberLists, ListTextPadsAndEndsEachNumberWithABlank) {
    EXPECT_EQ(core::ListText({3, 17, 45}, 45), "03 17 45 ");
    EXPECT_EQ(core::ListText({0, 5, 0}, 45), "05 ");
    EXPECT_EQ(core::ListText({}, 45), "");
    EXPECT_EQ(core::CountBlanks("03 17 45 "), 3);
}

TEST(NumberLists, RemoveTakesTheListOutOfThePool) {
    struct Case {
        const char* list;
        int pool;
        std::string expected;
    };
    const Case cases[] = {
        {"", 45, Numbers(1, 45)},
        {"1 2 3", 45, Numbers(4, 45)},
        {"45 44 43 42 41 40 39", 45, Numbers(1, 38)},
        {"300", 45, Numbers(1, 45)},
        {"", 36, Numbers(1, 36)},
        {"36", 36, Numbers(1, 35)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::ListText(core::RemoveFromPool(c.list, c.pool), c.pool), c.expected)
            << c.list;
    EXPECT_EQ(core::CountBlanks(core::ListText(core::RemoveFromPool("1 2 3", 45), 45)), 42);
}

TEST(NumberLists, CombineMergesWithoutRepeats) {
    struct Case {
        std::string first, second;
        std::string expected;
    };
    std::string full = "2";
    for (int i = 1; i < 90; ++i) full += " 1";
    const Case cases[] = {
        {"3 1 3", "2 3", "01 02 03 "},
        {"", "", ""},
        {"", "9 8 9", "08 09 "},
        {"45", "", "45 "},
        // A full first list stays whole; the second has no slot left.
        {full, "3", "01 02 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::ListText(core::CombineLists(c.first, c.second, 45), 45), c.expected)
            << c.first << " | " << c.second;
}

TEST(NumberLists, CombineDropsSecondListNumbersPastTheLastSlot) {
    // 88 numbers first: the second list's positions 0 and 1 get slots 88 and 89, position 2
    // none.
    std::string first;
    for (int i = 0; i < 88; ++i) first += "1 ";
    EXPECT_EQ(core::ListText(core::CombineLists(first, "5 6 7", 45), 45), "01 05 06 ");
}

TEST(NumberLists, SortDrawLineSortsOnlyLinesOfSixValidNumbers) {
    struct Case {
        const char* line;
        bool ascending;
        const char* expected;
    };
    const Case cases[] = {
        {"45 3 17 9 22 1", false, "45 22 17 09 03 01"},
        {"45 3 17 9 22 1", true, "01 03 09 17 22 45"},
        {"  5  4 3 2 1 6 ", true, "01 02 03 04 05 06"},
        {"1 2 3", true, "1 2 3"},
        {"a b c d e f", true, "a b c d e f"},
        {"1 2 3 4 5 x", true, "1 2 3 4 5 x"},
        {"1 2 3 4 5 300", true, "1 2 3 4 5 300"},
        {"1 2 3 4 5 46", true, "1 2 3 4 5 46"},
        {"0 2 3 4 5 6", true, "0 2 3 4 5 6"},
        {"1 2 3 4 5 6 7", true, "1 2 3 4 5 6 7"},
        {"", true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::SortDrawLine(c.line, core::Game6x45, c.ascending), c.expected) << c.line;
    EXPECT_EQ(core::SortDrawLine("36 1 2 3 4", core::Game5x36, true), "01 02 03 04 36");
}

TEST(NumberLists, NonlinearCounterWrapsAtTheNumbersInTheStore) {
    struct Case {
        int counter, drawCount, perDraw, expected;
    };
    const Case cases[] = {
        {0, 2, 6, 1},   {10, 2, 6, 11}, {11, 2, 6, 0}, {12, 2, 6, 0},
        {500, 2, 6, 0}, {0, 0, 6, 0},   {0, 1, 5, 1},  {4, 1, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::NextNonlinearCounter(c.counter, c.drawCount, c.perDraw), c.expected)
            << c.counter << " " << c.drawCount;
}

TEST(NumberLists, NonlinearClickAppendsTheNumberAtTheCounter) {
    core::DrawStore store;
    store.PutDraw({1, 2, 3, 4, 5, 6}, 0);
    store.PutDraw({7, 8, 9, 10, 11, 12}, 1);
    store.DrawCount = 2;
    EXPECT_EQ(core::NonlinearClickText("", store, core::Game6x45, 0), "1 ");
    EXPECT_EQ(core::NonlinearClickText("", store, core::Game6x45, 8), "9 ");
    EXPECT_EQ(core::NonlinearClickText("1 9 1 9 4 ", store, core::Game6x45, 11), "01 09 04 12 ");
    // A counter left past a store that shrank reads nothing beyond it.
    EXPECT_EQ(core::NonlinearClickText("", store, core::Game6x45, 12), "0 ");
    core::DrawStore empty;
    EXPECT_EQ(core::NonlinearClickText("", empty, core::Game6x45, 0), "0 ");
    EXPECT_EQ(core::NonlinearClickText("0 ", empty, core::Game6x45, 0), "0 ");
}

} // namespace
