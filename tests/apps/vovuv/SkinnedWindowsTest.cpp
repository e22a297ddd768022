#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/settings.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpWindow.h"
#include "tests/apps/vovuv/VovuvTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace {

using SkinnedWindows = VovuvTest;

struct Window {
    const char* name;
    platform::TForm* form;
    TxpWindow* skin;
    QWidget* control; // a control of the layout and where the layout puts it
    QPoint at;
    bool background;
};

} // namespace

TEST_F(SkinnedWindows, EveryWindowHasTheBlueFrameAndItsControlsStay) {
    Start("1 2 3 4 5 6\r\n");
    auto& w = *windows;
    const Window all[] = {
        {"main", w.form1.get(), w.form1->xpWindow1, w.form1->Edit_find, {174, 6}, true},
        {"memo", w.memo.get(), w.memo->xpWindow1, w.memo->Button_Reverse, {8, 4}, true},
        {"graph", w.graph.get(), w.graph->xpWindow1, nullptr, {}, true},
        {"graph2", w.graph2.get(), w.graph2->xpWindow1, nullptr, {}, true},
        {"display", w.display.get(), w.display->xpWindow1, nullptr, {}, false},
        {"utils", w.utils.get(), w.utils->xpWindow1, w.utils->CheckBox_Merge, {144, 24}, true},
        {"grid",
         w.stringGrid.get(),
         w.stringGrid->xpWindow1,
         w.stringGrid->CheckBox_number,
         {392, 7},
         true},
        {"settings",
         w.settings.get(),
         w.settings->xpWindow1,
         w.settings->Button_OK,
         {96, 184},
         true},
    };
    for (const Window& k : all) {
        SCOPED_TRACE(k.name);
        ASSERT_NE(k.skin, nullptr);
        EXPECT_TRUE(k.skin->Active);
        EXPECT_EQ(k.skin->Style(), xwsXPBlue);
        EXPECT_TRUE(k.form->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(k.form->FrameMargins(), QMargins(4, 32, 4, 4));
        k.form->show();
        EXPECT_EQ(k.form->clientArea()->geometry(), k.form->rect().marginsRemoved({4, 32, 4, 4}))
            << k.form->rect().width() << "x" << k.form->rect().height();
        EXPECT_EQ(bool(k.skin->WinBackground.Active), k.background);
        if (k.control) {
            EXPECT_EQ(k.control->pos(), k.at);
        }
        // The rounded top corners are cut out of the window.
        const QRegion mask = k.form->mask();
        EXPECT_FALSE(mask.contains(QPoint(0, 0)));
        EXPECT_TRUE(mask.contains(QPoint(7, 0)));
        EXPECT_TRUE(mask.contains(QPoint(0, k.form->height() - 1)));
        // The frame as painted: the blue border at mid-height and the caption's body.
        const QImage frame = k.skin->RenderFrame();
        EXPECT_EQ(frame.pixelColor(0, k.form->height() / 2), QColor(4, 37, 212));
        EXPECT_EQ(frame.pixelColor(k.form->width() / 2, 25), QColor(70, 145, 236));
        k.form->hide();
    }
}

TEST_F(SkinnedWindows, InactiveFramesArePale) {
    Start("");
    TxpWindow& skin = *(*form).xpWindow1;
    skin.xpCaption.FrameActive = false;
    const QImage frame = skin.RenderFrame();
    EXPECT_EQ(frame.pixelColor(0, (*form).height() / 2), QColor(161, 179, 222));
    EXPECT_EQ(frame.pixelColor((*form).width() / 2, 25), QColor(150, 180, 234));
    // Switching the skin off gives the window its own frame back, without margins.
    skin.Active = false;
    EXPECT_FALSE((*form).windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ((*form).FrameMargins(), QMargins());
    skin.Active = true;
    EXPECT_TRUE((*form).windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ((*form).FrameMargins(), QMargins(4, 32, 4, 4));
}

TEST_F(SkinnedWindows, CaptionButtonsActWhereTheyAreReleased) {
    Start("");
    platform::TForm& memo = *windows->memo;
    memo.SetBounds(50, 40, 400, 300);
    memo.show();
    const QPoint close(400 - 19, 16), maximize(400 - 39, 16), caption(200, 16);
    // Pressed on close, released on maximise: nothing happens.
    QTest::mousePress(&memo, Qt::LeftButton, {}, close);
    QTest::mouseMove(&memo, maximize);
    QTest::mouseRelease(&memo, Qt::LeftButton, {}, maximize);
    EXPECT_TRUE(memo.isVisible());
    EXPECT_FALSE(memo.isMaximized());
    EXPECT_EQ(windows->memo->xpWindow1->xpCaption.PressedButton, btnNone);
    // A double click on the caption maximises and restores.
    QTest::mouseDClick(&memo, Qt::LeftButton, {}, caption);
    EXPECT_TRUE(memo.isMaximized());
    QTest::mouseDClick(&memo, Qt::LeftButton, {}, caption);
    EXPECT_FALSE(memo.isMaximized());
    // Dragging the caption moves the window (here by hand: no window system to ask).
    const QPoint before = memo.pos();
    QTest::mousePress(&memo, Qt::LeftButton, {}, caption);
    QTest::mouseMove(&memo, caption + QPoint(30, 20));
    QTest::mouseRelease(&memo, Qt::LeftButton, {}, caption + QPoint(30, 20));
    EXPECT_EQ(memo.pos(), before + QPoint(30, 20));
    QTest::mouseClick(&memo, Qt::LeftButton, {}, close);
    EXPECT_FALSE(memo.isVisible());
}
