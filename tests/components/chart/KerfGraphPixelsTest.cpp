#include "components/chart/KerfGraph.h"
#include "components/chart/KerfGraphPaint.h"
#include "tests/support/ScriptedDialogs.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using kerfgraph::RoundInt;

namespace {

constexpr core::TColor kWhite = 0xFFFFFF, kBlack = 0x000000, kLime = 0x00FF00;

// The chart as the chart window shows it: 705 x 413, no legend, fed like a command feeds it.
std::unique_ptr<TKerfsoftGraph> WindowChart(const std::vector<double>& values) {
    auto g = std::make_unique<TKerfsoftGraph>();
    g->resize(705, 413);
    g->ShowLegend = false;
    g->ClearGraph();
    for (std::size_t i = 0; i < values.size(); ++i)
        g->SetValue(1, static_cast<int>(i) + 1, values[i]);
    g->SetYRange(1000, 0);
    g->AutoScale();
    g->ResizeGraph();
    return g;
}

std::vector<double> Varied(int n) {
    std::vector<double> v;
    for (int i = 1; i <= n; ++i) v.push_back(100 + (i * 37) % 60);
    return v;
}

core::TColor Pixel(TKerfsoftGraph& g, int x, int y) {
    return g.Picture().Canvas().Pixel(x, y);
}

// A row between two scale lines, just above the X axis.
int RowAboveAxis(const kerfgraph::ChartLayout& l) {
    return l.AxisY - l.RowHeight / 2;
}

TEST(KerfGraphPixels, BarsAreLimeWithWhiteBetweenThem) {
    auto g = WindowChart(Varied(45));
    const auto& l = g->Layout();
    ASSERT_EQ(l.bars.size(), 45u);
    const int y = RowAboveAxis(l);
    for (const auto& b : l.bars) {
        const int centre = (b.box.x1 + b.box.x2) / 2;
        EXPECT_EQ(Pixel(*g, centre, y), kLime) << centre;
        EXPECT_EQ(Pixel(*g, centre, b.box.y2 + 2), kLime) << centre;
        EXPECT_EQ(Pixel(*g, b.box.x1, y), kBlack) << "outline at " << b.box.x1;
        EXPECT_EQ(Pixel(*g, b.box.x2, y), kWhite) << "gap at " << b.box.x2;
        EXPECT_EQ(Pixel(*g, centre, b.box.y2 - 2), kWhite) << "above the bar at " << centre;
    }
}

TEST(KerfGraphPixels, AxesAreBlackAndThick) {
    auto g = WindowChart(Varied(45));
    const auto& l = g->Layout();
    const int ml = g->Data.MarginLeft;
    for (int dx : {-1, 0, 1}) EXPECT_EQ(Pixel(*g, ml + dx, RowAboveAxis(l)), kBlack) << dx;
    const int gapX = l.bars[3].box.x2;
    for (int dy : {-1, 0, 1}) EXPECT_EQ(Pixel(*g, gapX, l.AxisY + dy), kBlack) << dy;
    EXPECT_EQ(Pixel(*g, gapX, l.AxisY + 3), kWhite);
}

TEST(KerfGraphPixels, GridLinesAreDotted) {
    auto g = WindowChart(Varied(45));
    const auto& l = g->Layout();
    const int y = l.gridLines[29].y1; // high above every bar
    int black = 0, white = 0;
    for (int x = g->Data.MarginLeft + 3; x < l.gridLines[29].x2 - 3; ++x)
        (Pixel(*g, x, y) == kBlack ? black : white)++;
    EXPECT_GT(black, 100);
    EXPECT_GT(white, 100);
    EXPECT_EQ(Pixel(*g, 200, y + 1), kWhite);
}

TEST(KerfGraphPixels, MarkButtonColourStaysLime) {
    auto g = WindowChart(Varied(45));
    g->SetSchemeColor(1, 1, 0x0000FF);
    g->ShowAsMark();
    g->SetSchemeColor(1, 1, 0x00FF00);
    const auto& l = g->Layout();
    ASSERT_EQ(l.marks.size(), 45u);
    const int s = g->Data.MarkSize;
    for (const auto& m : l.marks) {
        EXPECT_EQ(Pixel(*g, m.at.x, m.at.y - s), kLime) << m.at.x;
        EXPECT_EQ(Pixel(*g, m.at.x - s, m.at.y), kLime) << m.at.x;
        EXPECT_EQ(Pixel(*g, m.at.x, m.at.y), kWhite) << "filled white at " << m.at.x;
    }
    EXPECT_TRUE(l.bars.empty());
}

TEST(KerfGraphPixels, LinesAreThickInTheSeriesColour) {
    auto g = WindowChart(std::vector<double>(45, 150));
    g->ShowAsLine();
    const auto& l = g->Layout();
    const int y = l.lines[0].points[0].y;
    const int x = (l.lines[0].points[3].x + l.lines[0].points[4].x) / 2;
    for (int dy : {-1, 0, 1}) EXPECT_EQ(Pixel(*g, x, y + dy), kLime) << dy;
}

TEST(KerfGraphPixels, AverageLineCrossesTheGapsBetweenBars) {
    auto g = WindowChart(std::vector<double>(45, 150));
    const int gapX = g->Layout().bars[10].box.x2;
    const int avgY = g->Layout().bars[10].box.y2; // one series: the average is the value
    EXPECT_EQ(Pixel(*g, gapX, avgY), kWhite);
    g->ShowAsBarWithAve();
    EXPECT_TRUE(g->Layout().hasAverages);
    EXPECT_EQ(g->Layout().averages.points[10].y, avgY);
    for (int dy : {-1, 0, 1}) EXPECT_EQ(Pixel(*g, gapX, avgY + dy), kBlack) << dy;
    EXPECT_EQ(Pixel(*g, (g->Layout().bars[10].box.x1 + gapX) / 2, RowAboveAxis(g->Layout())),
              kLime);
}

TEST(KerfGraphPixels, InfoBoxShowsWhilePressedAndGoesOnRelease) {
    auto g = WindowChart(Varied(45));
    const QImage before = g->Picture().Image().copy();
    const auto& bar = g->Layout().bars[9];
    const int x = bar.box.x1 + 9, y = RowAboveAxis(g->Layout()) - 40; // right half of bar 10
    g->MousePressed(Qt::LeftButton, x, y);
    EXPECT_TRUE(g->InfoShown);
    EXPECT_EQ(g->InfoPoint, 10);
    EXPECT_EQ(g->InfoSeries, 1);
    // The box covers the bar in white; its shadow lies black below and right of it.
    EXPECT_EQ(Pixel(*g, x + 20, y + 2), kWhite);
    EXPECT_EQ(Pixel(*g, x + 1, y + 1), kWhite);
    EXPECT_EQ(Pixel(*g, x, y), kBlack); // outline
    EXPECT_NE(g->Picture().Image(), before);
    g->MouseReleased(Qt::LeftButton, x, y);
    EXPECT_FALSE(g->InfoShown);
    EXPECT_EQ(g->Picture().Image(), before);
}

TEST(KerfGraphPixels, InfoBoxShadowAtTheLaidOutPlace) {
    auto g = WindowChart(Varied(45));
    const int x = g->Layout().bars[4].box.x1 + 2, y = 150;
    g->MousePressed(Qt::LeftButton, x, y); // left half: every series listed
    EXPECT_EQ(g->InfoSeries, 0);
    // Find the box's right edge on row y + 2: white inside, black outline, then the shadow.
    int right = x + 1;
    while (Pixel(*g, right, y + 2) == kWhite) ++right;
    EXPECT_EQ(Pixel(*g, right, y + 2), kBlack);
    EXPECT_EQ(Pixel(*g, right + 2, y + 5), kBlack); // shadow
    g->MouseReleased(Qt::LeftButton, x, y);
}

TEST(KerfGraphPixels, RightButtonLeavesNoInfoBox) {
    testing_support::ScopedDialogs dialogs;
    auto g = WindowChart(Varied(45));
    const QImage before = g->Picture().Image().copy();
    g->MousePressed(Qt::RightButton, 200, 200);
    g->MousePressed(Qt::RightButton, 200, 5); // above the plot: no header edit either
    EXPECT_FALSE(g->InfoShown);
    EXPECT_EQ(g->Picture().Image(), before);
    EXPECT_TRUE(dialogs->prompts.empty());
    g->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              before.convertToFormat(QImage::Format_RGB32));
}

TEST(KerfGraphPixels, NoInfoBoxWithoutMouseInfo) {
    auto g = WindowChart(Varied(45));
    g->MouseInfo = false;
    g->MousePressed(Qt::LeftButton, 200, 200);
    EXPECT_FALSE(g->InfoShown);
}

TEST(KerfGraphMouse, HeaderClicksEditTheHeaders) {
    testing_support::ScopedDialogs dialogs;
    auto g = WindowChart(Varied(10));
    g->SetHeader("Top");
    dialogs->inputs.push_back(std::string(80, 'h'));
    g->MousePressed(Qt::LeftButton, 300, 3);
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "KerfGraph");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Top->");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "Top");
    EXPECT_EQ(g->Data.Header, std::string(70, 'h'));
    EXPECT_FALSE(g->InfoShown);

    dialogs->inputs.push_back(std::nullopt); // Cancel keeps the text
    g->MousePressed(Qt::LeftButton, 300, g->Data.MarginTop + g->Data.PlotHeight + 2);
    ASSERT_EQ(dialogs->prompts.size(), 2u);
    EXPECT_EQ(dialogs->prompts[1].prompt, "->");
    EXPECT_EQ(g->Data.XAxisHeader, "");

    g->MouseEdit = false;
    g->MousePressed(Qt::LeftButton, 300, 3);
    EXPECT_EQ(dialogs->prompts.size(), 2u);
}

TEST(KerfGraphMouse, LegendDragMovesThePlotEdge) {
    struct Case {
        int dx;
        int plotWidth, legendWidth;
    };
    for (const Case c : {Case{20, 702, 130}, Case{-30, 652, 180},
                         Case{400, 682 + 150, 0},      // the legend cannot go below 0
                         Case{-900, 10, 150 + 672}}) { // the plot keeps 10 pixels
        auto g = WindowChart(Varied(45));
        const int r = g->Data.MarginLeft + g->Data.PlotWidth;
        ASSERT_EQ(g->Data.PlotWidth, 682);
        g->MousePressed(Qt::LeftButton, r - 2, 200);
        EXPECT_TRUE(g->LegendDrag);
        EXPECT_FALSE(g->InfoShown);
        g->MouseReleased(Qt::LeftButton, r - 2 + c.dx, 200);
        EXPECT_FALSE(g->LegendDrag);
        EXPECT_EQ(g->Data.PlotWidth, c.plotWidth) << c.dx;
        EXPECT_EQ(g->LegendWidth, c.legendWidth) << c.dx;
    }
}

TEST(KerfGraphDegenerate, ZeroSizePictureDrawsNothing) {
    TKerfsoftGraph g;
    g.resize(0, 0);
    g.ResizeGraph();
    g.ClearGraph();
    g.SetValue(1, 1, 5);
    g.AutoScale();
    EXPECT_TRUE(g.Picture().Image().isNull());
    g.MousePressed(Qt::LeftButton, 50, 50);
    g.MouseReleased(Qt::LeftButton, 50, 50);
    g.CopyToClipboard();
}

TEST(KerfGraphDegenerate, TooNarrowForItsColumnsStaysBlank) {
    auto g = std::make_unique<TKerfsoftGraph>();
    g->resize(100, 200);
    g->ShowLegend = false;
    g->ClearGraph();
    for (int p = 1; p <= 100; ++p) g->SetValue(1, p, p);
    g->AutoScale();
    g->ResizeGraph();
    EXPECT_EQ(g->Layout().ColumnWidth, 0);
    const QImage& img = g->Picture().Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) ASSERT_EQ(Pixel(*g, x, y), kWhite) << x << "," << y;
    g->MousePressed(Qt::LeftButton, 50, 100);
    EXPECT_FALSE(g->InfoShown);
}

TEST(KerfGraphTypes, EveryTypeDraws) {
    testing_support::ScopedDialogs dialogs;
    for (int type = 1; type <= 9; ++type) {
        auto g = std::make_unique<TKerfsoftGraph>(); // the demo data
        g->resize(705, 413);
        g->DefaultGraphType = type;
        g->ResizeGraph();
        g->AutoScale();
        int coloured = 0;
        const QImage& img = g->Picture().Image();
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const auto c = Pixel(*g, x, y);
                if (c != kWhite && c != kBlack && c != 0x800000) ++coloured;
            }
        EXPECT_GT(coloured, 200) << type;
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST(KerfGraphTypes, PieSharesInSeriesColours) {
    auto g = std::make_unique<TKerfsoftGraph>();
    g->resize(705, 413);
    g->ShowLegend = false;
    g->ClearGraph();
    g->DefaultGraphType = 6;
    g->SetValue(1, 1, 1);
    g->SetValue(1, 2, 3);
    g->ResizeGraph();
    g->AutoScale();
    const auto& s = g->Layout().slices;
    ASSERT_EQ(s.size(), 2u);
    const int cx = s[0].center.x, cy = s[0].center.y, r = s[0].radius;
    // Point 1 holds a quarter from twelve o'clock counter-clockwise: the upper left.
    EXPECT_EQ(Pixel(*g, cx - r / 2, cy - r / 2), kLime);
    EXPECT_EQ(Pixel(*g, cx + r / 2, cy - r / 2), 0xFF0000u); // point 2 in blue
    EXPECT_EQ(Pixel(*g, cx + r / 2, cy + r / 2), 0xFF0000u);
}

TEST(KerfGraphTypes, UnknownTypeIsReported) {
    testing_support::ScopedDialogs dialogs;
    auto g = WindowChart(Varied(5));
    g->Data.GraphType = 10;
    g->UpdateGraph();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "DefaultGraphType not supported");
}

TEST(KerfGraphTypes, TransposedChartShowsOneColumnOfBars) {
    auto g = WindowChart(Varied(45));
    g->Transpose();
    EXPECT_EQ(g->Data.NumSeries, 45);
    EXPECT_EQ(g->Data.NumPoints, 1);
    EXPECT_TRUE(g->Layout().legends.empty());
    EXPECT_EQ(g->Layout().bars.size(), 45u);
    const auto& b = g->Layout().bars[0].box;
    EXPECT_EQ(Pixel(*g, (b.x1 + b.x2) / 2, RowAboveAxis(g->Layout())), kLime);
    EXPECT_EQ(Pixel(*g, (g->Layout().bars[1].box.x1 + g->Layout().bars[1].box.x2) / 2,
                    RowAboveAxis(g->Layout())),
              0xFF0000u); // series 2 in blue
}

} // namespace

namespace {

// The leftmost and rightmost columns holding a pixel of the axis font's colour in rows y0..y1.
std::pair<int, int> InkColumns(TKerfsoftGraph& g, int x1, int y0, int y1, core::TColor ink) {
    int first = -1, last = -1;
    for (int x = 0; x < x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (Pixel(g, x, y) == ink) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

// A seven-digit label fits left of the axis, whole, and the axis moved no further than it.
TEST(KerfGraphPixels, WideYLabelsFitLeftOfTheAxis) {
    auto g = WindowChart({2978283, 1500000, 17});
    const auto& l = g->Layout();
    const auto& d = g->Data;
    ASSERT_GT(d.MarginLeft, kerfgraph::kDefaultMarginLeft);
    // Labels end 3 pixels left of the axis; the widest starts 2 pixels in.
    int leftmost = INT_MAX;
    for (const auto& t : l.scaleLabels) leftmost = std::min(leftmost, t.x);
    EXPECT_EQ(leftmost, 2);
    const auto [first, last] =
        InkColumns(*g, d.MarginLeft - 1, d.MarginTop, l.AxisY, g->AxisFontColor);
    EXPECT_GE(first, 2);
    EXPECT_LE(last, d.MarginLeft - 3);

    // Narrow labels keep the axis where it always stood.
    auto narrow = WindowChart(Varied(45));
    EXPECT_EQ(narrow->Data.MarginLeft, kerfgraph::kDefaultMarginLeft);
}

// Rows lower than the axis font: every label keeps its top row, as drawn alone.
TEST(KerfGraphPixels, CrowdedYLabelsDoNotEraseEachOther) {
    auto g = WindowChart({300, 5, 7});
    g->resize(705, 300);
    g->ResizeGraph();
    const auto& l = g->Layout();
    // Each label's glyphs, drawn alone on a white picture, against the chart.
    platform::TBitmap alone(g->Picture().Width(), g->Picture().Height());
    auto& c = alone.Canvas();
    kerfgraph::SelectFont(c, *g, kerfgraph::FontKind::Axis);
    const int h = c.TextHeight("0");
    ASSERT_LT(l.RowHeight, h);
    for (const auto& t : l.scaleLabels) {
        kerfgraph::SelectFont(c, *g, kerfgraph::FontKind::Axis);
        c.FillRect(0, 0, alone.Width(), alone.Height());
        c.TextOut(t.x, t.y, t.text);
        for (int y = t.y; y < t.y + h; ++y)
            for (int x = t.x; x < g->Data.MarginLeft - 2; ++x)
                if (c.Pixel(x, y) == g->AxisFontColor) {
                    ASSERT_EQ(Pixel(*g, x, y), g->AxisFontColor)
                        << t.text << " at " << x << "," << y;
                }
    }
}
