#include "components/skin/TB97Ctls.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "tests/components/skin/SkinTestEvents.h"
#include "tests/support/SkinTestPixels.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace skin_test;

namespace {

void FocusIn(QWidget& w) {
    QFocusEvent e(QEvent::FocusIn);
    QApplication::sendEvent(&w, &e);
}

// Row y of the box's ten-colour gradient, drawn on its own.
TColor BoxRow(TColor from, TColor to, int y) {
    platform::TBitmap box(14, 14);
    DrawGradient(box.Canvas(), {0, 0, 14, 14}, from, to, fdTopToBottom, 10);
    return box.Canvas().Pixel(0, y);
}

} // namespace

TEST(xpButton, LooksOfEachState) {
    TxpButton b;
    b.SetCaption("&Go");
    ASSERT_EQ(b.size(), QSize(75, 25));
    const TColor frame = Rgb(214, 211, 211), outline = Rgb(0, 60, 116);
    const TColor light = Rgb(253, 253, 253), lilac = Rgb(205, 204, 223);
    const TColor w = core::clWhite, edge = Rgb(188, 212, 246);
    const TColor top = Rgb(206, 231, 255), bottom = Rgb(105, 130, 238);
    const Pixel upLook[] = {
        {10, 0, frame}, {10, 1, outline}, {10, 2, top}, {10, 22, bottom}, {2, 10, edge},
        {3, 10, w},     {71, 10, w},      {10, 24, w},  {10, 4, light},   {10, 20, lilac},
    };
    const QImage up = Render(b);
    ExpectPixels(up, upLook, "up");
    // The accelerator letter is underlined in navy under the centred caption.
    platform::TCanvas probe(nullptr);
    probe.Font = b.Font();
    const int tw = probe.TextWidth("Go"), th = probe.TextHeight("Go"), g = probe.TextWidth("G");
    const int x = (75 - tw) / 2, y = (25 - th) / 2 + th;
    ExpectPixels(up, {{x, y, core::clNavy}, {x + g - 1, y, core::clNavy}}, "underline");
    EXPECT_NE(At(up, x + g + 1, y), core::clNavy);
    Enter(b);
    ExpectPixels(Render(b),
                 {{10, 3, Rgb(248, 179, 48)}, {3, 10, Rgb(248, 179, 48)}, {10, 4, light}}, "hot");
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    // Pressed under the mouse the gradient runs upwards.
    ExpectPixels(Render(b), {{10, 4, lilac}, {10, 20, light}}, "pressed");
    Leave(b);
    ExpectPixels(Render(b), {{10, 4, light}, {10, 3, edge}}, "pressed away");
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
    FocusIn(b);
    ExpectPixels(Render(b), {{4, 4, light ^ 0xFFFFFFu}, {5, 4, light}}, "focused");
    // Disabled: flat grey, hot or not.
    b.SetEnabled(false);
    Enter(b);
    const TColor face = Sys(core::clBtnFace), grey = Rgb(241, 241, 237);
    const Pixel disabled[] = {
        {0, 0, face},  {74, 24, face}, {10, 0, frame}, {10, 1, Rgb(196, 195, 191)},
        {10, 3, grey}, {10, 20, grey},
    };
    ExpectPixels(Render(b), disabled, "disabled");
}

TEST(xpButton, OnlyTheKeyThatPressedClicksAndNeverWhenDisabled) {
    TxpButton b;
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    QTest::keyPress(&b, Qt::Key_Space);
    QTest::keyClick(&b, Qt::Key_Shift);
    EXPECT_EQ(clicks, 0);
    QTest::keyRelease(&b, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&b, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    b.SetEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(&b, Qt::Key_Return);
    b.click();
    EXPECT_EQ(clicks, 2);
}

TEST(xpCheckBox, BoxLooks) {
    TxpCheckBox box;
    box.SetCaption("Wrap");
    const TColor bg = Rgb(10, 20, 30), outline = Rgb(28, 81, 128);
    box.SetColor(bg);
    const TColor face = BoxRow(Rgb(220, 220, 215), core::clWhite, 1);
    const Pixel normal[] = {
        {0, 8, bg}, {1, 8, outline}, {14, 8, outline}, {8, 1, outline}, {8, 2, face},
    };
    ExpectPixels(Render(box), normal, "normal");
    Enter(box);
    // Two pixels of ring: the outline and one of the orange gradient, then the background.
    const QImage hot = Render(box);
    const TColor orange = BoxRow(Rgb(255, 240, 207), Rgb(248, 179, 48), 1);
    const Pixel hotLook[] = {{1, 8, outline}, {8, 2, orange}, {8, 4, bg}, {3, 8, bg}};
    ExpectPixels(hot, hotLook, "hot");
    EXPECT_NE(At(hot, 2, 8), bg);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectPixels(Render(box), {{8, 2, BoxRow(Rgb(176, 176, 167), Rgb(241, 239, 223), 1)}}, "down");
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectPixels(Render(box), {{5, 9, 0x00A000}}, "checked");
    box.SetEnabled(false);
    ExpectPixels(Render(box), {{5, 9, 0xC0C0C0}, {1, 8, 0x808080}, {10, 4, core::clWhite}},
                 "disabled");
    box.Alignment = cbaLeft;
    ExpectPixels(Render(box), {{82, 8, 0x808080}, {1, 8, bg}}, "left");
}

TEST(xpCheckBox, ToggleFromInputOnlyAndFiresAfterTheChange) {
    TxpCheckBox box;
    std::vector<bool> seen;
    box.OnClick = [&] { seen.push_back(box.Checked()); };
    box.SetChecked(true);
    EXPECT_TRUE(seen.empty());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    box.SetEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_TRUE(box.Checked());
}

TEST(TToolbarButton97, FlatRaisedSunkenAndUpAfterItsCommand) {
    TToolbarButton97 b;
    b.resize(41, 17);
    b.SetCaption("&File");
    const TColor bg = Rgb(10, 20, 30), hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    b.SetColor(bg);
    b.SetShowBorderWhenInactive(true); // no window is active here
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    ExpectPixels(Render(b), {{0, 0, bg}, {40, 16, bg}}, "up");
    Enter(b);
    ExpectPixels(Render(b), {{0, 0, hi}, {20, 0, hi}, {40, 16, sh}, {20, 16, sh}}, "hot");
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectPixels(Render(b), {{20, 0, sh}, {20, 16, hi}}, "pressed");
    QTest::mouseMove(&b, QPoint(60, 5));
    ExpectPixels(Render(b), {{20, 0, hi}}, "dragged off");
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(60, 5));
    ExpectPixels(Render(b), {{20, 0, bg}}, "released off");
    EXPECT_EQ(clicks, 0);
    // After a click the button is up, and hot again only when the mouse moves over it.
    Enter(b);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    ExpectPixels(Render(b), {{20, 0, bg}}, "after the click");
    QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), QPointF(6, 6), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    ExpectPixels(Render(b), {{20, 0, hi}}, "moved over");
}

TEST(xpCombo, FrameAndButtonFollowMouseAndFocus) {
    TxpComboBox box;
    box.resize(57, 22);
    for (int n = 1; n <= 45; ++n) box.addItem(QString::number(n));
    const TColor bg = Rgb(10, 20, 30), face = Sys(core::clBtnFace), black = core::clBlack;
    box.SetColor(bg);
    // The arrow is a black triangle on the face-coloured button.
    const Pixel idle[] = {
        {0, 10, face},   {56, 10, face},  {35, 10, bg},   {45, 5, face},
        {43, 11, black}, {47, 11, black}, {48, 11, face}, {45, 13, black},
        {44, 13, face},  {2, 2, bg},      {30, 5, bg},
    };
    ExpectPixels(Render(box), idle, "idle");
    Enter(box);
    const TColor blue = Rgb(49, 106, 197);
    ExpectPixels(Render(box),
                 {{0, 10, blue}, {35, 10, blue}, {45, 5, Rgb(193, 210, 238)}, {2, 2, bg}}, "hot");
    Leave(box);
    EXPECT_EQ(At(Render(box), 0, 10), face);
    FocusIn(box);
    const QImage focused = Render(box);
    ExpectPixels(focused, {{0, 10, blue}, {2, 2, bg}}, "focused");
    // The selection gradient behind the text, between the start and end colours.
    const TColor mid = At(focused, 30, 5);
    EXPECT_NE(mid, bg);
    EXPECT_GE(mid & 0xFF, 0x77u);
    EXPECT_LE(mid & 0xFF, 0xC1u);
    // In the open list only the selected item has it, its bottom row left alone.
    QImage item(40, 16, QImage::Format_RGB32);
    platform::TCanvas c(&item);
    box.SetColor(core::clWhite);
    box.DrawListItem(c, 0, false);
    EXPECT_EQ(At(item, 1, 8), core::clWhite);
    box.DrawListItem(c, 0, true);
    EXPECT_NE(At(item, 1, 0), core::clWhite);
    EXPECT_NE(At(item, 1, 8), core::clWhite);
    EXPECT_EQ(At(item, 1, 15), core::clWhite);
}

// A button whose command opens a box drops its hot look once the pointer is over the box, and
// so does any control whose window another window deactivates.
TEST(xpButton, DropsItsHotLookToAnotherWindow) {
    QWidget window;
    window.resize(200, 100);
    auto* b = new TxpButton(&window);
    b->setGeometry(10, 10, 75, 25);
    window.show();
    QCursor::setPos(window.mapToGlobal(QPoint(20, 20)));
    b->OnClick = [&] { QCursor::setPos(window.mapToGlobal(QPoint(150, 80))); };
    Enter(*b);
    ASSERT_TRUE(b->Flags().hot);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b->Flags().hot);

    // The pointer stays over it when the command opens nothing: still hot.
    b->OnClick = [] {};
    QCursor::setPos(window.mapToGlobal(QPoint(20, 20)));
    Enter(*b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b->Flags().hot);

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(b, &deactivate);
    EXPECT_FALSE(b->Flags().hot);
}

// The flat look: button face with a 3-D edge, turned over while pressed, a grey ring when hot.
TEST(xpButton, FlatLook) {
    TxpButton b;
    b.SetGradient(false);
    const TColor face = Sys(core::clBtnFace), dark = Sys(core::cl3DDkShadow), w = core::clWhite;
    ExpectPixels(Render(b), {{6, 12, face}, {10, 24, dark}, {74, 10, dark}, {1, 10, w}, {10, 1, w}},
                 "flat");
    Enter(b);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
    ExpectPixels(Render(b),
                 {{10, 24, w}, {74, 10, w}, {1, 10, dark}, {10, 1, dark}, {3, 12, 0xC0C0C0}},
                 "flat pressed and hot");
}

// With ParentFont (the default) a control draws with its parent's font and follows its changes;
// setting Font turns it off. ParentColor (off by default on the toolbar button) likewise.
template <class Button> class ParentLook : public testing::Test {};
using Buttons = testing::Types<TxpButton, TToolbarButton97, TxpCheckBox>;
TYPED_TEST_SUITE(ParentLook, Buttons);

TYPED_TEST(ParentLook, FollowsTheParentUntilSetOnTheButton) {
    const platform::TFont own = TypeParam().Font();
    QWidget parent;
    auto* b = new TypeParam(&parent);
    b->resize(75, 25);
    b->SetCaption("File");
    EXPECT_EQ(std::tuple(b->ParentFont(), b->Font().Bold), std::tuple(true, false));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(20);
    f.setBold(true);
    parent.setFont(f);
    EXPECT_EQ(std::tuple(b->Font().Name, b->Font().Size, b->Font().Bold),
              std::tuple(std::string("Arial"), 15, true));
    const QImage big = Render(*b);
    b->SetParentFont(false);
    EXPECT_NE(Render(*b), big);
    b->SetParentFont(true);
    b->SetFont(own);
    EXPECT_FALSE(b->ParentFont());
    if constexpr (requires { b->SetParentColor(true); }) {
        b->SetParentColor(false);
        parent.setPalette(QPalette(QColor(200, 0, 0)));
        EXPECT_EQ(b->Color(), core::clBtnFace);
        b->SetParentColor(true);
        EXPECT_EQ(At(Render(*b), 0, 0), Rgb(200, 0, 0));
        b->SetColor(core::clBlue);
        EXPECT_EQ(std::tuple(b->ParentColor(), At(Render(*b), 0, 0)),
                  std::tuple(false, core::clBlue));
    }
}

namespace {

int CountColour(const QImage& image, QRect area, TColor color) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += At(image, x, y) == color;
    return n;
}

} // namespace

// The parent's point size and style reach the control, and so does a colour given to the window
// two levels up, also after an own colour was given up.
TYPED_TEST(ParentLook, PointSizeItalicAndAGrandparentsColour) {
    QWidget top;
    auto* b = new TypeParam(new QWidget(&top));
    QFont f(QStringLiteral("Arial"), 12);
    f.setItalic(true);
    top.setFont(f);
    EXPECT_EQ(std::tuple(b->Font().Size, b->Font().Italic, b->Font().Bold),
              std::tuple(12, true, false));
    if constexpr (requires { b->SetParentColor(true); }) {
        b->SetColor(core::clBlue), b->SetParentColor(true);
        top.setPalette(QPalette(QColor(0, 150, 0)));
        // What reads the control's palette sees the colour it shows.
        EXPECT_EQ(
            std::tuple(b->Color(), At(Render(*b), 0, 0), b->palette().color(QPalette::Window)),
            std::tuple(Rgb(0, 150, 0), Rgb(0, 150, 0), QColor(0, 150, 0)));
    }
}

// The left and right buttons press and click the button and report nothing; another button
// reports its press (a double press too) and release with the keys and the point, and every
// move reports; all of it whatever the button's own Enabled says.
TEST(xpButton, MouseEventsOfTheButtonsItDoesNotOwn) {
    TxpButton b;
    std::string seen;
    auto report = [&](const char* what) {
        return [&, what](auto button, Qt::KeyboardModifiers keys, int x, int y) {
            seen += std::string(what) + (button & Qt::MiddleButton ? " M" : "") +
                    (button & Qt::LeftButton ? " L" : "") + (keys ? " ctrl " : " ") +
                    std::to_string(x) + "," + std::to_string(y) + "; ";
        };
    };
    b.OnMouseDown = report("down"), b.OnMouseUp = report("up"), b.OnMouseMove = report("move");
    b.OnClick = [&] { seen += "click; "; };
    QTest::mouseClick(&b, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 6));
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(5, 6));
    QTest::mousePress(&b, Qt::MiddleButton, Qt::ControlModifier, QPoint(5, 6));
    QMouseEvent drag(QEvent::MouseMove, QPointF(7, 8), QPointF(7, 8), Qt::NoButton,
                     Qt::MiddleButton | Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(&b, &drag);
    QTest::mouseRelease(&b, Qt::MiddleButton, {}, QPoint(7, 8));
    b.SetEnabled(false);
    QTest::mouseDClick(&b, Qt::MiddleButton, {}, QPoint(3, 4)); // the second press only
    QMouseEvent move(QEvent::MouseMove, QPointF(9, 9), QPointF(9, 9), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    EXPECT_EQ(seen, "click; down M ctrl 5,6; move M L ctrl 7,8; up M 7,8; down M 3,4; move 9,9; ");
}

// The caption's $C0C0C0 shadow: on the XP face, under the flat look's hot ring, but not on the
// flat look without the ring; on a box at the right by ShadowText, at the left always. A box's
// caption is underlined under the mouse by UnderLineOnActive and grey when disabled.
TEST(xpCaption, ShadowOfTheFlatButtonAndTheBoxUnderlineAndGrey) {
    for (const auto& [gradient, hot, shadow] :
         {std::tuple(true, false, true), {false, false, false}, {false, true, true}}) {
        TxpButton b;
        b.SetCaption("WWW");
        b.SetGradient(gradient);
        if (hot) Enter(b);
        EXPECT_EQ(CountColour(Render(b), {5, 5, 65, 15}, 0xC0C0C0) > 0, shadow) << gradient << hot;
    }
    auto box = [](TCheckBoxAlignment align, bool shadow, bool underline, bool hot, bool enabled) {
        auto b = std::make_unique<TxpCheckBox>();
        b->SetCaption("WWW");
        b->SetColor(Rgb(10, 20, 30));
        b->Alignment = align, b->ShadowText = shadow, b->UnderLineOnActive = underline;
        if (hot) Enter(*b);
        b->SetEnabled(enabled);
        return Render(*b);
    };
    const QRect right(20, 0, 77, 17), left(0, 0, 77, 17);
    EXPECT_NE(box(cbaRight, true, true, true, true), box(cbaRight, true, false, true, true));
    EXPECT_EQ(box(cbaRight, true, true, false, true), box(cbaRight, true, false, false, true));
    for (const auto& [align, shadowText, shadow] :
         {std::tuple(cbaRight, true, true), {cbaRight, false, false}, {cbaLeft, false, true}})
        EXPECT_EQ(CountColour(box(align, shadowText, false, false, true),
                              align == cbaRight ? right : left, 0xC0C0C0) > 0,
                  shadow)
            << align << shadowText;
    const QImage on = box(cbaRight, false, false, false, true);
    const QImage off = box(cbaRight, false, false, false, false);
    const TColor text = Sys(TxpCheckBox().Font().Color);
    EXPECT_EQ(std::tuple(CountColour(on, right, text) > 0, CountColour(off, right, text),
                         CountColour(off, right, 0x808080) > 0),
              std::tuple(true, 0, true));
}
