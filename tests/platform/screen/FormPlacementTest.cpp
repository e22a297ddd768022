#include "platform/Form.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace {

// Runs on a virtual screen of 1024 x 768 whose windows get a frame from the window system.
TEST(FormPlacement, ResultWindowsFrameStandsAtTheTopOfTheScreen) {
    platform::TForm form;
    form.SetCaption("Statistics");
    form.PlaceAsResultWindow(710);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    ASSERT_NE(form.frameGeometry(), form.geometry()) << "the screen gives windows no frame";

    const QRect placed((1024 - 710) / 2, 0, 710, 768 - 20);
    EXPECT_EQ(form.frameGeometry(), placed);
    EXPECT_EQ(QRect(form.Left(), form.Top(), form.Width(), form.Height()), placed);
    // The client area sits inside the whole frame, as the form base reports it.
    const QMargins frame = form.FrameMargins();
    EXPECT_EQ(form.clientArea()->mapToGlobal(QPoint(0, 0)),
              placed.topLeft() + QPoint(frame.left(), frame.top()));
    EXPECT_EQ(form.clientArea()->height(), placed.height() - frame.top() - frame.bottom());

    // Esc maximises and restores: the restored window is whole on the screen again.
    form.ToggleMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(form.IsMaximized());
    form.ToggleMaximized();
    QApplication::processEvents();
    EXPECT_EQ(form.frameGeometry(), placed);
}

} // namespace
