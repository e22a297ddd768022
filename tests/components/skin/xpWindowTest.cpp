#include "components/skin/xpWindow.h"
#include "tests/support/SkinTestPixels.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <tuple>

using namespace skin_test;
using platform::TBitmap;

namespace {

constexpr int W = 400, H = 300;
constexpr TColor kActiveStart = Rgb(70, 145, 236), kActiveEnd = Rgb(35, 111, 211);
constexpr TColor kBorder = Rgb(4, 37, 212);

// A skin without a window, in the blue preset, and a frame of W x H to paint.
struct Blue {
    TxpWindow skin{nullptr, false};
    TFrameInfo frame;
    TBitmap bmp{W, H};
    Blue() {
        skin.Style = xwsXPBlue;
        frame.Width = W;
        frame.Height = H;
    }
    TColor At(int x, int y) { return bmp.Canvas().Pixel(x, y); }
    void GreenIcon() {
        frame.Icon = QImage(4, 4, QImage::Format_RGB32);
        frame.Icon.fill(Qt::green);
    }
    void Paint() { skin.xpCaption.PaintNonClient(bmp.Canvas(), frame); }
};

} // namespace

TEST(xpWindow, PresetsPaintTheirBorderAndCaption) {
    // Active and inactive: the caption's first body row and the border's outer column. The XP
    // presets' sides run c, light, light, c from x = 0, the bottom rows from light to c, and c
    // again under the caption; the zeb preset paints its border from its own pictures. One skin
    // goes through them all, so no preset keeps what the one before it set.
    const struct {
        TxpWindowStyle style;
        TColor caption, border, inactiveCaption, inactiveBorder;
    } cases[] = {
        {xwsZeb, 0xA56133, 0xB5AAA6, 0xA56133, 0xB5AAA6},
        {xwsXPBlue, kActiveEnd, kBorder, 0xE7A480, 0xDEB3A1},
        {xwsXPSilver, 0xBEA3A4, 0x7E8888, 0xE3D7D7, 0xD7C9C9},
        {xwsXPOlive, 0x83B8AA, 0x67A896, 0xBBD7D4, 0xBED8D6},
        {xwsQuv, 0xF3E8E4, 0xB88E72, 0xE8D1C1, 0xCFB4A6},
    };
    Blue b;
    for (const auto& k : cases)
        for (bool active : {true, false}) {
            b.skin.Style = k.style;
            b.skin.xpCaption.FrameActive = active;
            b.Paint();
            const TColor c = active ? k.border : k.inactiveBorder, l = DarkenColor(c, -20);
            const Pixel xpSides[] = {{1, 150, l},     {2, 150, l},     {3, 150, c},
                                     {W - 4, 150, c}, {W - 1, 150, c}, {200, H - 4, l},
                                     {200, H - 1, c}, {200, 31, c}};
            SCOPED_TRACE(k.style);
            const char* look = active ? "active" : "inactive";
            ExpectPixels(b.bmp.Canvas(),
                         {{0, H / 2, c}, {W / 2, 6, active ? k.caption : k.inactiveCaption}}, look);
            if (k.style != xwsQuv && k.style != xwsZeb) ExpectPixels(b.bmp.Canvas(), xpSides, look);
        }
}

TEST(xpWindow, SettersClampAndTurnPresetsCustom) {
    TxpWindow skin(nullptr, false);
    skin.Style = xwsZeb;
    TxpCaption& c = skin.xpCaption;
    c.BtnBorderColor = 0x123456; // keeps the preset and its hooks
    EXPECT_EQ(skin.Style(), xwsZeb);
    EXPECT_TRUE(bool(c.BorderHook));
    c.ButtonSize = 5;
    c.RoundedCornerRadius = 0;
    c.CustomButtonCount = -3;
    c.Height = -4;
    c.BorderSize = -1;
    EXPECT_EQ(std::tuple(c.ButtonSize(), c.RoundedCornerRadius(), c.CustomButtonCount(), c.Height(),
                         c.BorderSize()),
              std::tuple(10, 1, 0, 0, 0));
    EXPECT_EQ(skin.Style(), xwsCustom);
    EXPECT_FALSE(c.BorderHook || c.SysButtonHook);
}

TEST(xpWindow, NonClientMarginsComeFromThePresets) {
    TxpWindow skin(nullptr, false);
    TxpCaption& c = skin.xpCaption;
    skin.Style = xwsXPBlue;
    EXPECT_EQ(c.CalcNonClient({0, 0, W, H}, true, true), (platform::TRect{4, 32, W - 22, H - 22}));
    skin.Style = xwsZeb; // all four corners: the bottom loses half the radius
    EXPECT_EQ(c.CalcNonClient({0, 0, W, H}, false, false), (platform::TRect{4, 28, W - 4, H - 19}));
    c.Visible = false;
    c.ShowBorder = false;
    EXPECT_EQ(c.CalcNonClient({0, 0, W, H}, false, false), (platform::TRect{0, 0, W, H - 15}));
}

TEST(xpWindow, HitTestCodesOnAGrid) {
    TxpWindow skin(nullptr, false);
    skin.Style = xwsXPBlue;
    TxpCaption& c = skin.xpCaption;
    const platform::TRect w{100, 50, 100 + W, 50 + H};
    // The row at T + 4 between the corners is client already.
    const struct {
        int x, y, code;
    } cases[] = {
        {200, 4, HTCLIENT},     {200, 2, HTTOP},           {200, 10, HTCAPTION},
        {W - 20, 15, HTCLOSE},  {W - 40, 15, HTMAXBUTTON}, {W - 60, 15, HTMINBUTTON},
        {W - 9, 15, HTCAPTION}, {10, 10, HTSYSMENU},       {2, 10, HTTOPLEFT},
        {W - 6, 4, HTTOPRIGHT}, {0, 150, HTLEFT},          {W - 1, 150, HTRIGHT},
        {200, H - 2, HTBOTTOM}, {2, H - 2, HTBOTTOMLEFT},  {W - 2, H - 2, HTBOTTOMRIGHT},
        {4, 150, HTCLIENT},     {200, 31, HTCAPTION},      {200, 32, HTCLIENT},
    };
    for (const auto& k : cases)
        EXPECT_EQ(c.HitTestCode({w.Left + k.x, w.Top + k.y}, w, biAll), k.code)
            << k.x << "," << k.y;
    // Without rounded corners the corner zones are 5 pixels.
    c.RoundedCorners = 0;
    EXPECT_EQ(c.HitTestCode({w.Left + W - 6, w.Top + 2}, w, biAll), HTTOP);
    EXPECT_EQ(c.HitTestCode({w.Left + W - 5, w.Top + 2}, w, biAll), HTTOPRIGHT);
    // Without the system menu there are no built-in buttons; custom ones take the first square.
    c.CustomButtonCount = 2;
    const platform::TRect caption{0, 0, W, 32};
    EXPECT_EQ(c.HitButton({W - 20, 15}, caption, 0), btnFirstCustom);
    EXPECT_EQ(c.HitButton({W - 40, 15}, caption, 0), btnFirstCustom + 1);
    EXPECT_EQ(c.HitButton({W - 20, 15}, caption, biAll), btnClose);
    EXPECT_EQ(c.HitButton({W - 80, 15}, caption, biAll), btnFirstCustom);
}

TEST(xpWindow, RoundedRegionCutsTheCorners) {
    const QRegion top = RoundedWindowRegion(rcTopLeft | rcTopRight, 14, W, H);
    for (QPoint out : {QPoint(1, 1), QPoint(W - 1, 0), QPoint(W - 2, 1)})
        EXPECT_FALSE(top.contains(out)) << out.x() << "," << out.y();
    for (QPoint in :
         {QPoint(0, 7), QPoint(3, 3), QPoint(W - 8, 0), QPoint(W - 1, 7), QPoint(W - 1, H - 1)})
        EXPECT_TRUE(top.contains(in)) << in.x() << "," << in.y();
    const QRegion all = RoundedWindowRegion(15, 30, W, H);
    EXPECT_FALSE(all.contains(QPoint(0, H - 1)) || all.contains(QPoint(W - 1, H - 1)));
    EXPECT_TRUE(all.contains(QPoint(200, H - 1)) && all.contains(QPoint(0, 150)));
}

TEST(xpWindow, CaptionButtonsUpHotAndPressedAndTheIcon) {
    Blue b;
    b.GreenIcon();
    b.Paint();
    // Close, maximise and minimise squares of 18 at (W-28, 7), (W-48, 7), (W-68, 7): the
    // white outline, then the face from its start colour under the top to its end colour.
    const TColor w = core::clWhite;
    for (auto [l, top, bottom] : {std::tuple{W - 28, Rgb(255, 0, 0), Rgb(128, 0, 128)},
                                  {W - 48, kActiveStart, kActiveEnd},
                                  {W - 68, kActiveStart, kActiveEnd}}) {
        const Pixel button[] = {
            {l + 9, 7, w}, {l, 15, w}, {l + 17, 15, w}, {l + 2, 8, top}, {l + 2, 23, bottom},
        };
        ExpectPixels(b.bmp.Canvas(), button, "button");
        EXPECT_NE(b.At(l - 1, 15), w) << l;
    }
    // Glyphs: the cross of close, the top bar of maximise, the minimise bar; the icon at
    // (7, 6), 20 pixels square.
    const Pixel glyphs[] = {
        {W - 28 + 8, 7 + 8, w}, {W - 48 + 8, 7 + 6, w}, {W - 68 + 7, 7 + 18 - 6, w},
        {7, 6, core::clLime},   {26, 25, core::clLime},
    };
    ExpectPixels(b.bmp.Canvas(), glyphs, "glyphs");
    EXPECT_NE(b.At(27, 25), core::clLime);
    EXPECT_NE(b.At(6, 6), core::clLime);

    TxpCaption& c = b.skin.xpCaption;
    const platform::TRect caption{0, 0, W, 32};
    c.PaintButton(b.bmp.Canvas(), btnMaximize, tbsHot, caption, b.frame);
    EXPECT_EQ(b.At(W - 46, 8), DarkenColor(kActiveStart, -30));
    EXPECT_EQ(b.At(W - 46, 23), DarkenColor(kActiveEnd, -30));
    c.PaintButton(b.bmp.Canvas(), btnMaximize, tbsDown, caption, b.frame);
    EXPECT_EQ(b.At(W - 46, 8), kActiveEnd);
    EXPECT_EQ(b.At(W - 46, 23), kActiveStart);
    // Pressed and painted alone: the glyph one pixel right and down.
    EXPECT_EQ(b.At(W - 48 + 5, 7 + 6), w);
    EXPECT_NE(b.At(W - 48 + 4, 7 + 5), w);
}

TEST(xpWindow, EventsTakeOverBorderAndTitle) {
    Blue b;
    bool borderCalled = false;
    b.skin.OnCustomBorderDraw = [&](void*, platform::TCanvas&, platform::TRect, bool, bool& goOn) {
        borderCalled = true;
        goOn = true; // ignored: the built-in border is never drawn
    };
    b.skin.OnCustomDrawTitle = [](void*, platform::TCanvas&, platform::TRect, bool, bool& goOn) {
        goOn = false;
    };
    b.GreenIcon();
    b.Paint();
    EXPECT_TRUE(borderCalled);
    EXPECT_NE(b.At(0, 150), kBorder);
    EXPECT_NE(b.At(10, 10), core::clLime);         // no icon
    EXPECT_EQ(b.At(W - 28 + 9, 7), core::clWhite); // the buttons still
}

TEST(xpWindow, BackgroundRowsAndPlainStyles) {
    TxpWindow skin(nullptr, false);
    TBitmap bmp(50, 100);
    skin.WinBackground.PaintBackground(bmp.Canvas(), {0, 0, 50, 100}, core::clBtnFace);
    const TColor start = 0xF4DFD2, end = 0xF9EFE9;
    const Pixel rows[] = {
        {10, 0, start},  {10, 25, Band(start, end, 25, 50)}, {10, 49, end}, {10, 50, end},
        {10, 99, start},
    };
    ExpectPixels(bmp.Canvas(), rows, "gradient");
    for (TwgbStyle style : {wbgNone, wbgTiled, wbgStretched}) {
        skin.WinBackground.Style = style;
        skin.WinBackground.PaintBackground(bmp.Canvas(), {0, 0, 50, 100}, 0x00FF00);
        EXPECT_EQ(bmp.Canvas().Pixel(10, 50), 0x00FF00u) << style;
    }
}

TEST(xpWindow, SizeLimitsFollowTheSystemUntilSet) {
    TxpWindow skin(nullptr, false);
    TWindowSizeInfo& s = skin.SizeInfo;
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(QSize(s.MaxSizeWidth, s.MaxSizeHeight), work.size());
    s.MaxSizeWidth = s.MaxSizeWidth(); // the same value keeps the system's settings
    EXPECT_TRUE(s.UseSystemSettings);
    s.MinTrackWidth = 500;
    s.MaxTrackWidth = 300;
    EXPECT_FALSE(s.UseSystemSettings);
    EXPECT_EQ(s.MaxTrack().width(), 500);
    s.UseSystemSettings = true;
    EXPECT_EQ(s.MinTrackWidth(), 112);
}

// Steps in order: left (both ways), right, top, bottom (pulled back from beyond).
TEST(xpWindow, SnapsToTheWorkAreaEdges) {
    TStickWindow stick;
    constexpr unsigned all = dbLeft | dbRight | dbTop | dbBottom, tb = dbTop | dbBottom;
    const int cases[][7] = {
        // x, y, width, height, borders, snapped x, y
        {15, 100, 200, 100, all, 0, 100},    {-15, 100, 200, 100, all, 0, 100},
        {-25, 100, 200, 100, all, -25, 100}, {790, 100, 200, 100, all, 800, 100},
        {830, 100, 200, 100, all, 800, 100}, {300, 15, 200, 100, all, 300, 0},
        {300, -30, 200, 100, all, 300, 0},   {300, 585, 200, 100, all, 300, 600},
        {300, 650, 200, 100, all, 300, 600}, {10, 100, 1100, 100, all, -100, 100},
        {10, 10, 200, 800, tb, 10, -100},    {830, -30, 200, 100, dbLeft, 830, -30},
    };
    for (const auto& c : cases) {
        stick.DockBorders = c[4];
        EXPECT_EQ(stick.Snap({c[0], c[1], c[2], c[3]}, {0, 0, 1000, 700}).topLeft(),
                  QPoint(c[5], c[6]))
            << c[0] << "," << c[1];
    }
}

// A title longer than the caption ends 2 pixels before the first caption button: from there on
// the caption looks as it does without a title.
TEST(xpWindow, LongTitleStopsBeforeTheCaptionButtons) {
    Blue titled, plain;
    titled.frame.Caption = std::string(80, 'W');
    titled.Paint();
    plain.Paint();
    const int firstButton = W - 68;
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = firstButton - 2; x < W; ++x)
            ASSERT_EQ(titled.At(x, y), plain.At(x, y)) << x << "," << y;
        for (int x = 30; x < firstButton - 2; ++x) differing += titled.At(x, y) != plain.At(x, y);
    }
    EXPECT_GT(differing, 100); // the title is there up to that point
}

// The caption image after the icon, left of the title (which moves right by its width + 10), or
// left of the caption buttons; the title's shadow is 30 lighter than the caption under its start.
TEST(xpWindow, CaptionImageLeftOrRightAndTheLightenedTitleShadow) {
    const TColor fill = Rgb(60, 60, 60), lime = core::clLime; // the close button has red
    Blue b;
    TxpCaption& c = b.skin.xpCaption;
    c.GradientFill = false, c.ActiveStartColor = fill, c.ImageTransparent = false;
    b.frame.Caption = "IW";
    // The first and last columns a colour takes in the caption; -1 when it is not there.
    auto columns = [&](TColor color) {
        b.Paint();
        std::pair<int, int> at{-1, -1};
        for (int x = 0; x < W; ++x)
            for (int y = 0; y < c.Height + c.B(); ++y)
                if (b.At(x, y) == color) at = {at.first < 0 ? x : at.first, x};
        return at;
    };
    const TColor shadow = DarkenColor(fill, -30);
    const int plain = columns(shadow).first;
    ASSERT_GT(plain, 0) << "a shadow 30 lighter than the caption";
    QImage picture(6, 6, QImage::Format_RGB32);
    picture.fill(platform::ToQColor(lime));
    c.Image = picture;
    for (const auto& [align, left, shift] : {std::tuple(iaLeft, 29, 16), {iaRight, 322, 0}}) {
        c.ImageAlign = align;
        EXPECT_EQ(columns(lime), std::pair(left, left + 5)) << align;
        EXPECT_EQ(columns(shadow).first, plain + shift) << align;
    }
}
