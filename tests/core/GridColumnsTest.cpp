#include "core/Edition.h"
#include "core/GridColumns.h"
#include "core/MeasureCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::GridCell;
using core::MainGridColumn;

// A made-up seven-number grid listed out of order, so the positions decide: numbers in 2..8
// (8 is no number column of the editions), an empty column 9, a difference in 10 that needs all
// seven numbers.
constexpr MainGridColumn kGrid[] = {
    {0, {"№", "№"}, 30, 0, GridCell::DrawNumber, nullptr},
    {1, {"", ""}, 60, 0, GridCell::Date, nullptr},
    {8, {"A7", "A7"}, 0, 0, GridCell::Number, nullptr, 6, 7},
    {2, {"A1", "A1"}, 0, 0, GridCell::Number, nullptr, 0, 1},
    {3, {"A2", "A2"}, 0, 0, GridCell::Number, nullptr, 1, 2},
    {4, {"A3", "A3"}, 0, 0, GridCell::Number, nullptr, 2, 3},
    {5, {"A4", "A4"}, 0, 0, GridCell::Number, nullptr, 3, 4},
    {6, {"A5", "A5"}, 0, 0, GridCell::Number, nullptr, 4, 5},
    {7, {"A6", "A6"}, 0, 0, GridCell::Number, nullptr, 5, 6},
    {10, {"d6", "d6"}, 0, 0, GridCell::Figure, nullptr, 5, 7},
};

// The made-up grid with so many numbers per draw, or an edition's own; the column chart takes
// exactly the columns charted.
TEST(MainGridColumns, ChartsTheFiguresShownAndReadsTheNumbersInPositionOrder) {
    const struct {
        int perDraw;
        const core::Edition* edition;
        std::vector<int> charted, numbers;
    } cases[] = {
        {7, nullptr, {0, 2, 3, 4, 5, 6, 7, 8, 10}, {2, 3, 4, 5, 6, 7, 8}},
        {6, nullptr, {0, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7}},
        {6,
         &core::Edition6x45,
         {0, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 15, 16, 18, 19, 20, 21},
         {2, 3, 4, 5, 6, 7}},
        {5,
         &core::Edition5x36,
         {0, 2, 3, 4, 5, 6, 9, 10, 12, 13, 14, 15, 18, 19, 20, 21},
         {2, 3, 4, 5, 6}},
    };
    for (const auto& c : cases) {
        const auto table = c.edition ? core::MainGridTable() : std::span(kGrid);
        const core::Game game = c.edition ? c.edition->game : core::Game{9, c.perDraw};
        std::vector<int> charted, charts;
        for (int col = -1; col <= table.back().index + 1; ++col) {
            if (core::ChartsColumn(table, col, game)) charted.push_back(col);
            if (c.edition && core::ColumnChart(col, {"H", "1", "2"}, *c.edition))
                charts.push_back(col);
        }
        EXPECT_EQ(charted, c.charted) << game.tag();
        EXPECT_EQ(core::NumberColumns(table, game), c.numbers) << game.tag();
        EXPECT_EQ(charts, c.edition ? c.charted : std::vector<int>{}) << game.tag();
    }
}
