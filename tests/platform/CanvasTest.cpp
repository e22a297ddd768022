#include "platform/Canvas.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Canvas, RectangleExcludesRightAndBottomEdges) {
    TBitmap bmp(20, 20);
    auto& c = bmp.Canvas();
    c.Pen.Color = core::clBlue;
    c.Brush.Color = core::clLime;
    c.Rectangle(2, 3, 10, 12);
    EXPECT_EQ(c.Pixel(2, 3), core::clBlue);
    EXPECT_EQ(c.Pixel(9, 11), core::clBlue);
    EXPECT_EQ(c.Pixel(10, 11), core::clWhite);
    EXPECT_EQ(c.Pixel(9, 12), core::clWhite);
    EXPECT_EQ(c.Pixel(3, 4), core::clLime);
    EXPECT_EQ(c.Pixel(8, 10), core::clLime);
}

TEST(Canvas, FillRectAndFrameRect) {
    TBitmap bmp(10, 10);
    auto& c = bmp.Canvas();
    c.Brush.Color = core::clRed;
    c.FillRect(1, 1, 4, 4);
    EXPECT_EQ(c.Pixel(1, 1), core::clRed);
    EXPECT_EQ(c.Pixel(3, 3), core::clRed);
    EXPECT_EQ(c.Pixel(4, 4), core::clWhite);
    c.Brush.Color = core::clBlack;
    c.FrameRect(5, 5, 9, 9);
    EXPECT_EQ(c.Pixel(8, 8), core::clBlack);
    EXPECT_EQ(c.Pixel(6, 6), core::clWhite);
}

TEST(Canvas, LineToLeavesOutTheEndPixel) {
    TBitmap bmp(10, 10);
    auto& c = bmp.Canvas();
    c.Pen.Color = core::clBlack;
    c.MoveTo(1, 1);
    c.LineTo(6, 1);
    EXPECT_EQ(c.Pixel(1, 1), core::clBlack);
    EXPECT_EQ(c.Pixel(5, 1), core::clBlack);
    EXPECT_EQ(c.Pixel(6, 1), core::clWhite);
    c.LineTo(6, 5);
    EXPECT_EQ(c.Pixel(6, 1), core::clBlack);
    EXPECT_EQ(c.Pixel(6, 4), core::clBlack);
    EXPECT_EQ(c.Pixel(6, 5), core::clWhite);
    EXPECT_EQ(c.PenPos(), QPoint(6, 5));
}

TEST(Canvas, TextOutFillsTheBrushBehindTheText) {
    TBitmap bmp(100, 40);
    auto& c = bmp.Canvas();
    c.Brush.Color = core::clYellow;
    c.Font.Color = core::clBlack;
    c.TextOut(10, 10, "8888");
    const int w = c.TextWidth("8888"), h = c.TextHeight("8888");
    ASSERT_GT(w, 0);
    EXPECT_EQ(c.Pixel(10, 10), core::clYellow);
    EXPECT_EQ(c.Pixel(10 + w, 10 + h), core::clWhite);
    int black = 0;
    for (int x = 10; x < 10 + w; ++x)
        for (int y = 10; y < 10 + h; ++y) black += c.Pixel(x, y) == core::clBlack;
    EXPECT_GT(black, 0);
}

TEST(Colors, SystemColoursHaveFixedValues) {
    EXPECT_EQ(core::ColorToRGB(core::clWindow), 0xFFFFFFu);
    EXPECT_EQ(core::ColorToRGB(0x00123456), 0x123456u);
    const QColor q = ToQColor(0x0000FF00);
    EXPECT_EQ(q, QColor(0, 255, 0));
    EXPECT_EQ(ToQColor(0x00FF0000), QColor(0, 0, 255));
}
