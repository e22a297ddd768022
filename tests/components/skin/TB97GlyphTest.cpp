#include "components/skin/TB97Ctls.h"
#include "tests/support/SkinTestPixels.h"

#include <QApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

using namespace skin_test;

namespace {

TColor Sys(TColor c) {
    return platform::FromQColor(platform::ToQColor(c));
}

const TColor bg = Rgb(10, 20, 30), red = core::clRed, blue = core::clBlue;

// count 8 x 8 images side by side, each a square of its colour inside a white (clear) ring.
QImage Strip(std::initializer_list<TColor> colors) {
    QImage strip(8 * int(colors.size()), 8, QImage::Format_RGB32);
    strip.fill(Qt::white);
    int i = 0;
    for (TColor c : colors) {
        for (int y = 1; y < 7; ++y)
            for (int x = 1; x < 7; ++x) strip.setPixelColor(8 * i + x, y, platform::ToQColor(c));
        ++i;
    }
    return strip;
}

// A 60 x 40 flat button whose glyph sits 3 pixels from the content's edge: the glyph's place
// does not hang on the caption's size.
void Prepare(TToolbarButton97& b) {
    b.resize(60, 40);
    b.SetColor(bg);
    b.SetMargin(3);
}

} // namespace

TEST(ButtonLayout, PlacesGlyphCaptionAndArrow) {
    struct Case {
        const char* name;
        TButtonLayout layout;
        int margin, spacing, arrow;
        QSize glyph;
        QPoint glyphAt, textAt;
    };
    const QSize g(16, 16);
    const Case cases[] = {
        {"left", blGlyphLeft, -1, 4, 0, g, {10, 12}, {30, 14}},
        {"right", blGlyphRight, -1, 4, 0, g, {34, 12}, {10, 14}},
        {"top", blGlyphTop, -1, 4, 0, g, {22, 4}, {20, 24}},
        {"bottom", blGlyphBottom, -1, 4, 0, g, {22, 20}, {20, 3}},
        {"thirds", blGlyphLeft, -1, -1, 0, g, {8, 12}, {32, 14}},
        {"spread spacing", blGlyphLeft, 2, -1, 0, g, {2, 12}, {29, 14}},
        {"caption only", blGlyphLeft, -1, 4, 0, {}, {20, 20}, {20, 14}},
        {"caption and arrow", blGlyphLeft, -1, 4, 9, {}, {16, 20}, {16, 14}},
    };
    for (const Case& k : cases) {
        const ButtonLayoutOut out =
            CalcButtonLayout({{60, 40}, k.glyph, {20, 13}, k.arrow, k.layout, k.margin, k.spacing});
        EXPECT_EQ(out.glyph, k.glyphAt) << k.name;
        EXPECT_EQ(out.text, k.textAt) << k.name;
        EXPECT_EQ(out.arrowX, k.textAt.x() + 20) << k.name;
    }
}

TEST(TToolbarButton97, GlyphInEachLayout) {
    struct Case {
        TButtonLayout layout;
        QPoint corner; // the glyph's top-left pixel, clear
    };
    const Case cases[] = {{blGlyphLeft, {4, 16}},
                          {blGlyphRight, {48, 16}},
                          {blGlyphTop, {26, 4}},
                          {blGlyphBottom, {26, 28}}};
    for (const Case& k : cases) {
        TToolbarButton97 b;
        Prepare(b);
        b.SetCaption("Go");
        b.SetGlyph(Strip({red}));
        b.SetLayout(k.layout);
        const int x = k.corner.x(), y = k.corner.y();
        ExpectPixels(Render(b),
                     {{x, y, bg}, {x + 1, y + 1, red}, {x + 6, y + 6, red}, {x + 7, y + 7, bg}},
                     "glyph");
    }
}

TEST(TToolbarButton97, DisabledGlyphLooks) {
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    struct Case {
        const char* look;
        QImage glyph;
        bool oldStyle;
        std::vector<Pixel> pixels;
    };
    const Case cases[] = {
        {"embossed",
         Strip({red}),
         false,
         {{4, 16, bg}, {5, 17, sh}, {10, 22, sh}, {11, 23, hi}, {11, 18, hi}}},
        {"grey", Strip({red}), true, {{4, 16, bg}, {5, 17, Rgb(85, 85, 85)}, {11, 23, bg}}},
        {"its own image", Strip({red, blue}), false, {{5, 17, blue}, {11, 23, bg}}},
    };
    for (const Case& k : cases) {
        TToolbarButton97 b;
        Prepare(b);
        b.SetGlyph(k.glyph);
        b.SetOldDisabledStyle(k.oldStyle);
        b.SetEnabled(false);
        ExpectPixels(Render(b), k.pixels, k.look);
    }
}

TEST(TToolbarButton97, GlyphStatesMaskAndImages) {
    TToolbarButton97 b;
    Prepare(b);
    b.SetGlyph(Strip({red, blue, core::clLime}));
    EXPECT_EQ(b.NumGlyphs(), 3);
    b.SetShowBorderWhenInactive(true);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&b, &enter);
    EXPECT_EQ(At(Render(b), 5, 17), red) << "no hot image: the up one";
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetNumGlyphs(9);
    EXPECT_EQ(b.NumGlyphs(), 5);
    b.SetMargin(-5);
    EXPECT_EQ(b.Margin(), 3);

    // The mask's white clears the glyph's left half.
    b.SetNumGlyphs(1);
    b.SetGlyph(Strip({red}));
    QImage mask(8, 8, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x) mask.setPixelColor(x, y, Qt::white);
    b.SetGlyphMask(mask);
    ExpectPixels(Render(b), {{5, 17, bg}, {8, 17, red}, {4, 16, bg}}, "masked");
    b.SetGlyphMask({});

    auto list = std::make_unique<TImageList>(8, 8);
    list->Add(Strip({blue}));
    b.SetImages(list.get());
    EXPECT_EQ(At(Render(b), 5, 17), bg) << "no image at ImageIndex -1";
    b.SetImageIndex(0);
    EXPECT_EQ(At(Render(b), 5, 17), blue);
    b.SetDisplayMode(dmTextOnly);
    EXPECT_EQ(At(Render(b), 5, 17), bg);
    b.SetDisplayMode(dmBoth);
    list->Replace(0, Strip({core::clLime}));
    EXPECT_EQ(At(Render(b), 5, 17), core::clLime);
    list.reset();
    EXPECT_EQ(b.Images(), nullptr);
    EXPECT_EQ(At(Render(b), 5, 17), red);
}

TEST(GlyphCache, OneListPerSizeWhileUsedAndItsErrors) {
    auto cache = std::make_shared<TGlyphCache>();
    {
        TButtonGlyph a(cache), b(cache);
        a.SetGlyph(Strip({red}));
        b.SetGlyph(Strip({blue}));
        a.StateImage(bsUp);
        b.StateImage(bsUp);
        EXPECT_EQ(cache->ListCount(), 1);
        EXPECT_EQ(cache->GetList(8, 8)->Count(), 2);
        a.StateImage(bsDisabled); // a pixel larger: a list of its own
        EXPECT_EQ(cache->ListCount(), 2);
        a.Invalidate();
        a.StateImage(bsUp); // made again in its old place
        EXPECT_EQ(cache->GetList(8, 8)->Count(), 2);
    }
    EXPECT_EQ(cache->ListCount(), 0);

    TGlyphList list(8, 8);
    EXPECT_THROW(
        try { list.Add(QImage(9, 8, QImage::Format_RGB32)); } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "Invalid image size");
            throw;
        },
        EInvalidOperation);
    EXPECT_THROW(
        try { list.Replace(0, Strip({red})); } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "Unable to Replace Image");
            throw;
        },
        EInvalidOperation);
}
