#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/settings.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "components/skin/xpWindow.h"
#include "tests/apps/vovuv/VovuvTest.h"

#include <QCheckBox>
#include <QPushButton>
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

template <class F>
Window Of(const char* name, const F& f, QWidget* control = nullptr, QPoint at = {},
          bool background = true) {
    return {name, f.get(), f->xpWindow1, control, at, background};
}

template <class T> int CountIn(const std::vector<QWidget*>& windows) {
    int n = 0;
    for (QWidget* w : windows) n += static_cast<int>(w->findChildren<T*>().size());
    return n;
}

} // namespace

TEST_F(SkinnedWindows, EveryWindowHasTheBlueFrameAndTheKitsControls) {
    Start("1 2 3 4 5 6\r\n");
    auto& w = *windows;
    const Window all[] = {
        Of("main", w.form1, w.form1->Edit_find, {174, 6}),
        Of("memo", w.memo, w.memo->Button_Reverse, {8, 4}),
        Of("graph", w.graph),
        Of("graph2", w.graph2),
        Of("display", w.display, nullptr, {}, false),
        Of("utils", w.utils, w.utils->CheckBox_Merge, {144, 24}),
        Of("grid", w.stringGrid, w.stringGrid->CheckBox_number, {392, 7}),
        Of("settings", w.settings, w.settings->Button_OK, {96, 184}),
    };
    std::vector<QWidget*> forms;
    for (const Window& k : all) {
        SCOPED_TRACE(k.name);
        forms.push_back(k.form);
        ASSERT_NE(k.skin, nullptr);
        EXPECT_TRUE(k.skin->Active && k.form->windowFlags().testFlag(Qt::FramelessWindowHint));
        k.form->show();
        EXPECT_EQ(k.form->clientArea()->geometry(), k.form->rect().marginsRemoved({4, 32, 4, 4}))
            << k.form->rect().width() << "x" << k.form->rect().height();
        EXPECT_EQ(bool(k.skin->WinBackground.Active), k.background);
        EXPECT_EQ(k.control ? k.control->pos() : k.at, k.at);
        // The window is cut to the skin's rounded region and painted by it.
        EXPECT_FALSE(k.form->mask().contains(QPoint(0, 0)));
        const QImage frame = k.skin->RenderFrame();
        EXPECT_EQ(frame.pixelColor(0, k.form->height() / 2), QColor(4, 37, 212));
        EXPECT_EQ(frame.pixelColor(k.form->width() / 2, 25), QColor(70, 145, 236));
        k.form->hide();
    }
    // Switching the skin off gives the window its own frame back, without margins.
    TxpWindow& skin = *form->xpWindow1;
    skin.Active = false;
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form->FrameMargins(), QMargins());
    skin.Active = true;
    EXPECT_EQ(form->FrameMargins(), QMargins(4, 32, 4, 4));
    // Every control is the kit's: Wrap, Unlimited, HighLight, and the table window's Separation
    // box that only the 5-of-36 edition shows; the two generators of the utilities window start
    // disabled and look it.
    EXPECT_EQ(CountIn<QPushButton>(forms), 0);
    EXPECT_GT(CountIn<TxpButton>(forms), 40);
    EXPECT_EQ(CountIn<TToolbarButton97>(forms), 2);
    EXPECT_EQ(CountIn<TxpCheckBox>(forms), 4);
    EXPECT_EQ(CountIn<TxpComboBox>(forms), 1);
    int disabled = 0;
    for (TxpButton* b : w.utils->findChildren<TxpButton*>()) disabled += !b->Enabled();
    EXPECT_EQ(disabled, 2);
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
