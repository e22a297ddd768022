#include "platform/StringGrid.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(StringGrid, CellsSurviveCountChanges) {
    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetCells(2, 5, "far");
    grid.SetCells(0, 0, "head");
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cells(2, 5), "far");
    grid.SetRowCount(2);
    grid.SetColCount(1);
    grid.SetColCount(4);
    grid.SetRowCount(8);
    EXPECT_EQ(grid.Cells(2, 5), "far");
    EXPECT_EQ(grid.Cells(0, 0), "head");
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), "head");
    EXPECT_EQ(grid.model()->rowCount(), 7);
    EXPECT_EQ(grid.model()->data(grid.model()->index(4, 2)).toString(), "far");
}

TEST(StringGrid, RowSelectionAndWidths) {
    TStringGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetRow(3);
    EXPECT_EQ(grid.Row(), 3);
    grid.SetRow(9); // out of range: unchanged
    EXPECT_EQ(grid.Row(), 3);
    grid.SetColWidths(2, 37);
    EXPECT_EQ(grid.ColWidths(2), 37);
    EXPECT_EQ(grid.Cells(9, 99), "");
}

TEST(StringGrid, ProgrammaticSelectionFiresNoClick) {
    TStringGrid grid;
    grid.SetRowCount(5);
    int clicks = 0;
    grid.OnClick = [&] { ++clicks; };
    grid.SetRow(2);
    grid.SetRowCount(3);
    EXPECT_EQ(clicks, 0);
}
