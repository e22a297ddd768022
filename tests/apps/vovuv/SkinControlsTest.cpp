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
#include "platform/Memo.h"
#include "tests/apps/vovuv/VovuvTest.h"

#include <QPushButton>
#include <QTest>

namespace {

using SkinControls = VovuvTest;

template <class T> int CountIn(const std::vector<QWidget*>& windows) {
    int n = 0;
    for (QWidget* w : windows) n += static_cast<int>(w->findChildren<T*>().size());
    return n;
}

} // namespace

TEST_F(SkinControls, EveryWindowUsesTheKitsControls) {
    Start("1 2 3 4 5 6\r\n");
    auto& w = *windows;
    const std::vector<QWidget*> all = {w.form1.get(),      w.memo.get(),    w.graph.get(),
                                       w.graph2.get(),     w.display.get(), w.utils.get(),
                                       w.stringGrid.get(), w.settings.get()};
    EXPECT_EQ(CountIn<QPushButton>(all), 0);
    EXPECT_GT(CountIn<TxpButton>(all), 40);
    EXPECT_EQ(CountIn<TToolbarButton97>(all), 2);
    // Wrap, Unlimited, HighLight, and the table window's Separation box that only the 5-of-36
    // edition shows.
    EXPECT_EQ(CountIn<TxpCheckBox>(all), 4);
    EXPECT_EQ(CountIn<TxpComboBox>(all), 1);
    // The two generators of the utilities window start disabled and look it.
    int disabled = 0;
    for (TxpButton* b : w.utils->findChildren<TxpButton*>()) disabled += !b->Enabled();
    EXPECT_EQ(disabled, 2);
}

TEST_F(SkinControls, MouseAndKeysRunACommandOnce) {
    Start("");
    auto& memo = *windows->memo;
    memo.Memo1->SetLines({"a", "b"});
    TxpButton& reverse = *memo.Button_Reverse;
    QTest::mouseClick(&reverse, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(memo.Memo1->Text(), "b\r\na");
    QTest::keyClick(&reverse, Qt::Key_Space);
    EXPECT_EQ(memo.Memo1->Text(), "a\r\nb");
    // Pressed, then released away from the button: nothing runs.
    QTest::mousePress(&reverse, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&reverse, Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(memo.Memo1->Text(), "a\r\nb");
    TxpCheckBox& wrap = *memo.CheckBox_wrap;
    const bool before = wrap.Checked();
    QTest::mouseClick(&wrap, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_NE(wrap.Checked(), before);
}

TEST_F(SkinControls, MenuButtonsShowPressedWhileTheirMenuRuns) {
    Start("");
    TToolbarButton97& file = *(*form).ToolbarButton97_file;
    TButtonState97 during = bsUp;
    file.OnClick = [&] { during = file.Flags().state; };
    QTest::mouseClick(&file, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(during, bsDown);
    EXPECT_EQ(file.Flags().state, bsUp);
}
