#include "tests/support/Stores.h"
#include "core/DrawMap.h"

#include <gtest/gtest.h>

namespace {

using testing_support::StoreOf;

TEST(DrawMapCommand, MarksTheNumbersOfEachDrawInItsRow) {
    const auto store = StoreOf({{1, 2, 3, 4, 5, 45}, {10, 20, 30, 40, 41, 44}});
    core::DrawMapTable map;
    core::BuildDrawMap(store, core::Game6x45, map);
    for (int c = 0; c < 45; ++c) {
        const bool first = c < 5 || c == 44;
        const bool second = c == 9 || c == 19 || c == 29 || c == 39 || c == 40 || c == 43;
        EXPECT_EQ(map.at(0, c), first ? 1 : 0) << c;
        EXPECT_EQ(map.at(1, c), second ? 1 : 0) << c;
    }
    for (int c = 45; c < core::DrawMapTable::Columns; ++c) EXPECT_EQ(map.at(0, c), 0);
}

TEST(DrawMapCommand, LinesHoldThePaddedDrawNumberAndOneDigitPerNumber) {
    std::vector<core::Draw> draws(12, core::Draw{1, 2, 3, 4, 5, 6});
    draws[0] = {40, 41, 42, 43, 44, 45};
    const auto store = StoreOf(draws);
    core::DrawMapTable map;
    core::BuildDrawMap(store, core::Game6x45, map);
    const auto result = core::MapCommand(store, core::Game6x45, core::Lang::English, map);
    const auto lines = core::AllLines(result);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "12:" + std::string(39, '0') + "111111");
    EXPECT_EQ(lines[11], "01:111111" + std::string(39, '0'));
    EXPECT_EQ(result.caption, "Map");
    EXPECT_EQ(core::MapCommand(store, core::Game6x45, core::Lang::Russian, map).caption, "Карта");
    EXPECT_TRUE(result.charts.empty());
}

TEST(DrawMapCommand, FiveOfThirtySixUsesThirtySixColumns) {
    const auto store = StoreOf({{1, 7, 20, 35, 36, 0}});
    core::DrawMapTable map;
    core::BuildDrawMap(store, core::Game5x36, map);
    const auto result = core::MapCommand(store, core::Game5x36, core::Lang::English, map);
    ASSERT_EQ(core::AllLines(result).size(), 1u);
    EXPECT_EQ(core::AllLines(result)[0], "1:100000100000000000010000000000000011");
}

TEST(DrawMapCommand, NumbersOutsideThePoolHaveNoColumn) {
    const auto store = StoreOf({{0, 2, 46, 200, 255, 45}});
    core::DrawMapTable map;
    core::BuildDrawMap(store, core::Game6x45, map);
    int marked = 0;
    for (int c = 0; c < core::DrawMapTable::Columns; ++c) marked += map.at(0, c);
    EXPECT_EQ(marked, 2);
    EXPECT_EQ(map.at(0, 1), 1);
    EXPECT_EQ(map.at(0, 44), 1);
}

TEST(DrawMapCommand, RowsBeyondTheDrawsKeepWhatAnEarlierMapLeft) {
    core::DrawMapTable map;
    core::BuildDrawMap(StoreOf({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}), core::Game6x45, map);
    core::BuildDrawMap(StoreOf({{40, 41, 42, 43, 44, 45}}), core::Game6x45, map);
    EXPECT_EQ(map.at(0, 0), 0);
    EXPECT_EQ(map.at(0, 44), 1);
    EXPECT_EQ(map.at(1, 6), 1);
}

TEST(DrawMapCommand, NoDrawsGiveNoLines) {
    core::DrawStore store;
    core::DrawMapTable map;
    core::BuildDrawMap(store, core::Game6x45, map);
    EXPECT_TRUE(
        core::AllLines(core::MapCommand(store, core::Game6x45, core::Lang::English, map)).empty());
}

} // namespace
