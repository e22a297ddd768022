#include "platform/StringGrid.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Row numbers times ten, counting the cells it writes.
class CountingColumn : public core::CellColumn {
public:
    explicit CountingColumn(std::size_t n) : n_(n) {}
    std::size_t Count() const override { return n_; }
    void Write(std::size_t i, std::string& out) const override {
        ++made;
        out = std::to_string(i * 10);
    }
    mutable int made = 0;

private:
    std::size_t n_;
};

} // namespace

// A column made on demand: only the cells on screen are written, the written cells below it
// stay, and writing one of its cells keeps all the others.
TEST(StringGrid, ColumnsMadeOnDemand) {
    TStringGrid grid;
    grid.resize(300, 200);
    grid.SetColCount(3);
    grid.SetRowCount(10002);
    grid.SetCells(1, 10001, "below");
    auto column = std::make_shared<CountingColumn>(10000);
    grid.SetColumn(1, column);
    grid.show();
    grid.grab();
    EXPECT_GT(column->made, 0);
    EXPECT_LT(column->made, 100);
    EXPECT_EQ(grid.Cells(1, 1), "0");
    EXPECT_EQ(grid.Cells(1, 10000), "99990");
    EXPECT_EQ(grid.Cells(1, 10001), "below");
    EXPECT_EQ(grid.model()->data(grid.model()->index(4, 1)).toString(), "40");

    // The grid hands the column itself on only when it covers every row.
    grid.SetRowCount(10001);
    EXPECT_EQ(grid.Column(1), column);
    grid.SetRowCount(10002);
    const auto copied = grid.Column(1);
    EXPECT_NE(copied, column);
    EXPECT_EQ(copied->Cell(10000), "below");

    grid.SetCells(1, 3, "x");
    EXPECT_EQ(grid.Cells(1, 3), "x");
    EXPECT_EQ(grid.Cells(1, 4), "30");
    EXPECT_EQ(grid.Cells(1, 10001), "below");
    grid.ClearCells();
    EXPECT_EQ(grid.Cells(1, 4), "");
}

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
