#include "components/skin/xpEdit.h"
#include "tests/support/SkinTestPixels.h"

#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace skin_test;
using core::ColorToRGB;

namespace {

bool Untouched(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).alpha() == 0;
}

} // namespace

TEST(TxpEdit, ANewEditIsFifteenHighFlatSquareWithTwoPixelMarginsAndSettersClamp) {
    TxpEdit edit;
    EXPECT_EQ(std::tuple(edit.height(), edit.Style(), edit.Rounded(), edit.MarginLeft(),
                         edit.MarginRight()),
              std::tuple(15, esFlat, false, 2, 2));
    edit.SetRoundRadius(0);
    EXPECT_EQ(edit.RoundRadius(), 1);
    edit.SetMarginLeft(-3);
    EXPECT_EQ(edit.MarginLeft(), 0);
}

// Each case: the look, the state, then the colour expected at the outer frame's top edge
// (10, 0), the inner line (10, 1), the outer bottom (10, h-1) and the inner bottom (10, h-2).
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
    const int h = 21;
    for (bool rounded : {false, true})
        for (const auto& c : cases) {
            TxpEdit edit;
            edit.resize(60, h);
            edit.SetStyle(c.style);
            edit.SetRounded(rounded);
            if (c.hot) edit.MouseEnter();
            const QImage img = edit.RenderFrame();
            SCOPED_TRACE(testing::Message()
                         << "style " << c.style << " hot " << c.hot << " rounded " << rounded);
            const TColor top = ColorToRGB(c.top), bottom = ColorToRGB(c.bottom);
            const Pixel frame[] = {
                {10, 0, top}, {10, 1, ColorToRGB(c.innerTop)},        {10, h - 1, bottom},
                {0, 10, top}, {10, h - 2, ColorToRGB(c.innerBottom)}, {59, 10, bottom},
            };
            ExpectPixels(img, frame, "frame");
            EXPECT_TRUE(Untouched(img, 10, 5));
            EXPECT_EQ(Untouched(img, 0, 0), rounded);
        }
}

TEST(TxpEdit, LeavingDropsTheActiveColour) {
    TxpEdit edit;
    edit.resize(60, 21);
    edit.SetStyle(esXP);
    edit.MouseEnter();
    edit.MouseLeave();
    EXPECT_EQ(At(edit.RenderFrame(), 10, 0), ColorToRGB(core::clBtnShadow));
    edit.SetActiveFrameColor(core::clRed);
    edit.MouseEnter();
    EXPECT_EQ(At(edit.RenderFrame(), 10, 0), ColorToRGB(core::clRed));
}

TEST(TxpEdit, RoundRegionCutsTheCornersOnly) {
    const struct {
        int x, y, r;
        bool in;
    } cases[] = {{0, 0, 4, false},   {1, 0, 4, true},    {59, 10, 4, true},
                 {60, 10, 4, false}, {59, 20, 4, false}, {0, 0, 1, true}};
    for (const auto& k : cases)
        EXPECT_EQ(InRoundRegion(k.x, k.y, 0, 0, 61, 22, k.r), k.in) << k.x << "," << k.y;
}

TEST(TxpEdit, KeyDownCanConsumeTheKey) {
    TxpEdit edit;
    int changes = 0, enters = 0;
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
