#include "tests/support/Stores.h"
#include "core/Groups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::StoreOf;

std::vector<std::pair<int, int>> Even(int size, int count) {
    std::vector<std::pair<int, int>> g;
    for (int k = 0; k < count; ++k) g.push_back({k * size + 1, k * size + size});
    return g;
}

TEST(GroupCut, EveryNumberLiesInExactlyOneGroupOfTheCut) {
    // The cut of 1..36 for n groups (n = 0: the decades of 1..45) as first and last numbers.
    const struct {
        int n;
        std::vector<std::pair<int, int>> groups;
    } cases[] = {{0, {{1, 9}, {10, 19}, {20, 29}, {30, 39}, {40, 45}}},
                 {5, {{1, 7}, {8, 14}, {15, 21}, {22, 28}, {29, 36}}},
                 {7, {{1, 5}, {6, 10}, {11, 15}, {16, 20}, {21, 25}, {26, 30}, {31, 36}}},
                 {8, Even(4, 9)},
                 {10, Even(3, 12)},
                 {19, Even(1, 36)},
                 {36, Even(1, 36)}};
    for (const auto& c : cases) {
        EXPECT_EQ(core::GroupCount(c.n, 36), static_cast<int>(c.groups.size()));
        for (std::size_t g = 0; g < c.groups.size(); ++g)
            for (int x = c.groups[g].first; x <= c.groups[g].second; ++x) {
                const int got = c.n > 0 ? core::GroupOfNumber(x, c.n, 36) : core::DecadeOfNumber(x);
                ASSERT_EQ(got, static_cast<int>(g) + 1) << "n " << c.n << " number " << x;
            }
    }
    // Numbers outside the pool have no group.
    EXPECT_EQ(core::GroupOfNumber(0, 5, 36), 0);
    EXPECT_EQ(core::GroupOfNumber(37, 5, 36), 0);
    EXPECT_EQ(core::DecadeOfNumber(0), 0);
    EXPECT_EQ(core::DecadeOfNumber(46), 0);
}

TEST(GroupsAnswer, DigitsOnlyEmptyGivesDecadesAboveThePoolGivesThePool) {
    EXPECT_EQ(core::GroupsAnswer("", 36), 0);
    EXPECT_EQ(core::GroupsAnswer("abc", 36), 0);
    EXPECT_EQ(core::GroupsAnswer("1x0", 36), 10);
    EXPECT_EQ(core::GroupsAnswer("37", 36), 36);
    EXPECT_EQ(core::GroupsAnswer("99999999999", 36), 0);
    const core::Prompt p = core::GroupsPrompt();
    EXPECT_EQ(p.caption, "Numbers in groups");
    EXPECT_EQ(p.prompt, "Enter number of groups (use 0 for groups 1-9..40-45)");
    EXPECT_EQ(p.defaultText, "0");
}

std::vector<std::string> Row(const core::TableResult& r, int i) {
    std::vector<std::string> cells;
    for (const auto& c : r.table.columns) cells.push_back(c.Texts().at(i));
    return cells;
}

TEST(Groups, TableColumnsAndCaptionByTheCountOfGroups) {
    const auto s = StoreOf({{3, 12, 25, 33, 36}, {1, 2, 3, 4, 5}, {31, 32, 33, 34, 36}});
    const auto r = core::Groups(s, core::Game5x36, 0, core::Lang::English);
    EXPECT_EQ(r.caption, "Numbers in 5 groups");
    EXPECT_EQ(r.table.colCount, 15);
    std::vector<std::string> headers;
    for (const auto& c : r.table.columns) headers.push_back(std::to_string(c.index) + c.header);
    EXPECT_EQ(headers,
              (std::vector<std::string>{"8g1", "9g2", "10g3", "11g4", "12g5", "13", "14N"}));
    ASSERT_EQ(r.table.widths.size(), 14u);
    EXPECT_EQ(r.table.widths.front().index, 1);
    EXPECT_EQ(r.table.widths.back().index, 14);
    EXPECT_EQ(r.table.widths.back().width, 20);
    EXPECT_EQ(Row(r, 0), (std::vector<std::string>{"1", "2", "3", "4", "4", "", "4"}));
    EXPECT_EQ(Row(r, 1), (std::vector<std::string>{"1", "1", "1", "1", "1", "", "1"}));
    EXPECT_EQ(core::Groups(s, core::Game5x36, 0, core::Lang::Russian).caption, "Числа в 5 группах");
}

TEST(Groups, NCountsEveryGroupTheCutMakes) {
    const auto s = StoreOf({{1, 31, 33, 34, 36}, {7, 8, 14, 15, 36}});
    // n = 10 makes twelve groups of three: 31..36 are groups 11 and 12 and are counted.
    const auto ten = core::Groups(s, core::Game5x36, 10, core::Lang::English);
    EXPECT_EQ(ten.caption, "Numbers in 12 groups");
    EXPECT_EQ(Row(ten, 0), (std::vector<std::string>{"1", "11", "11", "12", "12", "", "3"}));
    const auto five = core::Groups(s, core::Game5x36, 5, core::Lang::English);
    EXPECT_EQ(Row(five, 1), (std::vector<std::string>{"1", "2", "2", "3", "5", "", "4"}));
    const auto all = core::Groups(s, core::Game5x36, 36, core::Lang::English);
    EXPECT_EQ(all.caption, "Numbers in 36 groups");
    EXPECT_EQ(Row(all, 0).back(), "5");
    EXPECT_EQ(Row(all, 1).back(), "5");
}

TEST(GroupHighlighted, OnlyANumberEqualToTheChoiceIsMarked) {
    struct Case {
        const char* cell;
        int chosen;
        bool marked;
    } cases[] = {{"4", 4, true},  {"4", 3, false},  {" 4 ", 4, true},          {"", 1, false},
                 {"x", 1, false}, {"-4", 4, false}, {"99999999999", 1, false}, {"12", 12, true}};
    for (const Case& c : cases)
        EXPECT_EQ(core::GroupHighlighted(c.cell, c.chosen), c.marked) << '"' << c.cell << '"';
}

} // namespace
