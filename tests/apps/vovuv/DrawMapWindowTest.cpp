#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_memo.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using testing_support::ScopedDialogs;
using testing_support::TempDir;

// A draw file of count draws, newest first; draw k (1 = oldest) holds k % 40 + 1 .. + 5.
std::string MapDrawFile(int count) {
    std::string text;
    for (int number = count; number >= 1; --number) {
        const int first = number % 40 + 1;
        for (int j = 0; j < 6; ++j) text += std::to_string(first + j) + (j < 5 ? " " : "\r\n");
    }
    return text;
}

class DrawMapWindow : public VovuvTest {
protected:
    void Load(int draws) { Start(draws > 0 ? MapDrawFile(draws) : ""); }
    core::TColor Pixel(int x, int y) { return Form_Display->MapBitmap->Canvas().Pixel(x, y); }
    // The colour in the middle of the square of number n in map row i.
    core::TColor Square(int i, int n, int cell) {
        return Pixel(20 + (n - 1) * cell + cell / 2, 20 + i * cell + cell / 2);
    }
    bool Drawn(int i, int n) const {
        const int number = windows->form1->DrawCount - i;
        const int first = number % 40 + 1;
        return n >= first && n < first + 6;
    }
};

TEST_F(DrawMapWindow, MapCommandShowsTheTextThenTheMap) {
    Load(12);
    windows->form1->Button_mapClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Map");
    const std::string first = "12:" + std::string(12, '0') + "111111" + std::string(27, '0');
    EXPECT_EQ(Form_memo->Memo1->Lines().front(), first);
    EXPECT_EQ(Form_memo->Memo1->Lines().back(), "01:0111111" + std::string(38, '0'));
    EXPECT_EQ(dialogs->modals[1].form, Form_Display);
    EXPECT_EQ(dialogs->modals[1].caption, "Map");
}

TEST_F(DrawMapWindow, RussianCaptionCarriesOverToTheMap) {
    Load(3);
    windows->form1->SetRussian();
    windows->form1->Button_mapClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].caption, "Карта");
}

TEST_F(DrawMapWindow, SquaresSitAtTheirPlacesInBothLooks) {
    Load(30);
    windows->form1->Button_mapClick();
    struct Look {
        bool net;
        core::TColor drawn, notDrawn;
    };
    for (const Look look :
         {Look{false, core::clLime, core::clBlue}, Look{true, core::clBlue, core::clWhite}}) {
        Form_Display->RenderMap(look.net, 10);
        for (int i = 0; i < 30; ++i)
            for (int n = 1; n <= 45; ++n)
                ASSERT_EQ(Square(i, n, 10), Drawn(i, n) ? look.drawn : look.notDrawn)
                    << "net " << look.net << " row " << i << " number " << n;
        // Right of the last column and below the last row nothing is drawn.
        EXPECT_EQ(Pixel(20 + 45 * 10 + 2, 25), core::clWhite);
        EXPECT_EQ(Pixel(100, 20 + 30 * 10 + 2), core::clWhite);
    }
    // The net look outlines an undrawn square with the blue pen.
    Form_Display->RenderMap(true, 10);
    int undrawn = 1;
    while (Drawn(0, undrawn)) ++undrawn;
    const int x = 20 + (undrawn - 1) * 10;
    EXPECT_EQ(Pixel(x, 20), core::clBlue);
    EXPECT_EQ(Pixel(x + 9, 29), core::clBlue);
    EXPECT_EQ(Pixel(x + 1, 21), core::clWhite);
}

TEST_F(DrawMapWindow, AtMost301RowsAreDrawn) {
    Load(500);
    windows->form1->Button_mapClick();
    Form_Display->RenderMap(false, 2);
    // Row 300 (draw 200) is drawn, row 301 (draw 199) is not.
    EXPECT_NE(Pixel(20 + 1, 20 + 300 * 2 + 1), core::clWhite);
    EXPECT_EQ(Pixel(20 + 1, 20 + 301 * 2 + 1), core::clWhite);
}

TEST_F(DrawMapWindow, NoDrawsGiveAnEmptyTextAndAWhiteMap) {
    Load(0);
    windows->form1->Button_mapClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_TRUE(Form_memo->Memo1->Lines().empty());
    const QImage& image = Form_Display->MapBitmap->Image();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_EQ(Pixel(x, y), core::clWhite) << x << "," << y;
}

TEST_F(DrawMapWindow, ZoomStaysWithinItsLimits) {
    Load(5);
    auto* d = Form_Display;
    EXPECT_EQ(d->Zoom, 10);
    struct Case {
        int start;
        int key;
        int expected;
    };
    const Case cases[] = {
        {10, Qt::Key_Plus, 11}, {10, Qt::Key_Equal, 11},  {10, Qt::Key_Minus, 9},
        {2, Qt::Key_Minus, 2},  {200, Qt::Key_Plus, 200}, {199, Qt::Key_Plus, 200},
        {3, Qt::Key_Minus, 2},
    };
    for (const auto& c : cases) {
        d->Zoom = c.start;
        d->FormKeyDown(c.key, Qt::NoModifier);
        EXPECT_EQ(d->Zoom, c.expected) << c.start << " key " << c.key;
    }
    d->Zoom = 10;
    d->Zoomin1Click();
    EXPECT_EQ(d->Zoom, 11);
    d->Zoomout1->trigger();
    d->Zoomout1->trigger();
    EXPECT_EQ(d->Zoom, 9);
}

TEST_F(DrawMapWindow, NumericPadKeysReachTheWindow) {
    Load(5);
    auto* d = Form_Display;
    d->Zoom = 10;
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier, "+");
    QCoreApplication::sendEvent(d, &plus);
    EXPECT_EQ(d->Zoom, 11);
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::KeypadModifier, "-");
    QCoreApplication::sendEvent(d, &minus);
    QCoreApplication::sendEvent(d, &minus);
    EXPECT_EQ(d->Zoom, 9);
}

TEST_F(DrawMapWindow, ZoomingOutLeavesNothingOfTheLargerSquares) {
    Load(5);
    windows->form1->Button_mapClick();
    auto* d = Form_Display;
    d->Zoom = 21;
    d->FormKeyDown(Qt::Key_Minus, Qt::NoModifier); // 20
    EXPECT_NE(Square(4, 45, 20), core::clWhite);
    d->Zoom = 11;
    d->FormKeyDown(Qt::Key_Minus, Qt::NoModifier); // 10
    // Where the larger map had its last column and last row, the picture is white now,
    // also beyond the window's part of it.
    EXPECT_EQ(Square(4, 45, 20), core::clWhite);
    EXPECT_EQ(Pixel(20 + 44 * 20 + 10, 30), core::clWhite);
}

TEST_F(DrawMapWindow, ShowNetTogglesTheLookAlsoByDoubleClick) {
    Load(3);
    windows->form1->Button_mapClick();
    auto* d = Form_Display;
    ASSERT_FALSE(d->ShowNet1->isChecked());
    int undrawn = 1;
    while (Drawn(0, undrawn)) ++undrawn;
    EXPECT_EQ(Square(0, undrawn, 10), core::clBlue);
    d->ShowNet1Click();
    EXPECT_TRUE(d->ShowNet1->isChecked());
    EXPECT_EQ(Square(0, undrawn, 10), core::clWhite);
    d->ShowNet1->trigger(); // from the pop-up menu
    EXPECT_FALSE(d->ShowNet1->isChecked());
    EXPECT_EQ(Square(0, undrawn, 10), core::clBlue);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d->clientArea(), &dbl);
    EXPECT_TRUE(d->ShowNet1->isChecked());
    EXPECT_EQ(Square(0, undrawn, 10), core::clWhite);
}

// Only Show Net carries a check; a right-click anywhere on the map opens the menu.
TEST_F(DrawMapWindow, ThePopUpMenuHoldsItsFourItems) {
    Load(3);
    windows->form1->Button_mapClick();
    auto* d = Form_Display;
    const std::pair<QAction*, const char*> want[] = {{d->CopytoClipboard1, "Copy to Clipboard"},
                                                     {d->ShowNet1, "Show Net"},
                                                     {d->Zoomin1, "Zoom in (+)"},
                                                     {d->Zoomout1, "Zoom out (-)"}};
    ASSERT_EQ(d->PopupMenu1->actions().size(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d->PopupMenu1->actions()[k], want[k].first) << k;
        EXPECT_EQ(want[k].first->text().toStdString(), want[k].second);
        EXPECT_EQ(want[k].first->isCheckable(), k == 1) << k;
    }
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 4), QPoint(3, 4));
    QCoreApplication::sendEvent(d->clientArea(), &rightClick);
    EXPECT_TRUE(d->PopupMenu1->isVisible());
    d->PopupMenu1->hide();
}

TEST_F(DrawMapWindow, ShowingAgainKeepsZoomAndNet) {
    Load(3);
    windows->form1->Button_mapClick();
    Form_Display->Zoom = 15;
    Form_Display->ShowNet1Click();
    windows->form1->Button_mapClick();
    EXPECT_EQ(Form_Display->Zoom, 15);
    EXPECT_TRUE(Form_Display->ShowNet1->isChecked());
    int drawn = 1;
    while (!Drawn(0, drawn)) ++drawn;
    EXPECT_EQ(Square(0, drawn, 15), core::clBlue);
}

TEST_F(DrawMapWindow, CopyPutsTheWholePictureOnTheClipboard) {
    Load(3);
    windows->form1->Button_mapClick();
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(Form_Display->FormKeyDown(Qt::Key_C, Qt::ControlModifier));
    QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(1024, 768));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), Form_Display->MapBitmap->Image());
    QGuiApplication::clipboard()->clear();
    Form_Display->CopytoClipboard1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1024, 768));
    // C alone or with Shift does not copy.
    EXPECT_FALSE(Form_Display->FormKeyDown(Qt::Key_C, Qt::NoModifier));
}

} // namespace
