#include "components/skin/xpWindow.h"
#include "platform/Form.h"

#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

// A blue-skinned window (border 4) on the 800 x 800 offscreen screen, dragged by the caption or
// an edge: sizing moves the window, as the snap keeps the size; the size limit holds the far edge.
TEST(xpWindowTrack, DragsAndSizesSnapAndKeepTheLimits) {
    platform::TForm form;
    TxpWindow skin(&form);
    skin.StickWindow.Active = true;
    skin.SizeInfo.MaxTrackWidth = 400;
    skin.SizeInfo.Active = true;
    form.show();
    const std::tuple<QPoint, QPoint, QRect> cases[] = {
        {{150, 16}, {430, 0}, {500, 100, 300, 200}},
        {{298, 100}, {385, 0}, {100, 100, 400, 200}},
        {{1, 100}, {-85, 0}, {0, 100, 385, 200}},
    };
    for (const auto& [at, delta, out] : cases) {
        form.setGeometry(100, 100, 300, 200);
        QTest::mousePress(&form, Qt::LeftButton, {}, at);
        QTest::mouseMove(&form, at + delta);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, at + delta);
        EXPECT_EQ(form.geometry(), out) << delta.x();
    }
}

TEST(xpWindowTrack, MaximisedWindowTakesTheStoredSizeAndPlace) {
    platform::TForm form;
    TxpWindow skin(&form);
    skin.SizeInfo.MaxSizeWidth = 500;
    skin.SizeInfo.MaxPositionY = 40;
    skin.SizeInfo.Active = true;
    form.setGeometry(100, 100, 300, 200);
    form.showMaximized();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(form.isMaximized());
    EXPECT_EQ(form.geometry(), QRect(0, 40, 500, 800));
    form.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.geometry(), QRect(100, 100, 300, 200));
}
