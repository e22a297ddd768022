#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "core/BoardLayout.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

namespace {

using core::clBlue;
using core::clLime;
using core::clWhite;

// Newest first; the grid shows them sorted.
const char* const kDraws = "7 10 13 19 27 40\r\n"
                           "2 14 18 20 31 45\r\n"
                           "1 7 17 22 35 43\r\n";

class BoardTest : public VovuvTest {
protected:
    void SetUp() override { Start(withDraws_ ? kDraws : ""); }

    core::TColor Pixel(int x, int y) { return form->BoardBitmap->Canvas().Pixel(x, y); }

    int CountColor(core::TColor color, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += Pixel(x, y) == color;
        return n;
    }

    void Draw(int perRow, const std::string& numbers) {
        form->UpDown1->SetPosition(perRow);
        form->DrawBoard(numbers);
    }

    // The client area as the window shows it.
    QImage Render() {
        QImage image(form->clientArea()->size(), QImage::Format_RGB32);
        image.fill(Qt::gray);
        form->clientArea()->render(&image);
        return image;
    }

    bool withDraws_ = true;
};

class EmptyBoardTest : public BoardTest {
protected:
    EmptyBoardTest() { withDraws_ = false; }
};

TEST_F(BoardTest, SixPerRowPutsTheFirstSquareAndSevenWhereExpected) {
    Draw(6, "1 7 43");
    // 1 is drawn: filled lime, no outline, right and bottom edges excluded.
    EXPECT_EQ(Pixel(25, 20), clLime);
    EXPECT_EQ(Pixel(44, 39), clLime);
    EXPECT_EQ(Pixel(45, 40), clWhite);
    EXPECT_EQ(Pixel(24, 20), clWhite);
    // 7 starts row two, 43 the last row.
    EXPECT_EQ(Pixel(25, 45), clLime);
    EXPECT_EQ(Pixel(26, 46), clLime);
    EXPECT_EQ(Pixel(25, 195), clLime);
    // 2 is not drawn: blue outline around white.
    EXPECT_EQ(Pixel(50, 20), clBlue);
    EXPECT_EQ(Pixel(69, 39), clBlue);
    EXPECT_EQ(Pixel(51, 21), clWhite);
    EXPECT_EQ(Pixel(70, 40), clWhite);
    // The last row holds 43, 44, 45 and nothing beyond.
    EXPECT_EQ(Pixel(75, 195), clBlue);
    EXPECT_EQ(Pixel(100, 195), clWhite);
    EXPECT_EQ(Pixel(25, 220), clWhite);
    // The frame.
    EXPECT_EQ(Pixel(10, 10), clBlue);
    EXPECT_EQ(Pixel(399, 334), clBlue);
    EXPECT_EQ(Pixel(11, 11), clWhite);
}

TEST_F(BoardTest, EveryWidthPlacesEverySquare) {
    for (int p = 2; p <= 23; ++p) {
        const auto g = core::BoardCellGeometry(p, core::Board6x45);
        Draw(p, "1 23 45");
        const auto cells = core::BoardCells(p, 45, core::Board6x45);
        auto isDrawn = [](int n) { return n == 1 || n == 23 || n == 45; };
        // From 19 per row on, a later square covers one pixel of its neighbours.
        auto underLime = [&](int x, int y) {
            for (const auto& d : cells)
                if (isDrawn(d.number) && x >= d.x && x < d.x + g.size && y >= d.y &&
                    y < d.y + g.size)
                    return true;
            return false;
        };
        for (const auto& c : cells) {
            const bool drawn = isDrawn(c.number);
            SCOPED_TRACE("p=" + std::to_string(p) + " n=" + std::to_string(c.number));
            if (drawn) {
                EXPECT_EQ(Pixel(c.x + 1, c.y + 1), clLime);
                EXPECT_EQ(Pixel(c.x + g.size - 2, c.y + g.size - 2), clLime);
                if (!underLime(c.x + g.size, c.y + g.size)) {
                    EXPECT_NE(Pixel(c.x + g.size, c.y + g.size), clLime);
                }
            } else {
                if (!underLime(c.x, c.y)) {
                    EXPECT_EQ(Pixel(c.x, c.y), clBlue);
                }
                const int x2 = c.x + g.size - 1, y2 = c.y + g.size - 1;
                if (!underLime(x2, y2)) {
                    EXPECT_EQ(Pixel(x2, y2), clBlue);
                }
                EXPECT_EQ(Pixel(c.x + 1, c.y + 1), clWhite);
            }
        }
    }
}

TEST_F(BoardTest, TwoPerRowRunsTwentyThreeRowsBelowTheFrame) {
    Draw(2, "");
    EXPECT_EQ(Pixel(16, 20), clBlue);
    EXPECT_EQ(Pixel(32, 20), clBlue);
    EXPECT_EQ(Pixel(16, 36), clBlue); // row two at step 16
    // 45 alone in row 23, from y = 372 to 386, below the frame's bottom at 334.
    EXPECT_EQ(Pixel(16, 372), clBlue);
    EXPECT_EQ(Pixel(30, 386), clBlue);
    EXPECT_EQ(Pixel(17, 373), clWhite);
    EXPECT_NE(Pixel(16, 387), clBlue);
    EXPECT_NE(Pixel(32, 372), clBlue);
}

TEST_F(BoardTest, AnEmptyLastRowDrawsNothing) {
    for (int p : {5, 9, 15}) {
        const auto g = core::BoardCellGeometry(p, core::Board6x45);
        const int rows = core::BoardRows(p, 45);
        Draw(p, "");
        const int lastY = 20 + (rows - 1) * g.step;
        SCOPED_TRACE("p=" + std::to_string(p));
        EXPECT_EQ(Pixel(g.step, lastY - g.step), clBlue); // the full row before it
        EXPECT_EQ(CountColor(clBlue, QRect(11, lastY, 380, g.size)), 0);
    }
}

TEST_F(BoardTest, ATextWithoutNumbersDrawsNoLimeSquare) {
    Draw(6, "1 2 3");
    ASSERT_GT(CountColor(clLime, QRect(0, 0, 345, 410)), 0);
    Draw(6, "    ");
    EXPECT_EQ(CountColor(clLime, QRect(0, 0, 345, 410)), 0);
    EXPECT_EQ(Pixel(25, 20), clBlue);
}

TEST_F(BoardTest, ANewBoardClearsTheOldOne) {
    Draw(2, "45");
    ASSERT_EQ(Pixel(17, 373), clLime);
    Draw(6, "");
    // Inside the frame everything of the old board is gone; below it the old one stays, as the
    // frame is all the drawing clears.
    EXPECT_EQ(Pixel(33, 21), clWhite);
    EXPECT_EQ(Pixel(17, 321), clWhite);
    EXPECT_EQ(Pixel(17, 373), clLime);
}

TEST_F(BoardTest, TheLoadShowsTheNewestDraw) {
    for (int n : {7, 10, 13, 19, 27, 40}) {
        const auto c = core::BoardCells(6, 45, core::Board6x45)[n - 1];
        EXPECT_EQ(Pixel(c.x + 1, c.y + 1), clLime) << n;
    }
    EXPECT_EQ(CountColor(clLime, QRect(0, 0, 345, 410)) > 0, true);
}

TEST_F(BoardTest, AGridClickShowsTheRowAndFillsTheSearchEdit) {
    form->StringGrid1->SetRow(2);
    form->StringGrid1Click();
    for (int n : {2, 14, 18, 20, 31, 45}) {
        const auto c = core::BoardCells(6, 45, core::Board6x45)[n - 1];
        EXPECT_EQ(Pixel(c.x + 1, c.y + 1), clLime) << n;
    }
    const auto seven = core::BoardCells(6, 45, core::Board6x45)[6];
    EXPECT_EQ(Pixel(seven.x + 1, seven.y + 1), clWhite);
    EXPECT_EQ(form->Edit_find->text().toStdString(), "2 14 18 20 31 45");
}

TEST_F(BoardTest, TheUpDownRedrawsTheSelectedRowInTheNewWidth) {
    form->StringGrid1->SetRow(3);
    form->Edit_find->setText("unchanged");
    form->UpDown1->Step(1);
    ASSERT_EQ(form->UpDown1->Position(), 7);
    // Seven per row: 8 starts row two, 43 is the first of row seven.
    EXPECT_EQ(Pixel(25, 45), clBlue);
    EXPECT_EQ(Pixel(26, 46), clWhite);
    EXPECT_EQ(Pixel(26, 171), clLime); // 43 at (25, 170)
    EXPECT_EQ(Pixel(26, 21), clLime);  // 1
    EXPECT_EQ(Pixel(176, 21), clLime); // 7 ends row one
    EXPECT_EQ(form->Edit_find->text().toStdString(), "unchanged");

    form->UpDown1->SetPosition(23);
    form->UpDown1->Step(1); // no wrap
    EXPECT_EQ(form->UpDown1->Position(), 23);
}

TEST_F(BoardTest, TheWindowShowsTheBoardAtFiveThirtyFive) {
    Render(); // the first paint and its stamp
    Draw(6, "1");
    const QImage shown = Render();
    EXPECT_EQ(platform::FromQColor(shown.pixelColor(5 + 25, 35 + 20)), clLime);
    EXPECT_EQ(platform::FromQColor(shown.pixelColor(5 + 50, 35 + 20)), clBlue);
    EXPECT_EQ(platform::FromQColor(shown.pixelColor(5 + 10, 35 + 10)), clBlue);
    EXPECT_EQ(platform::FromQColor(shown.pixelColor(5 + 344, 35 + 409)), clWhite);
}

TEST_F(EmptyBoardTest, TheFirstPaintStampsTheGameUntilTheNextBoard) {
    const QRect stamp(210, 80, 90, 35);
    ASSERT_TRUE(form->FirstPaint);
    EXPECT_EQ(CountColor(clLime, stamp), 0);

    const QImage first = Render();
    EXPECT_FALSE(form->FirstPaint);
    EXPECT_GT(CountColor(clLime, stamp), 20);
    int shownLime = 0;
    for (int y = stamp.top(); y <= stamp.bottom(); ++y)
        for (int x = stamp.left(); x <= stamp.right(); ++x)
            shownLime += platform::FromQColor(first.pixelColor(5 + x, 35 + y)) == clLime;
    EXPECT_GT(shownLime, 20);
    EXPECT_EQ(CountColor(clLime, QRect(0, 0, 200, 410)), 0);

    // Later paints keep the stamp without writing it again.
    const int before = CountColor(clLime, stamp);
    Render();
    EXPECT_EQ(CountColor(clLime, stamp), before);

    form->DrawBoard(form->RowNumbersText(*form->StringGrid1));
    EXPECT_EQ(CountColor(clLime, stamp), 0);
    Render();
    EXPECT_EQ(CountColor(clLime, stamp), 0);
}

TEST_F(EmptyBoardTest, AnEmptyGridRowDrawsAPlainBoard) {
    form->StringGrid1Click();
    EXPECT_EQ(Pixel(25, 20), clBlue);
    EXPECT_EQ(CountColor(clLime, QRect(0, 0, 345, 410)), 0);
    EXPECT_EQ(form->Edit_find->text().toStdString(), "     ");
}

} // namespace
