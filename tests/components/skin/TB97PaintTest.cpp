#include "components/skin/TB97Ctls.h"
#include "tests/components/skin/SkinTestEvents.h"
#include "tests/support/SkinTestPixels.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

using namespace skin_test;

namespace {

const TColor bg = Rgb(10, 20, 30), red = core::clRed, blue = core::clBlue;

// 8 x 8 images side by side, each a square of its colour in a white (clear) ring.
QImage Strip(std::initializer_list<TColor> colors) {
    QImage strip(8 * int(colors.size()), 8, QImage::Format_RGB32);
    strip.fill(Qt::white);
    int i = 0;
    for (TColor c : colors) QPainter(&strip).fillRect(8 * i++ + 1, 1, 6, 6, platform::ToQColor(c));
    return strip;
}

// A flat button on a known background, hot whatever window is active.
void Prepare(TToolbarButton97& b, int w = 41, int h = 17) {
    b.resize(w, h);
    b.SetColor(bg);
    b.SetShowBorderWhenInactive(true);
}

} // namespace

TEST(TToolbarButton97, LookOptions) {
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    const TColor face = Sys(core::clBtnFace), behind = Rgb(200, 0, 0);
    auto latch = [](TToolbarButton97& b) { b.SetGroupIndex(1), b.SetDown(true); };
    struct Case {
        const char* look;
        std::function<void(TToolbarButton97&)> set;
        std::vector<Pixel> pixels;
    };
    const std::vector<Case> cases = {
        {"flat cold", [](auto&) {}, {{0, 0, bg}, {40, 16, bg}, {20, 1, bg}}},
        {"flat hot", [](auto& b) { Enter(b); }, {{0, 0, hi}, {40, 16, sh}, {1, 1, bg}}},
        {"no border hot", [](auto& b) { b.SetNoBorder(true), Enter(b); }, {{0, 0, bg}}},
        {"raised",
         [](auto& b) { b.SetFlat(false); },
         {{0, 0, Sys(core::cl3DLight)},
          {1, 1, hi},
          {40, 16, Sys(core::cl3DDkShadow)},
          {39, 15, sh},
          {2, 2, face}}},
        {"see-through", [](auto& b) { b.SetOpaque(false); }, {{0, 0, behind}, {20, 1, behind}}},
        {"latched", latch, {{0, 0, sh}, {40, 16, hi}, {1, 1, hi}, {2, 1, face}, {38, 15, face}}},
        {"latched hot", [&](auto& b) { latch(b), Enter(b); }, {{0, 0, sh}, {1, 1, bg}, {2, 1, bg}}},
        {"latched plain",
         [&](auto& b) { latch(b), b.SetHighlightWhenDown(false); },
         {{1, 1, bg}, {2, 1, bg}}},
    };
    for (const Case& k : cases) {
        TToolbarButton97 b;
        Prepare(b);
        k.set(b);
        QImage image(b.size(), QImage::Format_RGB32);
        image.fill(platform::ToQColor(behind));
        platform::TCanvas canvas(&image);
        b.PaintTo(canvas);
        ExpectPixels(image, k.pixels, k.look);
    }
}

TEST(TToolbarButton97, WordWrapBreaksTheCaptionIntoLines) {
    TToolbarButton97 b;
    Prepare(b, 40, 60);
    b.SetCaption("one two three four");
    auto inkRows = [&] {
        const QImage image = Render(b);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(image, x, y) != bg) {
                    ++rows;
                    break;
                }
        return rows;
    };
    const int oneLine = inkRows();
    b.SetWordWrap(true);
    EXPECT_GT(inkRows(), 2 * oneLine);
}

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
        {"caption only", blGlyphLeft, -1, 4, 0, {0, 0}, {20, 20}, {20, 14}},
        {"caption and arrow", blGlyphLeft, -1, 4, 9, {0, 0}, {16, 20}, {16, 14}},
    };
    for (const Case& k : cases) {
        const ButtonLayoutOut out =
            CalcButtonLayout({{60, 40}, k.glyph, {20, 13}, k.arrow, k.layout, k.margin, k.spacing});
        EXPECT_EQ(std::tuple(out.glyph, out.text, out.arrowX),
                  std::tuple(k.glyphAt, k.textAt, k.textAt.x() + 20))
            << k.name;
    }
}

// With a margin of 3 the glyph's place on a 60 x 40 button does not hang on the caption.
TEST(TToolbarButton97, GlyphInEachLayout) {
    const std::pair<TButtonLayout, QPoint> cases[] = {{blGlyphLeft, {4, 16}},
                                                      {blGlyphRight, {48, 16}},
                                                      {blGlyphTop, {26, 4}},
                                                      {blGlyphBottom, {26, 28}}};
    for (const auto& [layout, at] : cases) {
        TToolbarButton97 b;
        Prepare(b, 60, 40);
        b.SetCaption("Go"), b.SetMargin(3), b.SetGlyph(Strip({red})), b.SetLayout(layout);
        const int x = at.x(), y = at.y();
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
        Prepare(b, 60, 40);
        b.SetMargin(3), b.SetGlyph(k.glyph), b.SetOldDisabledStyle(k.oldStyle), b.SetEnabled(false);
        ExpectPixels(Render(b), k.pixels, k.look);
    }
}

TEST(TToolbarButton97, GlyphStatesMaskAndImages) {
    TToolbarButton97 b;
    Prepare(b, 60, 40);
    b.SetMargin(3);
    b.SetGlyph(Strip({red, blue, core::clLime}));
    EXPECT_EQ(b.NumGlyphs(), 3);
    Enter(b);
    EXPECT_EQ(At(Render(b), 5, 17), red) << "no hot image: the up one";
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.NumGlyphs(), 1);
    b.SetNumGlyphs(9);
    EXPECT_EQ(b.NumGlyphs(), 5);
    b.SetMargin(-5);
    EXPECT_EQ(b.Margin(), 3);

    b.SetGlyph(Strip({red}));
    QImage mask(8, 8, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter(&mask).fillRect(0, 0, 4, 8, Qt::white);
    b.SetGlyphMask(mask);
    ExpectPixels(Render(b), {{5, 17, bg}, {8, 17, red}, {4, 16, bg}}, "white in the mask is clear");
    b.SetGlyphMask({});

    auto list = std::make_unique<platform::TImageList>(8, 8);
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
    EXPECT_EQ(At(Render(b), 5, 17), red) << "the list gone, the glyph again";
}

TEST(GlyphCache, OneListPerSizeWhileUsedAndItsErrors) {
    auto cache = std::make_shared<TGlyphCache>();
    {
        TButtonGlyph a(cache), b(cache);
        a.SetGlyph(Strip({red})), b.SetGlyph(Strip({blue}));
        a.StateImage(bsUp), b.StateImage(bsUp);
        EXPECT_EQ(std::tuple(cache->ListCount(), cache->GetList(8, 8)->Count()), std::tuple(1, 2));
        a.StateImage(bsDisabled); // a pixel larger: a list of its own
        a.Invalidate();
        a.StateImage(bsUp); // made again in its old place
        EXPECT_EQ(std::tuple(cache->ListCount(), cache->GetList(8, 8)->Count()), std::tuple(2, 2));
    }
    EXPECT_EQ(cache->ListCount(), 0);
    auto error = [](auto f) {
        try {
            f();
        } catch (const EInvalidOperation& e) {
            return std::string(e.what());
        }
        return std::string("none");
    };
    TGlyphList list(8, 8);
    EXPECT_EQ(error([&] { list.Add(QImage(9, 8, QImage::Format_RGB32)); }), "Invalid image size");
    EXPECT_EQ(error([&] { list.Replace(0, Strip({red})); }), "Unable to Replace Image");
}

// The arrow's rows are 5, 3 and 1 pixels wide, centred in its 9-pixel box at x 16.
TEST(TToolbarButton97, DropdownArrowAndComboPart) {
    const TColor text = Sys(core::clWindowText);
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    TToolbarButton97 b;
    Prepare(b);
    b.SetCaption("");
    EXPECT_EQ(At(Render(b), 20, 7), bg) << "no drop-down, no arrow";
    b.SetDropdownAlways(true);
    ExpectPixels(Render(b),
                 {{18, 7, text},
                  {22, 7, text},
                  {17, 7, bg},
                  {23, 7, bg},
                  {19, 8, text},
                  {18, 8, bg},
                  {20, 9, text},
                  {19, 9, bg},
                  {20, 10, bg}},
                 "arrow");
    b.SetEnabled(false);
    ExpectPixels(Render(b), {{18, 7, sh}, {20, 9, sh}, {23, 8, hi}, {21, 9, hi}, {21, 10, hi}},
                 "disabled arrow");
    b.SetEnabled(true);
    b.SetDropdownCombo(true);
    EXPECT_EQ(b.width(), 52);
    ExpectPixels(Render(b), {{44, 7, text}, {48, 7, text}, {46, 9, text}, {20, 7, bg}, {41, 0, bg}},
                 "cold combo");
    Enter(b);
    ExpectPixels(Render(b), {{0, 0, hi}, {40, 16, sh}, {41, 0, hi}, {51, 16, sh}}, "hot combo");
    b.SetDropdownArrowWidth(3);
    EXPECT_EQ(std::tuple(b.DropdownArrowWidth(), b.width()), std::tuple(7, 50));
    b.SetDropdownCombo(false);
    EXPECT_EQ(b.width(), 41);
}

// A picture with alpha is drawn by its alpha, a bitmap keyed on its bottom-left pixel, from an
// image list or as the glyph; so are their disabled forms.
TEST(TToolbarButton97, GlyphsWithAlphaKeepTheirPixels) {
    auto count = [](const QImage& image, TColor color) {
        const auto* p = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count(p, p + image.width() * image.height(), platform::ToQColor(color).rgba());
    };
    for (const bool alpha : {true, false})
        for (const bool fromList : {true, false}) {
            // A black ring on a transparent ground (an icon) or on white (a bitmap).
            QImage ring(16, 16, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            ring.fill(alpha ? Qt::transparent : Qt::white);
            QPainter(&ring).drawEllipse(2, 2, 11, 11);
            const auto inked = count(ring, core::clBlack);
            platform::TImageList list(16, 16);
            list.Add(ring);
            TToolbarButton97 b;
            Prepare(b, 40, 30);
            fromList ? (b.SetImages(&list), b.SetImageIndex(0)) : b.SetGlyph(ring);
            EXPECT_EQ(count(Render(b), core::clBlack), inked) << alpha << fromList;
            b.SetEnabled(false);
            EXPECT_EQ(count(Render(b), Sys(core::clBtnShadow)), inked) << alpha << fromList;
            b.SetOldDisabledStyle(true);
            EXPECT_EQ(count(Render(b), core::clBlack), inked) << alpha << fromList;
        }
}

// Alignment places the short second line of a wrapped caption at the left, in the middle or at
// the right of the first.
TEST(TToolbarButton97, AlignmentPlacesTheLinesOfAWrappedCaption) {
    int before = -1;
    for (const TAlignment a : {taLeftJustify, taCenter, taRightJustify}) {
        TToolbarButton97 b;
        Prepare(b, 40, 50);
        b.SetCaption("WWWW ii");
        b.SetWordWrap(true);
        b.SetAlignment(a);
        const QImage image = Render(b);
        int lastRow = 0, left = 1;
        for (int y = 1; y < 49; ++y)
            for (int x = 1; x < 39; ++x)
                if (At(image, x, y) != bg) lastRow = y;
        while (left < 39 && At(image, left, lastRow) == bg) ++left;
        EXPECT_GT(left, before) << a;
        before = left;
    }
}

// A half-transparent picture gives half-transparent disabled forms: the embossed shadow and the
// older grey lie over the background as opaque as the picture's pixels, the highlight too.
TEST(TToolbarButton97, DisabledFormsOfAHalfTransparentGlyph) {
    auto near = [](TColor got, TColor top, int a) { // top over the background by alpha a
        for (int shift : {0, 8, 16}) {
            auto ch = [&](TColor c) { return int((c >> shift) & 0xFF); };
            if (std::abs(ch(got) - (ch(top) * a + ch(bg) * (255 - a) + 127) / 255) > 2)
                return false;
        }
        return true;
    };
    for (const int a : {64, 200}) {
        QImage glyph(8, 8, QImage::Format_ARGB32);
        glyph.fill(QColor(0, 0, 0, a));
        TToolbarButton97 b;
        Prepare(b, 60, 40);
        b.SetMargin(3), b.SetGlyph(glyph), b.SetEnabled(false);
        const QImage embossed = Render(b);
        EXPECT_PRED3(near, At(embossed, 5, 17), Sys(core::clBtnShadow), a);
        EXPECT_PRED3(near, At(embossed, 12, 24), Sys(core::clBtnHighlight), a);
        b.SetOldDisabledStyle(true);
        EXPECT_PRED3(near, At(Render(b), 5, 17), core::clBlack, a);
    }
}
