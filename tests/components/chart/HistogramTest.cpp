#include "components/chart/Histogramm.h"
#include "components/chart/Image.h"
#include "components/chart/KerfGraphModel.h"

#include <gtest/gtest.h>

using kerfgraph::RoundInt;

namespace {

constexpr core::TColor kWhite = 0xFFFFFF, kBlack = 0x000000, kBlue = 0xFF0000, kRed = 0x0000FF;

struct Drawn {
    TImage image;
    TIntHistogramm h;
    Drawn(int w, int hgt, int count = 45) : h(count, 1, count, &image) {
        image.SetPictureSize(w, hgt);
    }
    core::TColor At(int x, int y) { return image.Picture().Canvas().Pixel(x, y); }
};

TEST(IntArray, StartsClearedAndKeepsValues) {
    IntArray a(5);
    EXPECT_EQ(a.Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.GetValue(i), 0);
    a.SetValue(0, -7);
    a.SetValue(4, 2000000000);
    EXPECT_EQ(a.GetValue(0), -7);
    EXPECT_EQ(a.GetValue(4), 2000000000);
    a.Clear();
    EXPECT_EQ(a.GetValue(4), 0);
}

TEST(IntArray, IndicesOutsideAreIgnored) {
    IntArray a(3);
    a.SetValue(3, 9);
    a.SetValue(-1, 9);
    EXPECT_EQ(a.GetValue(3), 0);
    EXPECT_EQ(a.GetValue(-1), 0);
    EXPECT_EQ(IntArray(-4).Count(), 0);
}

TEST(Histogram, CreateAndMaxValue) {
    TImage image;
    TIntHistogramm h(45, 1, 45, &image);
    EXPECT_EQ(h.Count, 45);
    EXPECT_EQ(h.LowerBound, 1);
    EXPECT_EQ(h.UpperBound, 45);
    EXPECT_TRUE(h.ShowOuterBins);
    EXPECT_EQ(h.FirstLabel, 1);
    EXPECT_EQ(h.hv.Count(), 45);
    EXPECT_EQ(h.MaxValue(), 0);
    h.hv.SetValue(7, 12);
    EXPECT_EQ(h.MaxValue(), 12);
    h.AboveCount = 30;
    EXPECT_EQ(h.MaxValue(), 30);
    h.ShowOuterBins = false;
    EXPECT_EQ(h.MaxValue(), 12);
    h.Clear();
    EXPECT_EQ(h.hv.GetValue(7), 0);
    EXPECT_EQ(h.AboveCount, 0);
    EXPECT_EQ(h.MaxValue(), 0);
}

TEST(Histogram, LabelsPadOneDigitPositions) {
    TImage image;
    TIntHistogramm h(45, 1, 45, &image);
    struct Case {
        int first, bin;
        std::string text;
    };
    for (const Case& c :
         {Case{0, 0, " 0  "}, Case{0, 8, " 8  "}, Case{0, 9, "9 "}, Case{0, 44, "44 "},
          Case{1, 0, " 1  "}, Case{1, 8, " 9  "}, Case{1, 9, "10 "}}) {
        h.FirstLabel = c.first;
        EXPECT_EQ(h.BinLabel(c.bin), c.text) << c.first << "/" << c.bin;
    }
}

TEST(Histogram, BarsStandInTheirSlotsWithOuterBins) {
    Drawn d(470, 400);
    for (int i = 0; i < 45; ++i) d.h.hv.SetValue(i, i % 5);
    d.h.FirstLabel = 0;
    d.h.Draw();
    const float q = 400.0f / 5; // maximum 4
    const long double w = static_cast<float>(470.0L / 47);
    for (int i = 0; i < 45; ++i) {
        const int r = RoundInt(d.h.hv.GetValue(i) * static_cast<long double>(q));
        const int x1 = RoundInt((i + 1) * w), x2 = RoundInt((i + 2) * w);
        const int mid = (x1 + x2) / 2;
        if (r > 2) {
            EXPECT_EQ(d.At(mid, 400 - r), kBlue) << i;      // below the white outline
            EXPECT_EQ(d.At(mid, 400 - r - 1), kWhite) << i; // the outline
            EXPECT_EQ(d.At(mid, 400 - 4), kBlue) << i;
        }
        EXPECT_EQ(d.At(x1, 400 - 4), r > 1 ? kWhite : d.At(x1, 400 - 4)) << i;
    }
    // Bin 0 (value 0) stands in the second slot; the first slot is the left outer bar.
    EXPECT_EQ(RoundInt(w), 10);
}

TEST(Histogram, OuterBarsAreRed) {
    Drawn d(470, 400);
    d.h.BelowCount = 3;
    d.h.AboveCount = 1;
    d.h.Draw();
    // q = 400 / 4 = 100: the left bar is 300 pixels high, the right one 100.
    EXPECT_EQ(d.At(6, 395), kRed);
    EXPECT_EQ(d.At(6, 400 - 299), kRed);
    EXPECT_EQ(d.At(6, 400 - 305), kWhite);
    EXPECT_EQ(d.At(465, 395), kRed);
    EXPECT_EQ(d.At(465, 400 - 99), kRed);
    EXPECT_EQ(d.At(465, 400 - 105), kWhite);
}

TEST(Histogram, AllZeroHasScaleLinesOnlyAtBottomAndTop) {
    Drawn d(470, 400);
    d.h.Draw();
    // q = H: lines at 400 (below the picture) and 0.
    int rows = 0;
    for (int y = 1; y < 399; ++y)
        if (d.At(300, y) == kBlack) ++rows;
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(d.At(300, 0), kBlack); // a dot of the top line over the frame
    EXPECT_EQ(d.At(303, 0), kBlue);  // a gap shows the blue frame
    EXPECT_EQ(d.At(0, 200), kBlack); // the black strip at the left edge
    EXPECT_EQ(d.At(1, 200), kBlack);
}

TEST(Histogram, ScaleHasALineForEveryCountAndOneMore) {
    Drawn d(470, 400);
    d.h.hv.SetValue(20, 3); // q = 100
    d.h.Draw();
    std::vector<int> rows;
    for (int y = 0; y < 400; ++y)
        if (d.At(462, y) == kBlack) rows.push_back(y);
    // m + 2 = 5 lines: 400 lies below the picture.
    EXPECT_EQ(rows, (std::vector<int>{0, 100, 200, 300}));
}

TEST(Histogram, WithoutOuterBinsTheBarsSpanTheWidth) {
    Drawn d(450, 300, 45);
    d.h.ShowOuterBins = false;
    for (int i = 0; i < 45; ++i) d.h.hv.SetValue(i, 2);
    d.h.Draw();
    // w = 10, q = 100: every bar from x = 10 i, 200 pixels high.
    for (int i = 1; i < 45; ++i) {
        EXPECT_EQ(d.At(10 * i + 5, 150), kBlue) << i;
        EXPECT_EQ(d.At(10 * i, 150), kWhite) << i;
    }
    // Without outer bins the bar reaches up to H - r itself, where its outline lies.
    EXPECT_EQ(d.At(205, 101), kBlue);
    EXPECT_EQ(d.At(205, 100), kWhite);
    EXPECT_EQ(d.At(205, 99), kWhite);
}

TEST(Histogram, NothingToDrawOnIsHarmless) {
    Drawn empty(0, 0);
    empty.h.hv.SetValue(1, 5);
    empty.h.Draw();
    EXPECT_TRUE(empty.image.Picture().Image().isNull());
    Drawn none(100, 100, 0);
    none.h.ShowOuterBins = false;
    none.h.Draw();
    TIntHistogramm orphan(5, 1, 5, nullptr);
    orphan.Draw();
}

} // namespace
