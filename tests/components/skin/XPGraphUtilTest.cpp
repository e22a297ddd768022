#include "components/skin/XPGraphUtil.h"
#include "tests/support/SkinTestPixels.h"

#include <gtest/gtest.h>

using namespace skin_test;
using platform::TBitmap;

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kMark = 0x00FF00;

TEST(XPGraphUtil, MulDivRoundsHalvesAwayAndDarkenClampsEachChannel) {
    EXPECT_EQ(MulDiv(1, 5, 2), 3);
    EXPECT_EQ(MulDiv(1, -5, 2), -3);
    EXPECT_EQ(MulDiv(2, 100, 3), 67);
    EXPECT_EQ(MulDiv(1 << 20, 1 << 20, 1 << 20), 1 << 20);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(DarkenColor(0x000000, 10), 0x000000u);
    EXPECT_EQ(DarkenColor(0xF0F0F0, -30), 0xFFFFFFu);
    EXPECT_EQ(DarkenColor(Rgb(100, 20, 250), 30), Rgb(70, 0, 220));
    EXPECT_EQ(DarkenColor(Rgb(100, 20, 250), -30), Rgb(130, 50, 255));
    EXPECT_EQ(DarkenColor(core::clWindow, 50), Rgb(205, 205, 205));
}

TEST(XPGraphUtil, BandsFollowTheirExamples) {
    struct Case {
        int height, colors, direction;
        std::vector<TColor> rows; // expected colour of every row
    };
    const TColor b1 = Band(kRed, kBlue, 1, 4), b2 = Band(kRed, kBlue, 2, 4);
    const std::vector<Case> cases = {
        // Height 10, 4 colours: bands of 2 rows and a 2-row rest in the end colour.
        {10, 4, fdTopToBottom, {kRed, kRed, b1, b1, b2, b2, kBlue, kBlue, kBlue, kBlue}},
        {10, 4, fdBottomToTop, {kBlue, kBlue, b2, b2, b1, b1, kRed, kRed, kRed, kRed}},
        // One row: no band, one rest row in the end colour.
        {1, 60, fdTopToBottom, {kBlue}},
        {1, 60, fdBottomToTop, {kRed}},
        // Fewer than two colours: solid Color1.
        {3, 1, fdTopToBottom, {kRed, kRed, kRed}},
        {3, 0, fdBottomToTop, {kRed, kRed, kRed}},
    };
    for (const Case& c : cases) {
        TBitmap bmp(5, c.height + 2);
        FillGradientBands(bmp.Canvas(), {1, 1, 4, 1 + c.height}, kRed, kBlue, c.direction,
                          c.colors);
        for (int y = 0; y < c.height; ++y)
            EXPECT_EQ(bmp.Canvas().Pixel(2, 1 + y), c.rows[y])
                << "height " << c.height << " colors " << c.colors << " row " << y;
        const TColor w = core::clWhite;
        ExpectPixels(bmp.Canvas(), {{2, 0, w}, {0, 1, w}, {4, 1, w}, {2, 1 + c.height, w}},
                     "outside");
    }
}

TEST(XPGraphUtil, BandCountIsCappedByExtentAndBy255) {
    // 28 rows with 60 colours: 28 one-row bands, first and last the two colours.
    TBitmap caption(4, 28);
    FillGradientBands(caption.Canvas(), {0, 0, 4, 28}, kRed, kBlue, fdTopToBottom, 60);
    for (int y = 0; y < 28; ++y) EXPECT_EQ(caption.Canvas().Pixel(1, y), Band(kRed, kBlue, y, 28));
    // 1000 columns with 255 colours: bands of 3, then a 235-column rest in the end colour.
    TBitmap wide(1000, 2);
    auto& c = wide.Canvas();
    const TColor b253 = Band(kRed, kBlue, 253, 255);
    FillGradientBands(c, {0, 0, 1000, 2}, kRed, kBlue, fdLeftToRight, 255);
    ExpectPixels(
        c, {{3 * 254 + 2, 0, kBlue}, {3 * 253 + 2, 0, b253}, {764, 1, kBlue}, {999, 1, kBlue}},
        "left to right");
    // Right to left starts from Color2 at the left.
    FillGradientBands(c, {0, 0, 1000, 2}, kRed, kBlue, fdRightToLeft, 255);
    ExpectPixels(c, {{0, 0, kBlue}, {999, 0, kRed}}, "right to left");
    // A count above a byte is clamped to 255, not wrapped.
    FillGradientBands(c, {0, 0, 1000, 2}, kRed, kBlue, fdLeftToRight, 256 + 4);
    EXPECT_EQ(c.Pixel(3 * 253 + 2, 0), b253);
}

TEST(XPGraphUtil, FromCentreMeetsInTheMiddleAndEmptyRectanglesDrawNothing) {
    TBitmap bmp(6, 7);
    DrawGradient(bmp.Canvas(), {0, 0, 6, 7}, kRed, kBlue, fdVerticalFromCenter, 60);
    // Top half 3 rows, the odd extra row in the lower half of 4.
    const TColor rows[] = {kRed,  Band(kRed, kBlue, 1, 3), kBlue,
                           kBlue, Band(kRed, kBlue, 2, 4), Band(kRed, kBlue, 1, 4),
                           kRed};
    for (int y = 0; y < 7; ++y) EXPECT_EQ(bmp.Canvas().Pixel(3, y), rows[y]) << y;
    TBitmap h(4, 2);
    DrawGradient(h.Canvas(), {0, 0, 4, 2}, kRed, kBlue, fdHorizFromCenter, 60);
    ExpectPixels(h.Canvas(), {{0, 0, kRed}, {1, 0, kBlue}, {2, 0, kBlue}, {3, 0, kRed}},
                 "horizontal");

    TBitmap empty(10, 10);
    for (int d = fdTopToBottom; d <= fdXP; ++d) {
        DrawGradient(empty.Canvas(), {5, 5, 5, 9}, kRed, kBlue, static_cast<TFillDirection>(d), 60);
        DrawGradient(empty.Canvas(), {2, 6, 8, 3}, kRed, kBlue, static_cast<TFillDirection>(d), 60);
    }
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(empty.Canvas().Pixel(x, y), core::clWhite);
}

TEST(XPGraphUtil, LayeredFillRows) {
    const TColor start = Rgb(70, 145, 236), end = Rgb(35, 111, 211);
    TBitmap bmp(100, 32);
    FillGradientXP(bmp.Canvas(), {0, 0, 100, 32}, start, end, 60);
    auto& c = bmp.Canvas();
    // Body rows 6..25 run from the end colour down to the start colour.
    for (int y = 6; y < 26; ++y) EXPECT_EQ(c.Pixel(50, y), Band(end, start, y - 6, 20)) << y;
    // Bottom strip rows 26..31 from the start colour to the end colour.
    for (int y = 26; y < 32; ++y) EXPECT_EQ(c.Pixel(50, y), Band(start, end, y - 26, 6)) << y;
    // Top edge rows 1..5 from start to end; the one-row highlight is a rest row of Color2.
    for (int y = 1; y < 6; ++y) EXPECT_EQ(c.Pixel(50, y), Band(start, end, y - 1, 5)) << y;
    ExpectPixels(c, {{50, 0, start}, {0, 15, start}, {0, 0, start}}, "highlights");
    // The blended edge: each row runs from column 0's colour to column 7's in the eight-band
    // rule over five columns.
    for (int y : {7, 15, 25, 30}) {
        EXPECT_EQ(c.Pixel(1, y), c.Pixel(0, y)) << y;
        EXPECT_EQ(c.Pixel(5, y), c.Pixel(7, y)) << y;
    }
    // The mitred corner: column i from row i down to row 5 takes the colour below it.
    for (auto [x, y] : {std::pair{3, 6}, {3, 5}, {3, 3}, {5, 3}})
        EXPECT_EQ(c.Pixel(x, y), c.Pixel(3, 7)) << x << "," << y;
    // Nothing outside.
    TBitmap framed(12, 40);
    FillGradientXP(framed.Canvas(), {1, 1, 11, 39}, start, end, 60);
    ExpectPixels(framed.Canvas(), {{0, 0, core::clWhite}, {11, 39, core::clWhite}}, "outside");
    // Fewer than two colours: the body solid end colour, the bottom strip solid start colour.
    TBitmap solid(40, 30);
    FillGradientXP(solid.Canvas(), {0, 0, 40, 30}, start, end, 1);
    ExpectPixels(solid.Canvas(), {{20, 6, end}, {20, 23, end}, {20, 24, start}, {20, 29, start}},
                 "one colour");
}

TEST(XPGraphUtil, TileBitmapRepeatsFromTheCornerAndStaysInside) {
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixelColor(0, 0, QColor(0, 255, 0));
    TBitmap bmp(20, 20);
    TileBitmap(bmp.Canvas(), {2, 2, 10, 7}, tile);
    auto& c = bmp.Canvas();
    for (int y = 2; y < 7; y += 2)
        for (int x = 2; x < 10; x += 3) EXPECT_EQ(c.Pixel(x, y), kMark) << x << "," << y;
    // The partial tile at column 11 and row 8 is clipped away.
    ExpectPixels(c, {{3, 2, core::clWhite}, {11, 2, core::clWhite}, {2, 8, core::clWhite}}, "tile");
    // The clip ends with the call.
    c.Brush.Color = kRed;
    c.FillRect(15, 15, 16, 16);
    TileBitmap(c, {0, 0, 20, 20}, QImage());
    EXPECT_EQ(c.Pixel(15, 15), kRed);
}

TEST(XPGraphUtil, TransparentDrawingKeysOnOneColour) {
    // A 4x4 picture: white with a red 2x2 block at (1, 1) and a blue bottom-left pixel.
    QImage pic(4, 4, QImage::Format_RGB32);
    pic.fill(Qt::white);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) pic.setPixelColor(x, y, Qt::red);
    QImage blueCorner = pic;
    blueCorner.setPixelColor(0, 3, Qt::blue);
    struct Case {
        const char* name;
        const QImage* image;
        TColor key;
        TColor at00, at11, at03;
    };
    const Case cases[] = {
        {"white key", &pic, core::clWhite, kMark, kRed, kMark},
        {"default from white corner", &pic, clDefault, kMark, kRed, kMark},
        {"default from blue corner", &blueCorner, clDefault, core::clWhite, kRed, kMark},
        {"no key copies all", &pic, core::clNone, core::clWhite, kRed, core::clWhite},
        {"red key", &pic, kRed, core::clWhite, kMark, core::clWhite},
    };
    for (const Case& k : cases) {
        TBitmap bmp(6, 6);
        bmp.Image().fill(QColor(0, 255, 0));
        DrawTransparent(bmp.Canvas(), 1, 1, *k.image, k.key);
        ExpectPixels(bmp.Canvas(), {{1, 1, k.at00}, {2, 2, k.at11}, {1, 4, k.at03}, {5, 5, kMark}},
                     k.name);
    }
    // Stretched twice over, nearest pixel: the red block covers 2..5 of an 8x8 picture.
    TBitmap big(8, 8);
    big.Image().fill(QColor(0, 255, 0));
    StretchDrawTransparent(big.Canvas(), pic, core::clWhite, 0, 0, 8, 8, 0, 0, 0, 0);
    ExpectPixels(big.Canvas(), {{1, 1, kMark}, {2, 2, kRed}, {5, 5, kRed}, {6, 6, kMark}},
                 "stretched");
    // Part of the picture through a source rectangle; an empty picture then draws nothing.
    TBitmap part(4, 4);
    DrawTransparentRect(part.Canvas(), 0, 0, {1, 1, 3, 2}, pic, core::clNone);
    DrawTransparent(part.Canvas(), 0, 0, QImage(), clDefault);
    ExpectPixels(part.Canvas(), {{0, 0, kRed}, {1, 0, kRed}, {0, 1, core::clWhite}}, "part");
}

TEST(XPGraphUtil, GrayscaleAveragesTheChannels) {
    TBitmap bmp(2, 1);
    bmp.Canvas().SetPixel(0, 0, Rgb(10, 20, 31));
    GrayscaleBitmap(bmp);
    ExpectPixels(bmp.Canvas(), {{0, 0, Rgb(20, 20, 20)}, {1, 0, core::clWhite}}, "grey");
}
