#include "core/Edition.h"
#include "core/GridColumns.h"
#include "core/MeasureCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::GridCell;
using core::MainGridColumn;

std::vector<int> Charted(std::span<const MainGridColumn> table, const core::Game& game,
                         int columns) {
    std::vector<int> charted;
    for (int col = -1; col <= columns; ++col)
        if (core::ChartsColumn(table, col, game)) charted.push_back(col);
    return charted;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> r;
    for (int i = first; i <= last; ++i) r.push_back(i);
    return r;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A made-up edition with seven numbers and its own grid: the numbers in columns 2..8, the
// span and the average in 10 and 11, six differences in 13..18 and the odd count in 20, with
// empty columns between the groups. Listed out of order: the positions decide.
constexpr MainGridColumn kSevenNumberGrid[] = {
    {0, {"№", "№"}, 30, 0, GridCell::DrawNumber, nullptr},
    {1, {"", ""}, 60, 0, GridCell::Date, nullptr},
    {8, {"A7", "A7"}, 0, 0, GridCell::Number, nullptr, 6, 7},
    {2, {"A1", "A1"}, 0, 0, GridCell::Number, nullptr, 0, 1},
    {3, {"A2", "A2"}, 0, 0, GridCell::Number, nullptr, 1, 2},
    {4, {"A3", "A3"}, 0, 0, GridCell::Number, nullptr, 2, 3},
    {5, {"A4", "A4"}, 0, 0, GridCell::Number, nullptr, 3, 4},
    {6, {"A5", "A5"}, 0, 0, GridCell::Number, nullptr, 4, 5},
    {7, {"A6", "A6"}, 0, 0, GridCell::Number, nullptr, 5, 6},
    {10, {"Max-Min", "Max-Min"}, 50, 0, GridCell::Figure, nullptr},
    {11, {"Average", "Average"}, 50, 0, GridCell::Figure, nullptr},
    {13, {"d1", "d1"}, 0, 0, GridCell::Figure, nullptr, 0, 2},
    {14, {"d2", "d2"}, 0, 0, GridCell::Figure, nullptr, 1, 3},
    {15, {"d3", "d3"}, 0, 0, GridCell::Figure, nullptr, 2, 4},
    {16, {"d4", "d4"}, 0, 0, GridCell::Figure, nullptr, 3, 5},
    {17, {"d5", "d5"}, 0, 0, GridCell::Figure, nullptr, 4, 6},
    {18, {"d6", "d6"}, 0, 0, GridCell::Figure, nullptr, 5, 7},
    {20, {"Odd", "Odd"}, 30, 0, GridCell::Figure, nullptr},
};

TEST(MainGridColumns, AMadeUpSevenNumberEditionChartsItsOwnColumnsAndReadsItsNumbers) {
    const core::Game seven{.pool = 49, .perDraw = 7};
    const core::Game six{.pool = 49, .perDraw = 6};
    EXPECT_EQ(Charted(kSevenNumberGrid, seven, 24),
              Join({{0}, Range(2, 8), {10, 11}, Range(13, 18), {20}}));
    EXPECT_EQ(core::NumberColumns(kSevenNumberGrid, seven), Range(2, 8));
    // With six numbers the grid's seventh number and sixth difference stay empty.
    EXPECT_EQ(Charted(kSevenNumberGrid, six, 24),
              Join({{0}, Range(2, 7), {10, 11}, Range(13, 17), {20}}));
    EXPECT_EQ(core::NumberColumns(kSevenNumberGrid, six), Range(2, 7));
}

TEST(MainGridColumns, BothEditionsChartTheirFiguresAndReadTheirNumbersFromTheTable) {
    const struct {
        const core::Edition& edition;
        std::vector<int> charted, numbers;
    } cases[] = {
        {core::Edition6x45, Join({{0}, Range(2, 7), {9, 10}, Range(12, 16), Range(18, 21)}),
         Range(2, 7)},
        {core::Edition5x36, Join({{0}, Range(2, 6), {9, 10}, Range(12, 15), Range(18, 21)}),
         Range(2, 6)},
    };
    for (const auto& c : cases) {
        const core::Game& game = c.edition.game;
        EXPECT_EQ(Charted(core::MainGridTable(), game, core::MainGridColumns), c.charted)
            << game.tag();
        EXPECT_EQ(core::NumberColumns(core::MainGridTable(), game), c.numbers) << game.tag();
        // The column chart takes exactly these, whatever the cells hold.
        const std::vector<std::string> cells = {"H", "1", "2"};
        std::vector<int> charts;
        for (int col = 0; col < core::MainGridColumns; ++col)
            if (core::ColumnChart(col, cells, c.edition)) charts.push_back(col);
        EXPECT_EQ(charts, c.charted) << game.tag();
    }
}

} // namespace
