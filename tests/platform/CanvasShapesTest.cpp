#include "platform/Canvas.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr TColor kRed = core::clRed, kWhite = core::clWhite, kBlack = core::clBlack;

struct Pixel {
    int x, y;
    TColor color;
};

void ExpectPixels(TCanvas& c, std::initializer_list<Pixel> pixels, const std::string& what = "") {
    for (const Pixel& p : pixels)
        EXPECT_EQ(c.Pixel(p.x, p.y), p.color) << what << " at " << p.x << "," << p.y;
}

} // namespace

TEST(CanvasShapes, FrameRgnPaintsEachDirectionInside) {
    // Region (2,2)-(12,12): left column 2..3 with w = 2, top row 2 with h = 1; a negative size
    // paints nothing that way.
    const struct {
        int w, h;
        TColor left, top;
    } cases[] = {{2, 1, kRed, kRed}, {2, -1, kRed, kWhite}, {-1, 1, kWhite, kRed}};
    for (const auto& k : cases) {
        TBitmap bmp(14, 14);
        auto& c = bmp.Canvas();
        c.Brush.Color = kRed;
        c.FrameRgn(QRegion(2, 2, 10, 10), k.w, k.h);
        const std::string what = std::to_string(k.w) + "x" + std::to_string(k.h);
        ExpectPixels(c, {{3, 6, k.left}, {6, 2, k.top}, {2, 2, kRed}}, what);
        ExpectPixels(c, {{6, 6, kWhite}, {1, 6, kWhite}, {12, 6, kWhite}}, what);
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
    ExpectPixels(c, {{3, 2, core::clBlue}, {4, 2, kRed}, {2, 2, kWhite}});
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
    c.FillRect(9, 9, 10, 10);
    ExpectPixels(c, {{2, 2, kRed}, {4, 4, kRed}, {5, 5, kWhite}, {1, 1, kWhite}, {9, 9, kRed}});
}

TEST(CanvasShapes, FocusRectIsDottedAndUndoesItself) {
    TBitmap bmp(10, 6), blank(10, 6);
    auto& c = bmp.Canvas();
    c.DrawFocusRect(1, 1, 9, 5);
    ExpectPixels(c, {{1, 1, kBlack}, {2, 1, kWhite}, {3, 1, kBlack}, {4, 3, kWhite}});
    c.DrawFocusRect(1, 1, 9, 5);
    EXPECT_EQ(bmp.Image(), blank.Image());
}

TEST(CanvasShapes, RoundRectCutsItsCorners) {
    TBitmap bmp(20, 20);
    auto& c = bmp.Canvas();
    c.Brush.Color = core::clLime;
    c.Pen.Color = kRed;
    c.RoundRect(0, 0, 20, 20, 8, 8);
    ExpectPixels(c, {{0, 0, kWhite}, {19, 19, kWhite}, {10, 10, core::clLime}});
    ExpectPixels(c, {{10, 0, kRed}, {0, 10, kRed}, {19, 10, kRed}});
}

TEST(CanvasShapes, EdgesAndPrefixedText) {
    TBitmap bmp(40, 20);
    bmp.Canvas().DrawEdge({0, 0, 10, 10}, EdgeStyle::Sunken);
    ExpectPixels(bmp.Canvas(), {{0, 0, core::ColorToRGB(core::clBtnShadow)},
                                {9, 9, core::ColorToRGB(core::clBtnHighlight)},
                                {1, 1, core::ColorToRGB(core::cl3DDkShadow)},
                                {5, 5, kWhite}});
    // "&&" is one ampersand, so the texts are equally wide.
    TBitmap a(80, 20), b(80, 20);
    a.Canvas().Brush.Style = b.Canvas().Brush.Style = BrushStyle::Clear;
    a.Canvas().DrawText({0, 0, 80, 20}, "A&&B", dtSingleLine | dtVCenter);
    b.Canvas().DrawText({0, 0, 80, 20}, "A&B", dtSingleLine | dtVCenter | dtNoPrefix);
    EXPECT_EQ(a.Image(), b.Image());
}
