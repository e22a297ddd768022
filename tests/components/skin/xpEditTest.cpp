#include "components/skin/xpEdit.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using core::TColor;

TColor At(const QImage& image, int x, int y) {
    return platform::FromQColor(image.pixelColor(x, y));
}

TColor Rgb(TColor c) {
    return core::ColorToRGB(c);
}

bool Untouched(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).alpha() == 0;
}

TEST(TxpEdit, ANewEditIsFifteenHighFlatSquareWithTwoPixelMargins) {
    TxpEdit edit;
    EXPECT_EQ(edit.height(), 15);
    EXPECT_EQ(edit.Style(), esFlat);
    EXPECT_FALSE(edit.Rounded());
    EXPECT_EQ(edit.MarginLeft(), 2);
    EXPECT_EQ(edit.MarginRight(), 2);
    EXPECT_EQ(edit.ActiveFrameColor(), core::clNavy);
    EXPECT_EQ(edit.InActiveFrameColor(), core::clBtnShadow);
    edit.SetRoundRadius(0);
    EXPECT_EQ(edit.RoundRadius(), 1);
    edit.SetMarginLeft(-3);
    EXPECT_EQ(edit.MarginLeft(), 0);
}

// Each case: the look, the state, then the colour expected at the outer frame's top-left
// straight edge (2, 0), the inner line (2, 1), the outer bottom (2, h-1) and the inner
// bottom (2, h-2).
TEST(TxpEdit, FramePixelsInBothStylesHotAndCold) {
    const struct {
        TxpEditStyle style;
        bool hot;
        TColor top, innerTop, bottom, innerBottom;
    } cases[] = {
        {esXP, false, core::clBtnShadow, core::clWindow, core::clBtnShadow, core::clWindow},
        {esXP, true, core::clNavy, core::clWindow, core::clNavy, core::clWindow},
        {esFlat, false, core::cl3DDkShadow, core::clActiveBorder, core::clActiveBorder,
         core::clWindow},
        {esFlat, true, core::clNavy, core::clActiveBorder, core::clNavy, core::clWindow},
    };
    for (bool rounded : {false, true})
        for (const auto& c : cases) {
            TxpEdit edit;
            edit.resize(60, 21);
            edit.SetStyle(c.style);
            edit.SetRounded(rounded);
            if (c.hot) edit.MouseEnter();
            const QImage img = edit.RenderFrame();
            const int h = 21;
            SCOPED_TRACE(testing::Message()
                         << "style " << c.style << " hot " << c.hot << " rounded " << rounded);
            EXPECT_EQ(At(img, 10, 0), Rgb(c.top));
            EXPECT_EQ(At(img, 10, 1), Rgb(c.innerTop));
            EXPECT_EQ(At(img, 10, h - 1), Rgb(c.bottom));
            EXPECT_EQ(At(img, 10, h - 2), Rgb(c.innerBottom));
            EXPECT_EQ(At(img, 0, 10), Rgb(c.top));
            EXPECT_EQ(At(img, 59, 10), Rgb(c.bottom));
            EXPECT_TRUE(Untouched(img, 10, 5));
            EXPECT_EQ(Untouched(img, 0, 0), rounded);
        }
}

TEST(TxpEdit, LeavingKeepsTheActiveColourOnlyWhileFocused) {
    TxpEdit edit;
    edit.resize(60, 21);
    edit.SetStyle(esXP);
    edit.MouseEnter();
    EXPECT_EQ(At(edit.RenderFrame(), 10, 0), Rgb(core::clNavy));
    edit.MouseLeave();
    EXPECT_EQ(At(edit.RenderFrame(), 10, 0), Rgb(core::clBtnShadow));
    edit.SetActiveFrameColor(core::clRed);
    edit.MouseEnter();
    EXPECT_EQ(At(edit.RenderFrame(), 10, 0), Rgb(core::clRed));
}

TEST(TxpEdit, RoundRegionCutsTheCornersOnly) {
    EXPECT_FALSE(InRoundRegion(0, 0, 0, 0, 61, 22, 4));
    EXPECT_TRUE(InRoundRegion(1, 0, 0, 0, 61, 22, 4));
    EXPECT_TRUE(InRoundRegion(59, 10, 0, 0, 61, 22, 4));
    EXPECT_FALSE(InRoundRegion(60, 10, 0, 0, 61, 22, 4));
    EXPECT_FALSE(InRoundRegion(59, 20, 0, 0, 61, 22, 4));
    EXPECT_TRUE(InRoundRegion(0, 0, 0, 0, 61, 22, 1));
}

TEST(TxpEdit, KeyDownCanConsumeTheKey) {
    TxpEdit edit;
    int changes = 0;
    int enters = 0;
    edit.OnChange = [&] { ++changes; };
    edit.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        if (key != Qt::Key_Return) return;
        key = 0;
        ++enters;
    };
    QTest::keyClicks(&edit, "5 1");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "5 1");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(enters, 1);
}

} // namespace
