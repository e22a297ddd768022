#include "tests/apps/pentadraw/PentadrawTest.h"

#include "platform/StringGrid.h"
#include "platform/UpDown.h"

#include <cstdint>

namespace {

using core::clBlue;
using core::clLime;
using core::clWhite;

struct Spot {
    int x, y;
    core::TColor colour;
};
std::ostream& operator<<(std::ostream& out, const Spot& s) {
    return out << s.x << "," << s.y;
}

class BoardTest : public PentadrawTest {
protected:
    core::TColor Pixel(int x, int y) { return form->BoardBitmap->Canvas().Pixel(x, y); }

    void Draw(int perRow, std::initializer_list<std::uint8_t> numbers) {
        std::uint8_t five[5] = {};
        std::copy(numbers.begin(), numbers.end(), five);
        form->UpDown1->SetPosition(perRow);
        form->DrawBoard(five);
    }
};

TEST_F(BoardTest, SquaresFollowTheWidthLimeDrawnBlueOutlined) {
    Start();
    // Six a row: squares of 20 stepping 25, 7 starts row two, 36 ends row six, no seventh row.
    Draw(6, {1, 7, 36});
    const Spot six[] = {{25, 20, clLime},  {44, 39, clLime},   {45, 40, clWhite},
                        {25, 45, clLime},  {150, 145, clLime}, {50, 20, clBlue},
                        {51, 21, clWhite}, {25, 170, clWhite}};
    for (const auto& s : six) EXPECT_EQ(Pixel(s.x, s.y), s.colour) << "six a row " << s;
    // Two a row: squares of 15; 35 starts row 18 at y = 360.
    Draw(2, {2, 35});
    const Spot two[] = {{20, 20, clBlue},  {40, 20, clLime},   {55, 35, clWhite},
                        {20, 360, clLime}, {20, 375, clWhite}, {40, 360, clBlue}};
    for (const auto& s : two) EXPECT_EQ(Pixel(s.x, s.y), s.colour) << "two a row " << s;
}

TEST_F(BoardTest, TheNewestDrawIsShownAfterTheLoadAndAGridClickRedraws) {
    Start("2 02.01.2000 1 2 3 4 5\r\n1 01.01.2000 32 33 34 35 36\r\n");
    EXPECT_EQ(Pixel(26, 21), clLime);    // 1
    EXPECT_EQ(Pixel(151, 146), clWhite); // 36
    form->StringGrid1->SetRow(2);
    form->StringGrid1Click();
    EXPECT_EQ(Pixel(26, 21), clWhite);
    EXPECT_EQ(Pixel(151, 146), clLime);
    EXPECT_EQ(form->Edit_find->text().toStdString(), "32 33 34 35 36");
    // The up-down redraws the selected row at its new width.
    form->UpDown1->Step(1);
    EXPECT_EQ(form->UpDown1->Position(), 7);
    EXPECT_EQ(Pixel(25, 145), clLime); // 36 alone in row six
}

TEST_F(BoardTest, FirstPaintStampsTheGameAndTheRedrawCoversIt) {
    Start("1 01.01.2000 1 2 3 4 5\r\n");
    QImage image(form->clientArea()->size(), QImage::Format_RGB32);
    form->clientArea()->render(&image);
    // The stamp is written in the canvas's font colour, blue after the first board.
    const auto stampBlue = [this] {
        int blue = 0;
        for (int y = 80; y < 110; ++y)
            for (int x = 210; x < 280; ++x) blue += Pixel(x, y) == clBlue;
        return blue;
    };
    EXPECT_GT(stampBlue(), 20);
    // The board lands at (5, 45) of the client area.
    EXPECT_EQ(image.pixel(5 + 25, 45 + 20), QColor(Qt::green).rgb());
    Draw(6, {});
    EXPECT_EQ(stampBlue(), 0);
}

} // namespace
