#include "components/skin/xpWindow.h"

#include <gtest/gtest.h>

using core::TColor;
using platform::TBitmap;

namespace {

TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

TColor Band(TColor from, TColor to, int i, int n) {
    auto ch = [&](int shift) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return a + MulDiv(i, b - a, n - 1);
    };
    return Rgb(ch(0), ch(8), ch(16));
}

constexpr int W = 400, H = 300;
const TColor kActiveStart = Rgb(70, 145, 236), kActiveEnd = Rgb(35, 111, 211);
const TColor kBorder = Rgb(4, 37, 212);

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
    void Paint() { skin.xpCaption.PaintNonClient(bmp.Canvas(), frame); }
};

} // namespace

TEST(xpWindow, PresetsSetTheirValues) {
    struct Case {
        TxpWindowStyle style;
        TColor activeStart, inactiveEnd, border, btnBorder, fontColor;
        int borderSize, buttonSize, height, radius, fontSize;
        TRoundedCorners corners;
        TFillDirection fill;
    };
    const Case cases[] = {
        {xwsXPBlue, 0xEC9146, 0xE7A480, 0xD42504, 0xFFFFFF, 0xFFFFFF, 4, 18, 28, 14, 10,
         rcTopLeft | rcTopRight, fdXP},
        {xwsXPSilver, 0xFFFFFF, 0xE3D7D7, 0x7E8888, 0x7E8888, 0x000000, 4, 18, 28, 14, 10,
         rcTopLeft | rcTopRight, fdXP},
        {xwsXPOlive, 0x95CDC2, 0xBBD7D4, 0x67A896, 0x67A896, 0xFFFFFF, 4, 18, 28, 14, 10,
         rcTopLeft | rcTopRight, fdXP},
        {xwsQuv, 0xECD7CF, 0xFDFFFF, 0xB88E72, 0xC0C0C0, 0x6B331F, 2, 18, 28, 14, 10, 0,
         fdVerticalFromCenter},
        {xwsZeb, 0x8E4B1F, 0xBF7A4B, 0xE7DCD8, 0xC0C0C0, 0xFFFFFF, 4, 15, 24, 30, 8,
         rcTopLeft | rcTopRight | rcBottomLeft | rcBottomRight, fdVerticalFromCenter},
    };
    for (const Case& k : cases) {
        TxpWindow skin(nullptr, false);
        skin.Style = k.style;
        const TxpCaption& c = skin.xpCaption;
        EXPECT_EQ(skin.Style(), k.style);
        EXPECT_TRUE(c.Active && c.GradientFill && c.ShowBorder && c.Visible && c.DisplayAppIcon);
        EXPECT_EQ(c.ActiveStartColor(), k.activeStart) << k.style;
        EXPECT_EQ(c.InActiveEndColor(), k.inactiveEnd) << k.style;
        EXPECT_EQ(c.BorderColor(), k.border) << k.style;
        EXPECT_EQ(c.BtnBorderColor(), k.btnBorder) << k.style;
        EXPECT_EQ(c.Font().Color, k.fontColor) << k.style;
        EXPECT_EQ(c.Font().Size, k.fontSize) << k.style;
        EXPECT_TRUE(c.Font().Bold);
        EXPECT_EQ(c.BorderSize(), k.borderSize) << k.style;
        EXPECT_EQ(c.ButtonSize(), k.buttonSize) << k.style;
        EXPECT_EQ(c.Height(), k.height) << k.style;
        EXPECT_EQ(c.RoundedCornerRadius(), k.radius) << k.style;
        EXPECT_EQ(c.RoundedCorners(), k.corners) << k.style;
        EXPECT_EQ(c.FillDirection(), k.fill) << k.style;
        EXPECT_EQ(bool(c.BorderHook), k.style == xwsZeb) << k.style;
        EXPECT_EQ(bool(c.SysButtonHook), k.style == xwsZeb) << k.style;
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
    EXPECT_EQ(c.ButtonSize(), 10);
    EXPECT_EQ(c.RoundedCornerRadius(), 1);
    EXPECT_EQ(c.CustomButtonCount(), 0);
    EXPECT_EQ(c.Height(), 0);
    EXPECT_EQ(c.BorderSize(), 0);
    EXPECT_EQ(skin.Style(), xwsCustom);
    EXPECT_FALSE(bool(c.BorderHook));
    EXPECT_FALSE(bool(c.SysButtonHook));
    // From one preset to another: the new preset's values, the old hooks gone.
    skin.Style = xwsZeb;
    skin.Style = xwsXPBlue;
    EXPECT_EQ(skin.Style(), xwsXPBlue);
    EXPECT_FALSE(bool(c.BorderHook));
    EXPECT_EQ(c.ButtonSize(), 18);
}

TEST(xpWindow, NonClientMarginsComeFromThePresets) {
    TxpWindow skin(nullptr, false);
    skin.Style = xwsXPBlue;
    EXPECT_EQ(skin.xpCaption.CalcNonClient({0, 0, W, H}, false, false),
              (platform::TRect{4, 32, W - 4, H - 4}));
    EXPECT_EQ(skin.xpCaption.CalcNonClient({0, 0, W, H}, true, true),
              (platform::TRect{4, 32, W - 22, H - 22}));
    skin.Style = xwsZeb; // all four corners: the bottom loses half the radius
    EXPECT_EQ(skin.xpCaption.CalcNonClient({0, 0, W, H}, false, false),
              (platform::TRect{4, 28, W - 4, H - 19}));
    skin.xpCaption.Visible = false;
    skin.xpCaption.ShowBorder = false;
    EXPECT_EQ(skin.xpCaption.CalcNonClient({0, 0, W, H}, false, false),
              (platform::TRect{0, 0, W, H - 15}));
}

TEST(xpWindow, HitTestCodesOnAGrid) {
    TxpWindow skin(nullptr, false);
    skin.Style = xwsXPBlue;
    const platform::TRect w{100, 50, 100 + W, 50 + H};
    struct Case {
        int x, y, code;
    };
    const Case cases[] = {
        {200, 4, HTCLIENT}, // the row at T + 4 between the corners
        {200, 2, HTTOP},           {200, 10, HTCAPTION},
        {W - 20, 15, HTCLOSE},     {W - 40, 15, HTMAXBUTTON},
        {W - 60, 15, HTMINBUTTON}, {W - 9, 15, HTCAPTION},
        {10, 10, HTSYSMENU},       {2, 10, HTTOPLEFT},
        {2, 2, HTTOPLEFT},         {W - 2, 2, HTTOPRIGHT},
        {W - 6, 4, HTTOPRIGHT},    {0, 150, HTLEFT},
        {W - 1, 150, HTRIGHT},     {200, H - 2, HTBOTTOM},
        {2, H - 2, HTBOTTOMLEFT},  {W - 2, H - 2, HTBOTTOMRIGHT},
        {200, 150, HTCLIENT},      {4, 150, HTCLIENT},
        {200, 31, HTCAPTION},      {200, 32, HTCLIENT},
    };
    for (const Case& k : cases)
        EXPECT_EQ(skin.xpCaption.HitTestCode({w.Left + k.x, w.Top + k.y}, w, biAll), k.code)
            << k.x << "," << k.y;
    // Without rounded corners the corner zones are 5 pixels.
    skin.xpCaption.RoundedCorners = 0;
    EXPECT_EQ(skin.xpCaption.HitTestCode({w.Left + W - 6, w.Top + 2}, w, biAll), HTTOP);
    EXPECT_EQ(skin.xpCaption.HitTestCode({w.Left + W - 5, w.Top + 2}, w, biAll), HTTOPRIGHT);
    // Without the system menu there are no built-in buttons; custom ones take the first square.
    skin.xpCaption.CustomButtonCount = 2;
    const platform::TRect caption{0, 0, W, 32};
    EXPECT_EQ(skin.xpCaption.HitButton({W - 20, 15}, caption, 0), btnFirstCustom);
    EXPECT_EQ(skin.xpCaption.HitButton({W - 40, 15}, caption, 0), btnFirstCustom + 1);
    EXPECT_EQ(skin.xpCaption.HitButton({W - 20, 15}, caption, biAll), btnClose);
    EXPECT_EQ(skin.xpCaption.HitButton({W - 80, 15}, caption, biAll), btnFirstCustom);
}

TEST(xpWindow, RoundedRegionCutsTheCorners) {
    const QRegion top = RoundedWindowRegion(rcTopLeft | rcTopRight, 14, W, H);
    for (QPoint out : {QPoint(0, 0), QPoint(1, 1), QPoint(W - 1, 0), QPoint(W - 2, 1)})
        EXPECT_FALSE(top.contains(out)) << out.x() << "," << out.y();
    for (QPoint in : {QPoint(7, 0), QPoint(0, 7), QPoint(3, 3), QPoint(W - 8, 0), QPoint(W - 1, 7),
                      QPoint(200, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)})
        EXPECT_TRUE(top.contains(in)) << in.x() << "," << in.y();
    const QRegion all = RoundedWindowRegion(15, 30, W, H);
    EXPECT_FALSE(all.contains(QPoint(0, H - 1)));
    EXPECT_FALSE(all.contains(QPoint(W - 1, H - 1)));
    EXPECT_TRUE(all.contains(QPoint(200, H - 1)));
    EXPECT_TRUE(all.contains(QPoint(0, 150)));
}

TEST(xpWindow, BlueCaptionRowsAndButtons) {
    Blue b;
    b.Paint();
    // The layered fill's body: rows 6..25 from the end colour down to the start colour.
    for (int y = 6; y < 26; ++y)
        EXPECT_EQ(b.At(250, y), Band(kActiveEnd, kActiveStart, y - 6, 20)) << y;
    // Close, maximise and minimise squares of 18 at (W-28, 7), (W-48, 7), (W-68, 7): the
    // white outline, then the face from its start colour under the top to its end colour.
    struct Button {
        int left;
        TColor top, bottom;
    };
    const Button buttons[] = {{W - 28, 0x0000FF, 0x800080},
                              {W - 48, kActiveStart, kActiveEnd},
                              {W - 68, kActiveStart, kActiveEnd}};
    for (const Button& k : buttons) {
        EXPECT_EQ(b.At(k.left + 9, 7), core::clWhite) << k.left;
        EXPECT_EQ(b.At(k.left, 15), core::clWhite) << k.left;
        EXPECT_EQ(b.At(k.left + 17, 15), core::clWhite) << k.left;
        EXPECT_EQ(b.At(k.left + 2, 8), k.top) << k.left;
        EXPECT_EQ(b.At(k.left + 2, 23), k.bottom) << k.left;
        EXPECT_NE(b.At(k.left - 1, 15), core::clWhite) << k.left;
    }
    // Glyphs: the white cross of close, the white top bar of maximise, the minimise bar.
    EXPECT_EQ(b.At(W - 28 + 8, 7 + 8), core::clWhite);
    EXPECT_EQ(b.At(W - 48 + 8, 7 + 6), core::clWhite);
    EXPECT_EQ(b.At(W - 68 + 7, 7 + 18 - 6), core::clWhite);
    // The icon sits at (7, 6), 20 pixels square.
    b.frame.Icon = QImage(4, 4, QImage::Format_RGB32);
    b.frame.Icon.fill(Qt::green);
    b.Paint();
    EXPECT_EQ(b.At(7, 6), core::clLime);
    EXPECT_EQ(b.At(26, 25), core::clLime);
    EXPECT_NE(b.At(27, 25), core::clLime);
    EXPECT_NE(b.At(6, 6), core::clLime);
}

TEST(xpWindow, HotAndPressedButtons) {
    Blue b;
    TxpCaption& c = b.skin.xpCaption;
    const platform::TRect caption{0, 0, W, 32};
    c.PaintButton(b.bmp.Canvas(), btnMaximize, tbsHot, caption, b.frame);
    EXPECT_EQ(b.At(W - 46, 8), DarkenColor(kActiveStart, -30));
    EXPECT_EQ(b.At(W - 46, 23), DarkenColor(kActiveEnd, -30));
    c.PaintButton(b.bmp.Canvas(), btnMaximize, tbsDown, caption, b.frame);
    EXPECT_EQ(b.At(W - 46, 8), kActiveEnd);
    EXPECT_EQ(b.At(W - 46, 23), kActiveStart);
    // Pressed and painted alone: the glyph one pixel right and down.
    EXPECT_EQ(b.At(W - 48 + 5, 7 + 6), core::clWhite);
    EXPECT_NE(b.At(W - 48 + 4, 7 + 5), core::clWhite);
}

TEST(xpWindow, BorderActiveAndInactive) {
    for (bool active : {true, false}) {
        Blue b;
        b.skin.xpCaption.FrameActive = active;
        b.Paint();
        const TColor c = active ? kBorder : Rgb(161, 179, 222);
        const TColor light = DarkenColor(c, -20);
        // Sides: outer column c, then light, light, c (the pattern runs from x = 0).
        EXPECT_EQ(b.At(0, 150), c) << active;
        EXPECT_EQ(b.At(1, 150), light);
        EXPECT_EQ(b.At(2, 150), light);
        EXPECT_EQ(b.At(3, 150), c);
        EXPECT_EQ(b.At(W - 4, 150), c);
        EXPECT_EQ(b.At(W - 1, 150), c);
        // Bottom rows from light to c; the line under the caption.
        EXPECT_EQ(b.At(200, H - 4), light);
        EXPECT_EQ(b.At(200, H - 1), c);
        EXPECT_EQ(b.At(200, 31), c);
        // The caption's start colours follow the state.
        EXPECT_EQ(b.At(250, 25), active ? kActiveStart : Rgb(150, 180, 234));
        EXPECT_EQ(b.At(250, 6), active ? kActiveEnd : Rgb(128, 164, 231));
    }
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
    b.frame.Icon = QImage(4, 4, QImage::Format_RGB32);
    b.frame.Icon.fill(Qt::green);
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
    EXPECT_EQ(bmp.Canvas().Pixel(10, 0), start);
    EXPECT_EQ(bmp.Canvas().Pixel(10, 25), Band(start, end, 25, 50));
    EXPECT_EQ(bmp.Canvas().Pixel(10, 49), end);
    EXPECT_EQ(bmp.Canvas().Pixel(10, 50), end);
    EXPECT_EQ(bmp.Canvas().Pixel(10, 99), start);
    for (TwgbStyle style : {wbgNone, wbgTiled, wbgStretched}) {
        skin.WinBackground.Style = style;
        skin.WinBackground.PaintBackground(bmp.Canvas(), {0, 0, 50, 100}, 0x00FF00);
        EXPECT_EQ(bmp.Canvas().Pixel(10, 50), 0x00FF00u) << style;
    }
}

TEST(xpWindow, SizeLimitsAndSnapping) {
    TxpWindow skin(nullptr, false);
    TWindowSizeInfo& s = skin.SizeInfo;
    EXPECT_TRUE(s.UseSystemSettings);
    const int width = s.MaxSizeWidth;
    s.MaxSizeWidth = width;
    EXPECT_TRUE(s.UseSystemSettings);
    s.MinTrackWidth = 500;
    s.MaxTrackWidth = 300;
    EXPECT_FALSE(s.UseSystemSettings);
    EXPECT_EQ(s.MaxTrack().width(), 500);
    s.UseSystemSettings = true;
    EXPECT_EQ(s.MinTrackWidth(), 112);

    TStickWindow stick;
    const QRect wa(0, 0, 1000, 700);
    struct Case {
        QRect in;
        QPoint out;
    };
    const Case cases[] = {
        {{15, 100, 200, 100}, {0, 100}},    {{-15, 100, 200, 100}, {0, 100}},
        {{-25, 100, 200, 100}, {-25, 100}}, {{790, 100, 200, 100}, {800, 100}},
        {{815, 100, 200, 100}, {800, 100}}, {{830, 100, 200, 100}, {830, 100}},
        {{300, -10, 200, 100}, {300, 0}},   {{300, -30, 200, 100}, {300, -30}},
        {{300, 590, 200, 100}, {300, 600}}, {{300, 615, 200, 100}, {300, 600}},
        {{10, 100, 1100, 100}, {0, 100}}, // wider than the area: only the near edge holds
    };
    for (const Case& k : cases)
        EXPECT_EQ(stick.Snap(k.in, wa).topLeft(), k.out) << k.in.x() << "," << k.in.y();
}
