#include "core/BoardLayout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct GeometryCase {
    int perRow, size, step, font;
};

class BoardGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(BoardGeometryTest, FollowsTheRuleTable) {
    const auto c = GetParam();
    const core::BoardGeometry g = core::BoardCellGeometry(c.perRow, core::Board6x45);
    EXPECT_EQ(g.size, c.size);
    EXPECT_EQ(g.step, c.step);
    EXPECT_EQ(g.fontSize, c.font);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, BoardGeometryTest,
                         ::testing::Values(GeometryCase{2, 15, 16, 7}, GeometryCase{3, 20, 25, 10},
                                           GeometryCase{6, 20, 25, 10},
                                           GeometryCase{12, 20, 25, 10},
                                           GeometryCase{13, 15, 20, 7}, GeometryCase{15, 15, 20, 7},
                                           GeometryCase{16, 15, 17, 7}, GeometryCase{18, 15, 17, 7},
                                           GeometryCase{19, 14, 13, 6},
                                           GeometryCase{23, 14, 13, 6}));

TEST(BoardRows, IsPoolDivWidthPlusOne) {
    EXPECT_EQ(core::BoardRows(6, 45), 8);
    EXPECT_EQ(core::BoardRows(2, 45), 23);
    EXPECT_EQ(core::BoardRows(5, 45), 10);
    EXPECT_EQ(core::BoardRows(9, 45), 6);
    EXPECT_EQ(core::BoardRows(15, 45), 4);
    EXPECT_EQ(core::BoardRows(23, 45), 2);
    EXPECT_EQ(core::BoardRows(6, 36), 7);
}

TEST(BoardCells, HoldEveryNumberOnceInOrderForEveryWidth) {
    for (int pool : {45, 36})
        for (int p = 2; p <= 23; ++p) {
            const auto cells = core::BoardCells(p, pool, core::Board6x45);
            ASSERT_EQ(static_cast<int>(cells.size()), pool) << "p=" << p;
            for (int i = 0; i < pool; ++i) EXPECT_EQ(cells[i].number, i + 1);
        }
}

TEST(BoardCells, RowsStartAtOneStepAndTwentyDown) {
    for (int p = 2; p <= 23; ++p) {
        const auto g = core::BoardCellGeometry(p, core::Board6x45);
        for (const auto& c : core::BoardCells(p, 45, core::Board6x45)) {
            const int r = (c.number - 1) / p, j = (c.number - 1) % p;
            EXPECT_EQ(c.x, (j + 1) * g.step) << "p=" << p << " n=" << c.number;
            EXPECT_EQ(c.y, 20 + r * g.step) << "p=" << p << " n=" << c.number;
        }
    }
}

struct CornerCase {
    int perRow, number, x, y;
};

TEST(BoardCells, CornersOfTheDocumentedBoards) {
    const CornerCase cases[] = {
        {6, 1, 25, 20},   {6, 7, 25, 45},    {6, 43, 25, 195}, {6, 45, 75, 195},
        {2, 1, 16, 20},   {2, 2, 32, 20},    {2, 45, 16, 372}, {13, 14, 20, 40},
        {16, 17, 17, 37}, {23, 45, 286, 33}, {12, 13, 25, 45},
    };
    for (const auto& c : cases) {
        std::map<int, core::BoardCell> byNumber;
        for (const auto& cell : core::BoardCells(c.perRow, 45, core::Board6x45))
            byNumber[cell.number] = cell;
        ASSERT_TRUE(byNumber.count(c.number));
        EXPECT_EQ(byNumber[c.number].x, c.x) << "p=" << c.perRow << " n=" << c.number;
        EXPECT_EQ(byNumber[c.number].y, c.y) << "p=" << c.perRow << " n=" << c.number;
    }
}

TEST(BoardCells, NarrowestBoardEndsWithinTheShownArea) {
    const auto cells = core::BoardCells(2, 45, core::Board6x45);
    const auto g = core::BoardCellGeometry(2, core::Board6x45);
    EXPECT_EQ(cells.back().y + g.size, 387);
    EXPECT_LE(cells.back().y + g.size, 410);
}

TEST(BoardLabel, OneDigitNumbersGetALeadingBlank) {
    EXPECT_EQ(core::BoardLabel(7), " 7");
    EXPECT_EQ(core::BoardLabel(1), " 1");
    EXPECT_EQ(core::BoardLabel(10), "10");
    EXPECT_EQ(core::BoardLabel(45), "45");
}

} // namespace

TEST(BoardLayout5x36, GeometryAndRowsFollowTheEditionsRules) {
    struct Case {
        int perRow, size, step, font, lastY;
    };
    // lastY: the top of the last square drawn.
    for (const auto& c :
         {Case{2, 15, 20, 7, 360}, Case{3, 20, 25, 10, 295}, Case{6, 20, 25, 10, 145},
          Case{7, 20, 25, 10, 145}, Case{12, 20, 25, 10, 70}, Case{13, 15, 20, 7, 60},
          Case{16, 15, 17, 7, 54}, Case{18, 15, 17, 7, 37}}) {
        const auto g = core::BoardCellGeometry(c.perRow, core::Board5x36);
        EXPECT_EQ(g.size, c.size) << c.perRow;
        EXPECT_EQ(g.step, c.step) << c.perRow;
        EXPECT_EQ(g.fontSize, c.font) << c.perRow;
        const auto cells = core::BoardCells(c.perRow, 36, core::Board5x36);
        ASSERT_EQ(cells.size(), 36u) << c.perRow;
        EXPECT_EQ(cells.back().number, 36);
        EXPECT_EQ(cells.back().y, c.lastY) << c.perRow;
    }
    // Seven a row: the sixth row holds 36 alone.
    const auto seven = core::BoardCells(7, 36, core::Board5x36);
    EXPECT_EQ(seven[35].x, 25);
    EXPECT_EQ(seven[34].y, 120);
}
