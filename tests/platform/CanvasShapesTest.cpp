#include "platform/Canvas.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
constexpr TColor kRed = core::clRed, kWhite = core::clWhite;
}

TEST(CanvasShapes, FrameRgnPaintsEachDirectionInside) {
    struct Case {
        int w, h;
        TColor left, top, inner, corner;
    };
    // Region (2,2)-(12,12): left column 2..3 with w = 2, top row 2 with h = 1.
    const Case cases[] = {
        {2, 1, kRed, kRed, kWhite, kRed},
        {2, -1, kRed, kWhite, kWhite, kRed},
        {-1, 1, kWhite, kRed, kWhite, kRed},
    };
    for (const Case& k : cases) {
        TBitmap bmp(14, 14);
        auto& c = bmp.Canvas();
        c.Brush.Color = kRed;
        c.FrameRgn(QRegion(2, 2, 10, 10), k.w, k.h);
        EXPECT_EQ(c.Pixel(3, 6), k.left) << k.w << "x" << k.h;
        EXPECT_EQ(c.Pixel(6, 2), k.top) << k.w << "x" << k.h;
        EXPECT_EQ(c.Pixel(6, 6), k.inner);
        EXPECT_EQ(c.Pixel(2, 2), k.corner);
        EXPECT_EQ(c.Pixel(1, 6), kWhite);
        EXPECT_EQ(c.Pixel(12, 6), kWhite);
    }
}

TEST(CanvasShapes, PatternBrushIsAnchoredAtTheOrigin) {
    QImage pattern(2, 1, QImage::Format_RGB32);
    pattern.setPixelColor(0, 0, Qt::red);
    pattern.setPixelColor(1, 0, Qt::blue);
    TBitmap bmp(10, 4);
    auto& c = bmp.Canvas();
    c.Brush.Bitmap = pattern;
    c.FillRect(3, 0, 8, 4);
    // Column 3 is odd: blue, whatever the rectangle's left.
    EXPECT_EQ(c.Pixel(3, 2), core::clBlue);
    EXPECT_EQ(c.Pixel(4, 2), kRed);
    EXPECT_EQ(c.Pixel(2, 2), kWhite);
}

TEST(CanvasShapes, ClippingNestsAndRestores) {
    TBitmap bmp(10, 10);
    auto& c = bmp.Canvas();
    c.Brush.Color = kRed;
    c.SaveDC();
    c.IntersectClipRect(2, 2, 8, 8);
    c.IntersectClipRect(0, 0, 5, 5);
    c.FillRect(0, 0, 10, 10);
    c.RestoreDC();
    EXPECT_EQ(c.Pixel(2, 2), kRed);
    EXPECT_EQ(c.Pixel(4, 4), kRed);
    EXPECT_EQ(c.Pixel(5, 5), kWhite);
    EXPECT_EQ(c.Pixel(1, 1), kWhite);
    c.FillRect(9, 9, 10, 10);
    EXPECT_EQ(c.Pixel(9, 9), kRed);
}

TEST(CanvasShapes, FocusRectIsDottedAndUndoesItself) {
    TBitmap bmp(10, 6);
    auto& c = bmp.Canvas();
    c.DrawFocusRect(1, 1, 9, 5);
    EXPECT_EQ(c.Pixel(1, 1), core::clBlack);
    EXPECT_EQ(c.Pixel(2, 1), kWhite);
    EXPECT_EQ(c.Pixel(3, 1), core::clBlack);
    EXPECT_EQ(c.Pixel(4, 3), kWhite);
    c.DrawFocusRect(1, 1, 9, 5);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(c.Pixel(x, y), kWhite);
}

TEST(CanvasShapes, RoundRectCutsItsCorners) {
    TBitmap bmp(20, 20);
    auto& c = bmp.Canvas();
    c.Brush.Color = core::clLime;
    c.Pen.Color = kRed;
    c.RoundRect(0, 0, 20, 20, 8, 8);
    EXPECT_EQ(c.Pixel(0, 0), kWhite);
    EXPECT_EQ(c.Pixel(19, 19), kWhite);
    EXPECT_EQ(c.Pixel(10, 0), kRed);
    EXPECT_EQ(c.Pixel(0, 10), kRed);
    EXPECT_EQ(c.Pixel(19, 10), kRed);
    EXPECT_EQ(c.Pixel(10, 10), core::clLime);
}

TEST(CanvasShapes, EdgesAndPrefixedText) {
    TBitmap bmp(40, 20);
    auto& c = bmp.Canvas();
    c.DrawEdge({0, 0, 10, 10}, EdgeStyle::Sunken);
    EXPECT_EQ(c.Pixel(0, 0), core::ColorToRGB(core::clBtnShadow));
    EXPECT_EQ(c.Pixel(9, 9), core::ColorToRGB(core::clBtnHighlight));
    EXPECT_EQ(c.Pixel(1, 1), core::ColorToRGB(core::cl3DDkShadow));
    EXPECT_EQ(c.Pixel(5, 5), kWhite);
    // "&&" is one ampersand, so the texts are equally wide.
    TBitmap a(80, 20), b(80, 20);
    a.Canvas().Brush.Style = b.Canvas().Brush.Style = BrushStyle::Clear;
    a.Canvas().DrawText({0, 0, 80, 20}, "A&&B", dtSingleLine | dtVCenter);
    b.Canvas().DrawText({0, 0, 80, 20}, "A&B", dtSingleLine | dtVCenter | dtNoPrefix);
    EXPECT_EQ(a.Image(), b.Image());
}
