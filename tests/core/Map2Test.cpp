#include "core/Map2.h"

#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

using core::Map2Fill;
using testing_support::StoreOf;

TEST(Map2Grid, CellsAndHeadersNewestDrawInColumnOneAndAnEmptyStore) {
    const auto store = StoreOf({{1, 7, 20, 33, 36}, {2, 7, 8, 9, 10}, {3, 4, 5, 6, 11}});
    const core::Map2Grid grid(store, core::Game5x36);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 37);
    const struct {
        int col, row;
        const char* text;
    } cases[] = {{0, 0, ""},   {1, 0, "  3"}, {3, 0, "  1"}, {0, 1, "1"}, {0, 36, "36"},
                 {1, 1, "1"},  {1, 36, "1"},  {1, 2, ""},    {2, 7, "1"}, {3, 7, ""},
                 {3, 11, "1"}, {4, 1, ""},    {1, 37, ""}};
    for (const auto& c : cases) EXPECT_EQ(grid.Cell(c.col, c.row), c.text) << c.col << "," << c.row;

    // No draws: only the number column, and a marked row fills nothing.
    const core::Map2Grid empty(core::DrawStore{}, core::Game5x36);
    EXPECT_EQ(empty.ColCount(), 1);
    core::Map2Marks marks(empty);
    EXPECT_TRUE(marks.Click(0, 5));
    EXPECT_EQ(marks.Fill(empty, 0, 5), Map2Fill::None);
}

TEST(Map2Marks, HeaderClicksToggleAndDrawnCellsStayBlue) {
    const auto store = StoreOf({{1, 7, 20, 33, 36}, {2, 8, 9, 10, 11}});
    const core::Map2Grid grid(store, core::Game5x36);
    core::Map2Marks marks(grid);
    EXPECT_FALSE(marks.Click(0, 0));
    EXPECT_TRUE(marks.Click(0, 7));
    EXPECT_EQ(marks.Fill(grid, 1, 7), Map2Fill::Drawn);
    EXPECT_EQ(marks.Fill(grid, 2, 7), Map2Fill::Marked);
    EXPECT_EQ(marks.Fill(grid, 0, 7), Map2Fill::None);
    EXPECT_EQ(marks.Fill(grid, 1, 0), Map2Fill::Header);
    EXPECT_TRUE(marks.Click(2, 0));
    EXPECT_EQ(marks.Fill(grid, 2, 1), Map2Fill::Marked);
    EXPECT_EQ(marks.Fill(grid, 2, 8), Map2Fill::Drawn);
    EXPECT_EQ(marks.Fill(grid, 2, 0), Map2Fill::Header);
    EXPECT_TRUE(marks.Click(0, 7));
    EXPECT_EQ(marks.Fill(grid, 1, 6), Map2Fill::None);
    EXPECT_EQ(marks.Fill(grid, 2, 6), Map2Fill::Marked);
    marks.Clear();
    EXPECT_FALSE(marks.ColMarked(2));
    EXPECT_EQ(marks.Fill(grid, 2, 6), Map2Fill::None);
}

TEST(Map2Marks, TheLastColumnOfAFullStoreCanBeMarked) {
    std::mt19937 rng(3);
    core::DrawStore store;
    for (int i = 0; i < core::MaxDraws; ++i)
        store.PutDraw(testing_support::RandomDraw(rng, 36, 5), i);
    store.DrawCount = core::MaxDraws;
    const core::Map2Grid grid(store, core::Game5x36);
    core::Map2Marks marks(grid);
    EXPECT_EQ(grid.Cell(core::MaxDraws, 0), "  1");
    EXPECT_TRUE(marks.Click(core::MaxDraws, 0));
    EXPECT_TRUE(marks.ColMarked(core::MaxDraws));
    marks.Clear();
    EXPECT_FALSE(marks.ColMarked(core::MaxDraws));
}

} // namespace
