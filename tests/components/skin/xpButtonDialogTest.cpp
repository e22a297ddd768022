#include "components/skin/xpButton.h"
#include "platform/Form.h"
#include "tests/support/ScriptedDialogs.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A dialog that leaves Esc to its buttons, with OK (Default, 1) and Cancel (Cancel, 2).
struct Dialog : platform::TForm {
    TxpButton ok{clientArea()}, cancel{clientArea()};
    std::string clicked;
    Dialog() {
        ok.SetDefault(true);
        ok.SetModalResult(1);
        ok.OnClick = [this] { clicked += "ok"; };
        cancel.SetCancel(true);
        cancel.SetModalResult(2);
        cancel.OnClick = [this] { clicked += "cancel"; };
    }
    bool FormKeyDown(int, Qt::KeyboardModifiers) override { return false; }
};

} // namespace

TEST(xpButtonDialog, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
    const struct {
        Qt::Key key;
        bool okEnabled;
        int result;
        std::string clicked;
        bool okDisablesItself = false; // an OnClick that disables its button keeps the form open
    } cases[] = {
        {Qt::Key_Return, true, 1, "ok"},     {Qt::Key_Enter, true, 1, "ok"},
        {Qt::Key_Escape, true, 2, "cancel"}, {Qt::Key_Space, true, 0, ""},
        {Qt::Key_Return, false, 0, ""},      {Qt::Key_Return, true, 0, "", true},
    };
    for (const auto& c : cases) {
        testing_support::ScopedDialogs seam;
        Dialog d;
        d.ok.SetEnabled(c.okEnabled);
        if (c.okDisablesItself) d.ok.OnClick = [&] { d.ok.SetEnabled(false); };
        seam->onModal = [&](platform::TForm& f) { QTest::keyClick(&f, c.key); };
        d.ShowModal();
        EXPECT_EQ(d.ModalResult(), c.result) << c.key;
        EXPECT_EQ(d.clicked, c.clicked) << c.key;
    }
}

// On screen, the result closes the form and ends the modal loop.
TEST(xpButtonDialog, ANonZeroResultClosesTheModalForm) {
    Dialog d;
    QTimer::singleShot(0, &d, [&] { QTest::keyClick(&d, Qt::Key_Escape); });
    QTimer::singleShot(5000, &d, &QWidget::close); // a failing test still returns
    d.ShowModal();
    EXPECT_EQ(d.ModalResult(), 2);
    EXPECT_FALSE(d.isVisible());
}
