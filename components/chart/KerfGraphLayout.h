#pragma once

#include "components/chart/KerfGraphModel.h"

#include <string>
#include <vector>

namespace kerfgraph {

enum class FontKind { Header, Legend, Axis };

// Text measures of the chart's three fonts; the painter's implementation measures on the
// canvas, tests may use fixed ones.
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    virtual int TextWidth(FontKind font, const std::string& text) const = 0;
    virtual int TextHeight(FontKind font, const std::string& text) const = 0;
};

// Corners as the canvas takes them: the right and bottom edges are excluded, and y2 may lie
// above y1 (bars grow upwards from the axis).
struct Box {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct ColorBox {
    int color = 0; // scheme colour index
    Box box;
};
struct Segment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct Point {
    int x = 0, y = 0;
};
// A text by the top-left corner where it is drawn.
struct Text {
    int x = 0, y = 0;
    std::string text;
};

struct LegendLine {
    bool hasSwatch = false;
    ColorBox swatch;
    Text text;
    bool schemeFontColor = false; // text in scheme colour 0 instead of the legend font colour
};
struct Legend {
    Box shadow; // scheme colour 0
    Box box;    // scheme colour -1
    std::vector<LegendLine> lines;
};

struct Polyline {
    int color = 0;
    std::vector<Point> points; // drawn with the thick pen
};
struct Mark {
    int color = 0;
    Point at;
};
struct PieSlice {
    int color = 0;
    Box bounds;
    Point center;
    int radius = 0;
    Point start, end; // radials, counter-clockwise from start to end
    double percent = 0;
};

// Every position of one redraw, computed from the model (after PrepareDrawing) and the font
// measures. The painter draws it in this order: background, grid and scale labels, axes, X
// labels, legends, header, X-axis header, then the series.
struct ChartLayout {
    int GraphType = 1;
    // False when a column width or row height comes out 0 or less: only the background.
    bool drawable = false;
    bool unsupported = false; // graph type outside 1..9
    Box background;
    int ColumnWidth = 0, RowHeight = 0, ZeroY = 0, AxisY = 0;
    int BarWidth = 0;
    // The font the canvas holds when the drawing ends; the info box is written in it.
    FontKind finalFont = FontKind::Axis;

    std::vector<Text> scaleLabels;  // axis font
    std::vector<Segment> gridLines; // dotted
    std::vector<Segment> axes;      // AxisLineWidth
    std::vector<Text> xLabels;      // legend font
    std::vector<Legend> legends;    // legend font; the point legend before the series legend
    Text header;                    // header font
    Text xAxisHeader;               // axis font
    bool hasXAxisHeader = false;

    std::vector<ColorBox> bars;
    bool hasAverages = false;
    Polyline averages; // scheme colour 0
    std::vector<Polyline> lines;
    std::vector<Mark> marks;

    bool pie = false;
    Box pieShadow; // scheme colour 0
    std::vector<PieSlice> slices;
};

ChartLayout LayOutChart(const KerfGraphModel& model, const FontMetrics& metrics);

// The y of a value on the scale.
int ValueY(const KerfGraphModel& model, int zeroY, int rowHeight, double value);

// The shadowed box that a press in the plot shows.
struct InfoBox {
    Box shadow; // scheme colour 0
    Box box;    // scheme colour boxColor
    int boxColor = -2;
    std::vector<Text> lines;
};
InfoBox LayOutInfoBox(const KerfGraphModel& model, const FontMetrics& metrics, FontKind font, int x,
                      int y, int point, int series);

// What a press at (x, y) of the picture hits, on the layout of the last redraw.
struct PressTarget {
    enum Kind { Nothing, LegendEdge, Value } kind = Nothing;
    int point = 0;
    int series = 0;
};
PressTarget HitTest(const KerfGraphModel& model, int x, int y);

} // namespace kerfgraph
