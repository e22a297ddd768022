#include "components/chart/KerfGraph.h"
#include "components/chart/KerfGraphLayout.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace kerfgraph;

namespace {

// Fixed measures: 6 pixels a character; heights 24 (header), 10 (legend), 14 (axis).
class FixedMetrics : public FontMetrics {
public:
    int TextWidth(FontKind, const std::string& text) const override { return 6 * CharCount(text); }
    int TextHeight(FontKind font, const std::string&) const override {
        return font == FontKind::Header ? 24 : font == FontKind::Legend ? 10 : 14;
    }
};

// A model fitted as the chart window fits its chart: 705 x 413, no legend.
struct Fitted {
    KerfGraphModel m;
    FixedMetrics fm;

    explicit Fitted(int points, double value = 10, int width = 705, int height = 413) {
        m.ClearGraph();
        m.ShowLegend = false;
        for (int p = 1; p <= points; ++p) m.SetValue(1, p, value);
        m.SetYRange(1000, 0);
        m.AutoScale();
        Fit(width, height);
    }
    void Fit(int width, int height) {
        m.Data.PlotHeight = std::max(10, height - 2 * m.Data.MarginTop);
        m.Data.PlotWidth =
            std::max(10, m.ShowLegend ? RoundInt(width - 1.5L * m.Data.MarginLeft - m.LegendWidth)
                                      : RoundInt(width - 0.5L * m.Data.MarginLeft));
    }
    ChartLayout Lay() {
        m.PrepareDrawing(fm.TextHeight(FontKind::Header, "Mg"));
        return LayOutChart(m, fm);
    }
};

TEST(KerfGraphLayoutStoredSize, FortyFivePointsGive14PixelColumns) {
    TKerfsoftGraph g;
    g.resize(705, 413);
    g.ShowLegend = false;
    g.ClearGraph();
    for (int p = 1; p <= 45; ++p) g.SetValue(1, p, p);
    g.SetYRange(1000, 0);
    g.AutoScale();
    g.ResizeGraph();
    EXPECT_EQ(g.Data.PlotWidth, 682);      // RoundEven(682.5)
    EXPECT_EQ(g.Layout().ColumnWidth, 14); // RoundEven(637 / 46)
    EXPECT_EQ(g.Layout().BarWidth, 13);    // RoundEven(14 / 1.1)
    EXPECT_EQ(g.Data.NumYLegends, 30);     // the 1001 steps of the range, clamped
}

TEST(KerfGraphLayoutBars, StandAtThePointsFromTheAxis) {
    Fitted f(45, 100);
    const auto l = f.Lay();
    ASSERT_TRUE(l.drawable);
    ASSERT_EQ(l.bars.size(), 45u);
    const int ml = f.m.Data.MarginLeft;
    for (int p = 1; p <= 45; ++p) {
        const auto& b = l.bars[p - 1];
        EXPECT_EQ(b.color, 1);
        EXPECT_EQ(b.box.x1, ml + p * 14 - 7);
        EXPECT_EQ(b.box.x2, ml + p * 14 - 7 + 13);
        EXPECT_EQ(b.box.y1, l.AxisY);
        EXPECT_EQ(b.box.y2, l.ZeroY - RoundInt(100.0L / f.m.Data.YStep * l.RowHeight));
    }
}

TEST(KerfGraphLayoutBars, SeveralSeriesShareTheColumn) {
    Fitted f(0);
    f.m.ClearGraph();
    for (int p = 1; p <= 10; ++p) {
        f.m.SetValue(1, p, 5);
        f.m.SetValue(2, p, 7);
    }
    f.m.AutoScale();
    const auto l = f.Lay();
    const int cw = l.ColumnWidth;
    EXPECT_EQ(l.BarWidth, RoundInt(cw / 2.5L));
    ASSERT_EQ(l.bars.size(), 20u);
    // Series first, then points.
    EXPECT_EQ(l.bars[10].color, 2);
    EXPECT_EQ(l.bars[10].box.x1, l.bars[0].box.x1 + l.BarWidth);
}

TEST(KerfGraphLayoutScale, ThirtyStepsDrawThirtyOneLinesTheTopOneUnlabelled) {
    Fitted f(20, 400);
    const auto l = f.Lay();
    ASSERT_EQ(l.gridLines.size(), 31u);
    ASSERT_EQ(l.scaleLabels.size(), 31u);
    EXPECT_EQ(l.scaleLabels[0].text, "0");
    EXPECT_EQ(l.scaleLabels[30].text, "");
    EXPECT_EQ(l.gridLines[0].y1, l.ZeroY);
    EXPECT_EQ(l.gridLines[30].y1, l.ZeroY - 30 * l.RowHeight);
    EXPECT_EQ(l.gridLines[0].x2, f.m.Data.MarginLeft + 21 * l.ColumnWidth);
    // Y labels are right-aligned 3 pixels left of the axis and centred on their line.
    EXPECT_EQ(l.scaleLabels[1].x, f.m.Data.MarginLeft - 3 - 6 * CharCount(l.scaleLabels[1].text));
    EXPECT_EQ(l.scaleLabels[1].y, l.gridLines[1].y1 - 7);
}

TEST(KerfGraphLayoutScale, RangeAboveZeroStartsAtTheAxis) {
    testing_support::ScopedDialogs dialogs;
    Fitted f(0);
    f.m.ClearGraph();
    f.m.SetValue(1, 1, 30);
    f.m.SetYRange(50, 10);
    // Drawn without AutoScale: the step and gap of the range stand.
    f.m.Data.NumPoints = 1;
    const auto l = f.Lay();
    EXPECT_EQ(f.m.Data.NumYLegends, 30);
    EXPECT_EQ(l.AxisY, f.m.Data.MarginTop + 30 * l.RowHeight);
    EXPECT_EQ(l.scaleLabels[0].text, "10");
    EXPECT_EQ(l.gridLines[0].y1, l.AxisY);
    EXPECT_EQ(l.scaleLabels[29].text, "39");
    EXPECT_EQ(l.scaleLabels[30].text, "");
}

TEST(KerfGraphLayoutXLabels, EveryTenthFromFiftyPointsOn) {
    struct Case {
        int points;
        std::vector<std::string> labels;
    };
    for (const Case& c :
         {Case{49, {}}, Case{50, {"10", "20", "30", "40", "50"}},
          Case{100, {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}}}) {
        Fitted f(c.points);
        const auto l = f.Lay();
        if (c.labels.empty()) {
            ASSERT_EQ(l.xLabels.size(), 49u);
            EXPECT_EQ(l.xLabels[48].text, "49");
            continue;
        }
        ASSERT_EQ(l.xLabels.size(), c.labels.size()) << c.points;
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(l.xLabels[i].text, c.labels[i]);
            const int centre = f.m.Data.MarginLeft + static_cast<int>(i + 1) * 10 * l.ColumnWidth;
            EXPECT_EQ(l.xLabels[i].x, centre - RoundInt(6 * CharCount(c.labels[i]) * 0.5L));
            EXPECT_EQ(l.xLabels[i].y, l.ZeroY + 3);
        }
    }
}

TEST(KerfGraphLayoutXLabels, NegativeDataPutsThemBelowThePlotHeight) {
    Fitted f(0);
    f.m.ClearGraph();
    for (int p = 1; p <= 60; ++p) f.m.SetValue(1, p, p % 2 ? -5 : 20);
    f.m.AutoScale();
    const auto l = f.Lay();
    ASSERT_EQ(l.xLabels.size(), 6u);
    EXPECT_EQ(l.xLabels[0].y, f.m.Data.PlotHeight + 4);
    EXPECT_EQ(l.GraphType, 3);
}

TEST(KerfGraphLayoutXLabels, ALongLabelSwitchesToNumbersAndAPointLegend) {
    Fitted f(5);
    f.m.ShowLegend = true;
    f.m.Data.PointLabels[3] = "0123456789";
    f.m.Data.PointLabels[2] = "two";
    const auto l = f.Lay();
    ASSERT_EQ(l.xLabels.size(), 5u);
    EXPECT_EQ(l.xLabels[1].text, "2");
    ASSERT_EQ(l.legends.size(), 1u); // one series: no series legend
    ASSERT_EQ(l.legends[0].lines.size(), 5u);
    // c = RoundEven(150 / 6) = 25, less 3.
    EXPECT_EQ(l.legends[0].lines[1].text.text, "2.two");
    EXPECT_EQ(l.legends[0].lines[2].text.text, "3.0123456789");
    const int r0 = f.m.Data.MarginLeft + f.m.Data.PlotWidth;
    EXPECT_EQ(l.legends[0].lines[0].text.x, r0 + 7);
    EXPECT_EQ(l.legends[0].box.x1, r0 + 3);
    EXPECT_EQ(l.legends[0].shadow.x2, r0 + 150 + 6);
}

TEST(KerfGraphLayoutXLabels, ShortLabelsAreWrittenAsTheyAre) {
    Fitted f(3);
    f.m.Data.PointLabels[2] = "123456789";
    const auto l = f.Lay();
    ASSERT_EQ(l.xLabels.size(), 3u);
    EXPECT_EQ(l.xLabels[1].text, "123456789");
    EXPECT_TRUE(l.legends.empty());
}

TEST(KerfGraphLayoutXLabels, OffsetAddsToThePointNumbers) {
    struct Case {
        int points;
        std::string first, last;
    };
    for (const Case& c : {Case{50, "210", "250"}, Case{30, "201", "230"}}) {
        Fitted f(c.points);
        f.m.OffsetXLabels = true;
        f.m.XLabelOffset = 200;
        const auto l = f.Lay();
        EXPECT_EQ(l.xLabels.front().text, c.first);
        EXPECT_EQ(l.xLabels.back().text, c.last);
    }
}

TEST(KerfGraphLayoutLegend, SeriesLegendListsEachSeriesWithASwatch) {
    KerfGraphModel m; // the demo: four series, legend shown
    m.Data.PlotWidth = 500;
    FixedMetrics fm;
    m.PrepareDrawing(24);
    const auto l = LayOutChart(m, fm);
    ASSERT_EQ(l.legends.size(), 1u);
    const auto& g = l.legends[0];
    ASSERT_EQ(g.lines.size(), 4u);
    const int f = 11; // RoundEven(10 x 1.1)
    const int r0 = m.Data.MarginLeft + 500;
    EXPECT_EQ(g.lines[1].swatch.color, 2);
    EXPECT_EQ(g.lines[1].swatch.box.x1, r0 + 7);
    EXPECT_EQ(g.lines[1].swatch.box.y1, m.Data.MarginTop + f + 7);
    EXPECT_EQ(g.lines[1].swatch.box.x2, r0 + 7 + 12 - 2);
    EXPECT_EQ(g.lines[1].text.text, "2.Series Legend");
    EXPECT_EQ(g.box.y2, m.Data.MarginTop + 4 * f + 8);
}

TEST(KerfGraphLayoutHeaders, CentredOverThePlotAndUnderTheScale) {
    Fitted f(10);
    f.m.SetHeader("abcd");
    f.m.SetXAxisHeader("xy");
    const auto l = f.Lay();
    const int mid = f.m.Data.MarginLeft + RoundInt(f.m.Data.PlotWidth * 0.5L);
    EXPECT_EQ(f.m.Data.MarginTop, 32);
    EXPECT_EQ(l.header.x, mid - 12);
    EXPECT_EQ(l.header.y, 32 - 24 - 2 + 1);
    EXPECT_EQ(l.xAxisHeader.x, mid - 6);
    EXPECT_EQ(l.xAxisHeader.y, 14 + 32 + 30 * l.RowHeight + 1);
}

TEST(KerfGraphLayoutTypes, AverageLineJoinsThePointAverages) {
    Fitted f(0);
    f.m.ClearGraph();
    for (int p = 1; p <= 8; ++p) {
        f.m.SetValue(1, p, p * 10);
        f.m.SetValue(2, p, 0);
    }
    f.m.SetValue(2, 8, 1);
    f.m.AutoScale();
    f.m.ShowAsBarWithAve();
    const auto l = f.Lay();
    ASSERT_TRUE(l.hasAverages);
    ASSERT_EQ(l.averages.points.size(), 8u);
    EXPECT_EQ(l.averages.points[2].x, f.m.Data.MarginLeft + 3 * l.ColumnWidth);
    EXPECT_EQ(l.averages.points[2].y, ValueY(f.m, l.ZeroY, l.RowHeight, 15));
}

TEST(KerfGraphLayoutTypes, LinesAndMarks) {
    Fitted f(6, 50);
    f.m.ShowAsLine();
    auto l = f.Lay();
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].points.size(), 6u);
    EXPECT_EQ(l.marks.size(), 6u);
    f.m.ShowAsMark();
    l = f.Lay();
    EXPECT_TRUE(l.lines.empty());
    ASSERT_EQ(l.marks.size(), 6u);
    EXPECT_EQ(l.marks[0].color, 1);
    EXPECT_EQ(l.marks[0].at.x, f.m.Data.MarginLeft + l.ColumnWidth);
}

TEST(KerfGraphLayoutTypes, PercentColumnsFillThePlot) {
    Fitted f(0);
    f.m.ClearGraph();
    f.m.DefaultGraphType = 5;
    for (int p = 1; p <= 4; ++p) {
        f.m.SetValue(1, p, p);
        f.m.SetValue(2, p, 10);
        f.m.SetValue(3, p, 3);
    }
    f.m.AutoScale();
    const auto l = f.Lay();
    EXPECT_EQ(f.m.Data.NumYLegends, 10);
    ASSERT_EQ(l.bars.size(), 12u);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(l.bars[p * 3].box.y1, l.ZeroY);
        EXPECT_EQ(l.bars[p * 3 + 2].box.y2, f.m.Data.MarginTop);
        // The stack gap: 3 pixels on a wide plot.
        EXPECT_EQ(l.bars[p * 3].box.x2 - l.bars[p * 3].box.x1, l.ColumnWidth - 3);
    }
}

TEST(KerfGraphLayoutTypes, StackedSegmentsSitOnEachOther) {
    Fitted f(0);
    f.m.ClearGraph();
    f.m.DefaultGraphType = 2;
    f.m.SetValue(1, 1, 40);
    f.m.SetValue(2, 1, 20);
    f.m.AutoScale();
    const auto l = f.Lay();
    ASSERT_EQ(l.bars.size(), 2u);
    EXPECT_EQ(l.bars[1].box.y1, l.bars[0].box.y2);
}

TEST(KerfGraphLayoutTypes, HorizontalBarsOfValuesAtTheirAverageHaveNoLength) {
    Fitted f(0);
    f.m.ClearGraph();
    f.m.DefaultGraphType = 9;
    for (int p = 1; p <= 5; ++p) f.m.SetValue(1, p, p * 3);
    f.m.AutoScale();
    const auto l = f.Lay();
    ASSERT_TRUE(l.drawable);
    ASSERT_EQ(l.bars.size(), 5u);
    const int x0 = f.m.Data.MarginLeft + (f.m.Data.NumYLegends / 2) * l.ColumnWidth;
    for (const auto& b : l.bars) {
        EXPECT_EQ(b.box.x1, x0);
        EXPECT_EQ(b.box.x2, x0);
    }
    EXPECT_EQ(l.axes.size(), 3u);
    ASSERT_EQ(l.xLabels.size(), 5u);
    EXPECT_EQ(l.xLabels[0].text, "1");
}

TEST(KerfGraphLayoutTypes, PieSlicesFromTheLargestShareDown) {
    Fitted f(0);
    f.m.ClearGraph();
    f.m.DefaultGraphType = 6;
    f.m.SetValue(1, 1, 1);
    f.m.SetValue(1, 2, 1);
    f.m.SetValue(1, 3, 2);
    f.m.AutoScale();
    const auto l = f.Lay();
    ASSERT_TRUE(l.pie);
    ASSERT_EQ(l.slices.size(), 3u);
    EXPECT_EQ(l.slices[0].color, 3);
    EXPECT_DOUBLE_EQ(l.slices[0].percent, 100);
    EXPECT_DOUBLE_EQ(l.slices[1].percent, 50);
    EXPECT_DOUBLE_EQ(l.slices[2].percent, 25);
    EXPECT_EQ(l.slices[2].color, 1);
    EXPECT_EQ(l.finalFont, FontKind::Legend);
    // A quarter, counter-clockwise from twelve o'clock, ends at nine o'clock.
    EXPECT_EQ(l.slices[2].end.x, l.slices[2].center.x - l.slices[2].radius);
    EXPECT_EQ(l.slices[2].end.y, l.slices[2].center.y);
}

TEST(KerfGraphLayoutTypes, UnknownTypeIsFlagged) {
    Fitted f(3);
    f.m.Data.GraphType = 12;
    const auto l = f.Lay();
    EXPECT_TRUE(l.unsupported);
    EXPECT_TRUE(l.bars.empty());
    EXPECT_EQ(l.gridLines.size(), 31u);
}

TEST(KerfGraphLayoutDegenerate, ZeroColumnWidthDrawsNothing) {
    Fitted f(100, 5, 100, 413); // PlotWidth 78: 33 pixels for 101 columns
    const auto l = f.Lay();
    EXPECT_EQ(l.ColumnWidth, 0);
    EXPECT_FALSE(l.drawable);
    EXPECT_TRUE(l.bars.empty());
    EXPECT_TRUE(l.gridLines.empty());
    const auto t = HitTest(f.m, 60, 200);
    EXPECT_EQ(t.kind, PressTarget::Nothing);
}

TEST(KerfGraphLayoutDegenerate, ZeroRowHeightDrawsNothing) {
    Fitted f(10, 400, 705, 20);
    f.Lay();
    f.m.Data.PlotHeight = 10; // as ResizeGraph leaves the smallest plot: 10 / 31 rows
    const auto l = f.Lay();
    EXPECT_EQ(l.RowHeight, 0);
    EXPECT_FALSE(l.drawable);
}

TEST(KerfGraphHitTest, BarHalvesPickAllSeriesOrTheBar) {
    Fitted f(45, 100);
    f.Lay();
    const int ml = f.m.Data.MarginLeft, y = 200;
    struct Case {
        int x;
        int point, series;
    };
    for (const Case c : {Case{ml + 14 * 10 - 3, 10, 0}, Case{ml + 14 * 10 + 3, 10, 1},
                         Case{ml + 14 * 45 + 6, 45, 1}, Case{ml + 3, 0, 1}}) {
        const auto t = HitTest(f.m, c.x, y);
        EXPECT_EQ(t.kind, PressTarget::Value) << c.x;
        EXPECT_EQ(t.point, c.point) << c.x;
        EXPECT_EQ(t.series, c.series) << c.x;
    }
}

TEST(KerfGraphHitTest, SeriesIsComparedWithTheSeriesCount) {
    Fitted f(0);
    f.m.ClearGraph();
    for (int p = 1; p <= 45; ++p) {
        f.m.SetValue(1, p, 5);
        f.m.SetValue(2, p, 6);
    }
    f.m.SetYRange(1000, 0);
    f.m.AutoScale();
    f.Lay(); // 30 steps, 2 series, bar width 6
    const int ml = f.m.Data.MarginLeft;
    // Past both bars of point 10: (13 + 7 - 7) / 6 + 0.5 = 2.67 -> 3, beyond two series.
    auto t = HitTest(f.m, ml + 14 * 10 + 6, 200);
    EXPECT_EQ(t.point, 10);
    EXPECT_EQ(t.series, 0);
    t = HitTest(f.m, ml + 14 * 10 + 2, 200);
    EXPECT_EQ(t.series, 2);
}

TEST(KerfGraphHitTest, EdgesAndOutside) {
    Fitted f(45, 100);
    f.Lay();
    const auto& d = f.m.Data;
    const int r = d.MarginLeft + d.PlotWidth;
    struct Case {
        int x, y;
        PressTarget::Kind kind;
    };
    for (const Case c :
         {Case{r - 4, 100, PressTarget::LegendEdge}, Case{r + 9, 100, PressTarget::LegendEdge},
          Case{r + 10, 100, PressTarget::Nothing}, Case{r - 5, 100, PressTarget::Value},
          Case{d.MarginLeft, 100, PressTarget::Nothing},
          Case{200, d.MarginTop, PressTarget::Nothing},
          Case{200, d.MarginTop + d.PlotHeight, PressTarget::Nothing}}) {
        EXPECT_EQ(HitTest(f.m, c.x, c.y).kind, c.kind) << c.x << "," << c.y;
    }
}

TEST(KerfGraphHitTest, LinesAndMarksKeepThePreviousSeries) {
    Fitted f(45, 100);
    f.Lay();
    f.m.InfoSeries = 1;
    f.m.ShowAsLine();
    EXPECT_EQ(HitTest(f.m, 100, 200).series, 1);
    f.m.ShowAsMark();
    EXPECT_EQ(HitTest(f.m, 100, 200).series, 1);
    f.m.Data.GraphType = 3;
    EXPECT_EQ(HitTest(f.m, 100, 200).series, 0);
    f.m.Data.GraphType = 6;
    EXPECT_EQ(HitTest(f.m, 100, 200).kind, PressTarget::Nothing);
}

TEST(KerfGraphInfoBox, LinesForEachCase) {
    Fitted f(3, 110);
    f.m.SetValue(2, 2, 4.5);
    f.m.Data.NumSeries = 2;
    f.m.Data.SeriesLegends[1] = "first";
    FixedMetrics fm;
    const int lh = RoundInt(14 * 1.07L); // 15

    auto none = LayOutInfoBox(f.m, fm, FontKind::Axis, 100, 50, 0, 0);
    ASSERT_EQ(none.lines.size(), 1u);
    EXPECT_EQ(none.lines[0].text, "No values here!");
    EXPECT_EQ(none.boxColor, -1);
    EXPECT_EQ(none.box.x2, 100 + 90 + 5);
    EXPECT_EQ(none.shadow.y2, 50 + lh + 3);

    auto one = LayOutInfoBox(f.m, fm, FontKind::Axis, 100, 50, 2, 1);
    ASSERT_EQ(one.lines.size(), 3u);
    EXPECT_EQ(one.lines[0].text, "2");
    EXPECT_EQ(one.lines[1].text, "first");
    EXPECT_EQ(one.lines[2].text, "110.000");
    EXPECT_EQ(one.box.x2, 100 + 90 + 25);
    EXPECT_EQ(one.box.y2, 50 + 3 * lh + 4);
    EXPECT_EQ(one.lines[2].y, 50 + 2 * lh + 1);

    auto all = LayOutInfoBox(f.m, fm, FontKind::Axis, 100, 50, 2, 0);
    ASSERT_EQ(all.lines.size(), 4u);
    EXPECT_EQ(all.lines[1].text, "-");
    EXPECT_EQ(all.lines[2].text, "1 : 110.000");
    EXPECT_EQ(all.lines[3].text, "2 : 4.500");
    EXPECT_EQ(all.box.y2, 50 + 4 * lh + 4);
    EXPECT_EQ(all.boxColor, -2);
}

// A whole number as the standard library reads one, all of the label; nothing else, and no sum
// beyond the numbers' range, is changed.
TEST(KerfGraphInfoBox, OffsetShowsTheSeriesPosition) {
    const struct {
        const char* label; // nullptr: the chart's own
        int offset;
        const char* shown;
    } cases[] = {
        {nullptr, 200, "202"},
        {"", 200, ""},
        {"7a", 200, "7a"},
        {" \t7", 200, "207"},
        {"+7", 200, "207"},
        {"-7", 200, "193"},
        {"007", -10, "-3"},
        {"+-7", 200, "+-7"},
        {"1e3", 200, "1e3"},
        {"9223372036854775807", 1, "9223372036854775807"},
        {"99999999999999999999", 200, "99999999999999999999"},
    };
    for (const auto& c : cases) {
        Fitted f(3, 110);
        f.m.OffsetXLabels = true;
        f.m.XLabelOffset = c.offset;
        if (c.label) f.m.Data.PointLabels[2] = c.label;
        FixedMetrics fm;
        EXPECT_EQ(LayOutInfoBox(f.m, fm, FontKind::Axis, 0, 0, 2, 1).lines[0].text, c.shown)
            << c.label;
    }
}

} // namespace
