#include "components/skin/TB97Ctls.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using core::TColor;

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

TColor Sys(TColor c) {
    return platform::FromQColor(platform::ToQColor(c));
}

template <class W> QImage Render(const W& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    platform::TCanvas canvas(&image);
    w.PaintTo(canvas);
    return image;
}

TColor At(const QImage& image, int x, int y) {
    return platform::FromQColor(image.pixelColor(x, y));
}

void Enter(QWidget& w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&w, &e);
}

void Leave(QWidget& w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

void Focus(QWidget& w, bool in) {
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut);
    QApplication::sendEvent(&w, &e);
}

// Row y of the box's ten-colour gradient, drawn on its own.
TColor BoxRow(TColor from, TColor to, int y) {
    platform::TBitmap box(14, 14);
    DrawGradient(box.Canvas(), {0, 0, 14, 14}, from, to, fdTopToBottom, 10);
    return box.Canvas().Pixel(0, y);
}

struct Pixel {
    int x, y;
    TColor color;
};

void ExpectPixels(const QImage& image, std::initializer_list<Pixel> pixels, const char* look) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(At(image, p.x, p.y), p.color) << look << " at " << p.x << "," << p.y;
}

} // namespace

TEST(xpButton, LooksOfEachState) {
    TxpButton b;
    b.SetCaption("Go");
    ASSERT_EQ(b.size(), QSize(75, 25));
    const TColor frame = Rgb(214, 211, 211), outline = Rgb(0, 60, 116);
    const TColor light = Rgb(253, 253, 253), lilac = Rgb(205, 204, 223);
    QImage up = Render(b);
    ExpectPixels(up,
                 {{10, 0, frame},
                  {10, 1, outline},
                  {10, 2, Rgb(206, 231, 255)},
                  {10, 22, Rgb(105, 130, 238)},
                  {2, 10, Rgb(188, 212, 246)},
                  {3, 10, core::clWhite},
                  {71, 10, core::clWhite},
                  {10, 24, core::clWhite},
                  {10, 4, light},
                  {10, 20, lilac}},
                 "up");
    Enter(b);
    const QImage hot = Render(b);
    ExpectPixels(hot, {{10, 3, Rgb(248, 179, 48)}, {3, 10, Rgb(248, 179, 48)}, {10, 4, light}},
                 "hot");
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b.Flags().pressed);
    // Pressed under the mouse the gradient runs upwards.
    ExpectPixels(Render(b), {{10, 4, lilac}, {10, 20, light}}, "pressed");
    Leave(b);
    ExpectPixels(Render(b), {{10, 4, light}, {10, 3, Rgb(188, 212, 246)}}, "pressed away");
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
    Focus(b, true);
    const QImage focused = Render(b);
    EXPECT_EQ(At(focused, 4, 4), light ^ 0xFFFFFFu);
    EXPECT_EQ(At(focused, 5, 4), light);
}

TEST(xpButton, DisabledLookIsFlatGrey) {
    TxpButton b;
    b.SetEnabled(false);
    Enter(b);
    const QImage off = Render(b);
    ExpectPixels(off,
                 {{0, 0, Sys(core::clBtnFace)},
                  {74, 24, Sys(core::clBtnFace)},
                  {10, 0, Rgb(214, 211, 211)},
                  {10, 1, Rgb(196, 195, 191)},
                  {10, 3, Rgb(241, 241, 237)},
                  {10, 20, Rgb(241, 241, 237)}},
                 "disabled");
}

TEST(xpButton, AcceleratorLetterIsUnderlined) {
    TxpButton b;
    b.SetCaption("&Go");
    QImage image = Render(b);
    QImage probe(1, 1, QImage::Format_RGB32);
    platform::TCanvas c(&probe);
    c.Font = b.Font();
    const int tw = c.TextWidth("Go"), th = c.TextHeight("Go"), g = c.TextWidth("G");
    const int x = (75 - tw) / 2, y = (25 - th) / 2 + th;
    EXPECT_EQ(At(image, x, y), core::clNavy);
    EXPECT_EQ(At(image, x + g - 1, y), core::clNavy);
    EXPECT_NE(At(image, x + g + 1, y), core::clNavy);
}

TEST(xpButton, ClicksOncePerPressAndNeverWhenDisabled) {
    TxpButton b;
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b.Flags().pressed);
    // Only the release of the key that pressed clicks.
    QTest::keyPress(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_Shift);
    EXPECT_EQ(clicks, 1);
    QTest::keyRelease(&b, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(&b, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
    b.SetEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(&b, Qt::Key_Return);
    b.click();
    EXPECT_EQ(clicks, 3);
}

TEST(xpCheckBox, BoxLooks) {
    TxpCheckBox box;
    box.SetCaption("Wrap");
    box.SetColor(Rgb(10, 20, 30));
    const TColor outline = Rgb(28, 81, 128);
    ExpectPixels(Render(box),
                 {{0, 8, Rgb(10, 20, 30)},
                  {1, 8, outline},
                  {14, 8, outline},
                  {8, 1, outline},
                  {8, 2, BoxRow(Rgb(220, 220, 215), core::clWhite, 1)}},
                 "normal");
    Enter(box);
    const QImage hot = Render(box);
    ExpectPixels(hot,
                 {{1, 8, outline},
                  {8, 2, BoxRow(Rgb(255, 240, 207), Rgb(248, 179, 48), 1)},
                  {8, 4, Rgb(10, 20, 30)}},
                 "hot");
    // Two pixels of ring: the outline and one of the orange gradient, then the background.
    EXPECT_NE(At(hot, 2, 8), Rgb(10, 20, 30));
    EXPECT_EQ(At(hot, 3, 8), Rgb(10, 20, 30));
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectPixels(Render(box), {{8, 2, BoxRow(Rgb(176, 176, 167), Rgb(241, 239, 223), 1)}}, "down");
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box.Checked());
    ExpectPixels(Render(box), {{5, 9, 0x00A000}}, "checked");
    box.SetEnabled(false);
    ExpectPixels(Render(box), {{5, 9, 0xC0C0C0}, {1, 8, 0x808080}, {10, 4, core::clWhite}},
                 "disabled");
    box.Alignment = cbaLeft;
    ExpectPixels(Render(box), {{82, 8, 0x808080}, {1, 8, Rgb(10, 20, 30)}}, "left");
}

TEST(xpCheckBox, ToggleFromInputOnlyAndFiresAfterTheChange) {
    TxpCheckBox box;
    std::vector<bool> seen;
    box.OnClick = [&] { seen.push_back(box.Checked()); };
    box.SetChecked(true);
    EXPECT_TRUE(seen.empty());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyPress(&box, Qt::Key_Space);
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    Focus(box, false);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen.size(), 2u);
    box.SetEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_TRUE(box.Checked());
}

TEST(TToolbarButton97, FlatRaisedAndSunken) {
    TToolbarButton97 b;
    b.resize(41, 17);
    b.SetCaption("&File");
    b.SetColor(Rgb(10, 20, 30));
    const TColor bg = Rgb(10, 20, 30), hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    ExpectPixels(Render(b), {{0, 0, bg}, {40, 16, bg}}, "up");
    Enter(b);
    ExpectPixels(Render(b), {{0, 0, hi}, {20, 0, hi}, {40, 16, sh}, {20, 16, sh}}, "hot");
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectPixels(Render(b), {{20, 0, sh}, {20, 16, hi}}, "pressed");
    QTest::mouseMove(&b, QPoint(60, 5));
    ExpectPixels(Render(b), {{20, 0, hi}}, "dragged off");
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(60, 5));
    ExpectPixels(Render(b), {{20, 0, bg}}, "released off");
}

TEST(TToolbarButton97, ShowsPressedWhileItsCommandRunsThenUp) {
    TToolbarButton97 b;
    b.resize(41, 17);
    int clicks = 0;
    TButtonState97 during = bsUp;
    b.OnClick = [&] {
        ++clicks;
        during = b.Flags().state;
    };
    Enter(b);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(during, bsDown);
    EXPECT_EQ(b.Flags().state, bsUp);
    EXPECT_FALSE(b.Flags().mouseIn);
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(6, 6), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    EXPECT_EQ(b.Flags().state, bsMouseIn);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(clicks, 1);
}

TEST(xpCombo, FrameAndButtonFollowMouseAndFocus) {
    TxpComboBox box;
    box.resize(57, 22);
    for (int n = 1; n <= 45; ++n) box.addItem(QString::number(n));
    const TColor bg = Rgb(10, 20, 30);
    box.SetColor(bg);
    const QImage idle = Render(box);
    ExpectPixels(idle,
                 {{0, 10, Sys(core::clBtnFace)},
                  {56, 10, Sys(core::clBtnFace)},
                  {35, 10, bg},
                  {45, 5, Sys(core::clBtnFace)},
                  {43, 11, core::clBlack},
                  {47, 11, core::clBlack},
                  {48, 11, Sys(core::clBtnFace)},
                  {45, 13, core::clBlack},
                  {44, 13, Sys(core::clBtnFace)},
                  {2, 2, bg},
                  {30, 5, bg}},
                 "idle");
    Enter(box);
    const TColor blue = Rgb(49, 106, 197);
    ExpectPixels(Render(box),
                 {{0, 10, blue}, {35, 10, blue}, {45, 5, Rgb(193, 210, 238)}, {2, 2, bg}}, "hot");
    Leave(box);
    EXPECT_EQ(At(Render(box), 0, 10), Sys(core::clBtnFace));
    Focus(box, true);
    const QImage focused = Render(box);
    EXPECT_EQ(At(focused, 0, 10), blue);
    // The selection gradient behind the text, between the start and end colours.
    const TColor mid = At(focused, 30, 5);
    EXPECT_NE(mid, bg);
    EXPECT_GE(mid & 0xFF, 0x77u);
    EXPECT_LE(mid & 0xFF, 0xC1u);
    EXPECT_EQ(At(focused, 2, 2), bg);
}

TEST(xpCombo, OpenListSelectionHasTheGradient) {
    TxpComboBox box;
    box.addItem("1");
    box.SetColor(core::clWhite);
    QImage item(40, 16, QImage::Format_RGB32);
    platform::TCanvas c(&item);
    box.DrawListItem(c, 0, false);
    EXPECT_EQ(At(item, 1, 8), core::clWhite);
    box.DrawListItem(c, 0, true);
    EXPECT_NE(At(item, 1, 0), core::clWhite);
    EXPECT_NE(At(item, 1, 8), core::clWhite);
    EXPECT_EQ(At(item, 1, 15), core::clWhite); // the bottom row stays
}
