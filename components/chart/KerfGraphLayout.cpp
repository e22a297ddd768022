#include "components/chart/KerfGraphLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

namespace kerfgraph {

namespace {

// The chart's text primitives: TextOut one pixel low, TextOutCentered centred on x,
// TextOutRight right-aligned at x and centred on y.
Text TextOutAt(int x, int y, const std::string& text) {
    return {x, y + 1, text};
}

Text TextOutCentered(const FontMetrics& fm, FontKind f, int x, int y, const std::string& text) {
    return {x - RoundInt(fm.TextWidth(f, text) * 0.5L), y + 1, text};
}

Text TextOutRight(const FontMetrics& fm, FontKind f, int x, int y, const std::string& text) {
    return {x - fm.TextWidth(f, text), y - RoundInt(fm.TextHeight(f, text) * 0.5L), text};
}

// A label that is a whole number (blanks and a sign before it allowed) with the offset added;
// any other label (after Transpose), or one whose sum would leave the numbers' range, as it is.
std::string OffsetLabel(const std::string& label, int offset) {
    std::string_view text = label;
    while (!text.empty() &&
           std::string_view(" \t\n\v\f\r").find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return label;
    }
    long long n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    long long sum = 0;
    if (error != std::errc() || end != text.data() + text.size() ||
        __builtin_add_overflow(n, offset, &sum))
        return label;
    return std::to_string(sum);
}

int BarWidthFor(int space, int numSeries) {
    return numSeries == 1 ? RoundInt(space / (numSeries + 0.1L))
                          : RoundInt(space / (numSeries + 0.5L));
}

// Label y for the X labels and the X-axis header's distance from the top margin.
int ScaleDepth(const TGraphData& d, int rh) {
    return d.YNegativeGapCount < 0
               ? RoundInt(static_cast<long double>(rh) * d.NumYLegends)
               : RoundInt(static_cast<long double>(rh) * (d.NumYLegends - d.YNegativeGapCount));
}

void LayOutHeader(const KerfGraphModel& m, const FontMetrics& fm, ChartLayout& l) {
    const auto& d = m.Data;
    l.header =
        TextOutCentered(fm, FontKind::Header, d.MarginLeft + RoundInt(d.PlotWidth * 0.5L),
                        d.MarginTop - fm.TextHeight(FontKind::Header, d.Header) - 2, d.Header);
}

void LayOutXAxisHeader(const KerfGraphModel& m, const FontMetrics& fm, int rh, ChartLayout& l) {
    const auto& d = m.Data;
    const int depth = (m.NegativeData || d.GraphType == 9) ? d.PlotHeight : ScaleDepth(d, rh);
    l.xAxisHeader = TextOutCentered(
        fm, FontKind::Axis, d.MarginLeft + RoundInt(d.PlotWidth * 0.5L),
        fm.TextHeight(FontKind::Axis, d.XAxisHeader) + d.MarginTop + depth, d.XAxisHeader);
    l.hasXAxisHeader = true;
}

void LayOutXLabelsAndLegend(const KerfGraphModel& m, const FontMetrics& fm, int numPoints, int cw,
                            int rh, ChartLayout& l) {
    const auto& d = m.Data;
    const FontKind lf = FontKind::Legend;
    int c = RoundInt(m.LegendWidth / static_cast<long double>(std::max(1, fm.TextWidth(lf, "1"))));
    if (c >= 4 && c <= 34) c -= 3;

    bool numeric = d.GraphType == 9 || m.OffsetXLabels;
    for (int n = 1; n <= numPoints && !numeric; ++n)
        if (CharCount(d.PointLabels[n]) > 9) numeric = true;

    const int labelY = m.NegativeData ? d.PlotHeight + 3 : d.MarginTop + 2 + ScaleDepth(d, rh);
    const int f = RoundInt(fm.TextHeight(lf, "Mg") * 1.1L);
    const int r0 = d.MarginLeft + d.PlotWidth;
    int legendOffset = 0;

    if (numeric) {
        const int offset = m.OffsetXLabels ? m.XLabelOffset : 0;
        if (d.GraphType == 9) {
            for (int n = 1; n <= numPoints; ++n)
                l.xLabels.push_back(TextOutRight(fm, lf, d.MarginLeft - 2,
                                                 d.MarginTop + (n - 1) * cw + cw / 2,
                                                 std::to_string(n + offset)));
        } else if (numPoints >= 50) {
            for (int i = 1; i <= numPoints / 10; ++i)
                l.xLabels.push_back(TextOutCentered(fm, lf, d.MarginLeft + i * 10 * cw, labelY,
                                                    std::to_string(i * 10 + offset)));
        } else {
            for (int n = 1; n <= numPoints; ++n)
                l.xLabels.push_back(TextOutCentered(fm, lf, d.MarginLeft + n * cw, labelY,
                                                    std::to_string(n + offset)));
        }
        if (m.ShowLegend) {
            Legend g;
            g.shadow = {r0 + 6, d.MarginTop - f + 10, r0 + m.LegendWidth + 6,
                        d.MarginTop + (numPoints - 1) * f + 11};
            g.box = {r0 + 3, d.MarginTop - f + 7, r0 + m.LegendWidth + 3,
                     d.MarginTop + (numPoints - 1) * f + 8};
            for (int n = 1; n <= numPoints; ++n) {
                LegendLine line;
                line.text = TextOutAt(r0 + 7, d.MarginTop + (n - 2) * f + 7,
                                      std::to_string(n) + "." + FirstChars(d.PointLabels[n], c));
                g.lines.push_back(std::move(line));
            }
            l.legends.push_back(std::move(g));
            legendOffset = numPoints * f + 12;
        }
    } else if (numPoints >= 50) {
        for (int i = 1; i <= numPoints / 10; ++i)
            l.xLabels.push_back(
                TextOutCentered(fm, lf, d.MarginLeft + i * 10 * cw, labelY, d.PointLabels[i * 10]));
    } else {
        for (int n = 1; n <= numPoints; ++n)
            l.xLabels.push_back(
                TextOutCentered(fm, lf, d.MarginLeft + n * cw, labelY, d.PointLabels[n]));
    }

    if (d.NumSeries != 1 && m.ShowLegend) {
        const int w12 = fm.TextWidth(lf, "12");
        const int top = d.MarginTop + legendOffset;
        Legend g;
        g.shadow = {r0 + 6, top + 6, r0 + m.LegendWidth + 6, top + d.NumSeries * f + 11};
        g.box = {r0 + 3, top + 3, r0 + m.LegendWidth + 3, top + d.NumSeries * f + 8};
        for (int i = 1; i <= d.NumSeries; ++i) {
            const int y = d.MarginTop + (i - 1) * f + legendOffset + 7;
            LegendLine line;
            line.hasSwatch = true;
            line.swatch = {i, {r0 + 7, y, r0 + 7 + w12 - 2, y + f - 2}};
            line.text = TextOutAt(r0 + 7 + w12, y,
                                  std::to_string(i) + "." + FirstChars(d.SeriesLegends[i], c));
            line.schemeFontColor = true;
            g.lines.push_back(std::move(line));
        }
        l.legends.push_back(std::move(g));
    }
}

void LayOutPie(const KerfGraphModel& m, const FontMetrics& fm, ChartLayout& l) {
    const auto& d = m.Data;
    l.pie = true;
    l.drawable = true;
    LayOutHeader(m, fm, l);

    // The legend's character count is measured in the axis font the header leaves selected.
    int c = RoundInt(m.LegendWidth /
                     static_cast<long double>(std::max(1, fm.TextWidth(FontKind::Axis, "1"))));
    if (c > 4) c -= 4;
    const int dl = RoundInt(fm.TextHeight(FontKind::Legend, "Mg") * 1.2L);
    l.finalFont = FontKind::Legend;
    if (m.ShowLegend) {
        const int r0 = d.MarginLeft + d.PlotWidth;
        const int w12 = fm.TextWidth(FontKind::Legend, "12");
        Legend g;
        g.shadow = {r0 + 6, d.MarginTop + dl + 10, r0 + m.LegendWidth + 6,
                    d.MarginTop + dl * (d.NumPoints + 1) + 10};
        g.box = {r0 + 3, d.MarginTop + dl + 7, r0 + m.LegendWidth + 3,
                 d.MarginTop + dl * (d.NumPoints + 1) + 7};
        for (int p = 1; p <= d.NumPoints; ++p) {
            LegendLine line;
            line.hasSwatch = true;
            const int sy = d.MarginTop + dl * p + 9;
            line.swatch = {p, {r0 + 7, sy, r0 + 7 + w12 - 2, sy + dl - 4}};
            line.text =
                TextOutAt(r0 + 7 + w12, d.MarginTop + dl * p + 7, FirstChars(d.PointLabels[p], c));
            line.schemeFontColor = true;
            g.lines.push_back(std::move(line));
        }
        l.legends.push_back(std::move(g));
    }

    int diameter, offset;
    if (d.PlotWidth < d.PlotHeight) {
        diameter = d.PlotWidth;
        offset = 0;
    } else {
        diameter = d.PlotHeight;
        offset = RoundInt((d.PlotWidth - d.PlotHeight) * 0.5L);
    }
    const int x = d.MarginLeft + offset, y = d.MarginTop;
    l.pieShadow = {x + 2, y + 2, x + 2 + diameter, y + 2 + diameter};

    long double total = 0;
    for (int p = 1; p <= kMaxPoints; ++p) total += m.Values(1, p);
    if (total == 0) return;
    long double remaining = total;
    const int cx = x + RoundInt((diameter - 1.01L) * 0.5L);
    const int cy = y + RoundInt((diameter - 1.01L) * 0.5L);
    const int radius = RoundInt((diameter - 1) * 0.5L);
    for (int n = std::min(d.NumPoints + 1, kMaxPoints); n >= 2; --n) {
        remaining -= m.Values(1, n);
        PieSlice s;
        s.color = n - 1;
        s.bounds = {x, y, x + diameter, y + diameter};
        s.center = {cx, cy};
        s.radius = radius;
        s.percent = static_cast<double>(remaining / total * 100);
        const long double a = s.percent * 0.01L * 2 * std::numbers::pi_v<long double> +
                              std::numbers::pi_v<long double> / 2;
        s.start = {cx, y};
        s.end = {cx + RoundInt(radius * std::cos(a)), cy - RoundInt(radius * std::sin(a))};
        l.slices.push_back(s);
    }
}

void LayOutHorizontalBars(const KerfGraphModel& m, const FontMetrics& fm, ChartLayout& l) {
    const auto& d = m.Data;
    const int np = std::max(d.NumPoints, 1);
    const int e = RoundInt((d.PlotHeight - d.MarginTop) / static_cast<long double>(np));
    const int c =
        RoundInt((d.PlotWidth - d.MarginLeft) / static_cast<long double>(d.NumYLegends + 1));
    l.RowHeight = e;
    l.ColumnWidth = c;
    if (e <= 0 || c <= 0) return;
    l.drawable = true;

    const int gap = d.NumYLegends / 2;
    const int x0 = d.MarginLeft + gap * c;
    const int bottom = e * np + d.MarginTop;
    for (int v = 1; v <= d.NumYLegends + 1; ++v) {
        const int x = x0 + (v - gap - 1) * c;
        l.scaleLabels.push_back(TextOutAt(x, bottom + 2, d.YLabels[v]));
        l.gridLines.push_back({x, d.MarginTop, x, bottom});
    }
    const int b = bottom + 1;
    l.axes.push_back({d.MarginLeft, d.MarginTop, d.PlotWidth, d.MarginTop});
    l.axes.push_back({d.MarginLeft, b, d.PlotWidth, b});
    l.axes.push_back({x0, d.MarginTop, x0, b});

    LayOutXLabelsAndLegend(m, fm, np, e, c, l);
    LayOutHeader(m, fm, l);
    LayOutXAxisHeader(m, fm, c, l);

    const int bh = BarWidthFor(e, d.NumSeries);
    l.BarWidth = bh;
    for (int s = 1; s <= d.NumSeries; ++s)
        for (int p = 1; p <= np; ++p) {
            const int top = d.MarginTop + (p - 1) * e + (s - 1) * bh;
            const int len = RoundInt(
                (static_cast<long double>(m.Values(s, p)) - d.PointAverages[p]) / d.YStep * c);
            l.bars.push_back({s, {x0, top, x0 + len, top + bh}});
        }
}

void LayOutStacked(const KerfGraphModel& m, ChartLayout& l, bool percent) {
    const auto& d = m.Data;
    const int cw = l.ColumnWidth;
    const int gap = d.PlotWidth > 200 ? 3 : 1;
    for (int p = 1; p <= d.NumPoints; ++p) {
        long double sum = 0;
        if (percent)
            for (int s = 1; s <= d.NumSeries; ++s) sum += m.Values(s, p);
        const int x = d.MarginLeft + p * cw - RoundInt(cw * 0.5L);
        int h = 0;
        for (int s = 1; s <= d.NumSeries; ++s) {
            long double v = m.Values(s, p);
            if (percent) v = sum == 0 ? 0 : v / sum * 100;
            const int dv = RoundInt(v / d.YStep * l.RowHeight);
            const int top = (percent && s == d.NumSeries) ? d.MarginTop : l.ZeroY - h - dv;
            l.bars.push_back({s, {x, l.ZeroY - h, x + cw - gap, top}});
            h += dv;
        }
    }
}

} // namespace

int ValueY(const KerfGraphModel& model, int zeroY, int rowHeight, double value) {
    return zeroY - RoundInt(static_cast<long double>(value) / model.Data.YStep * rowHeight);
}

namespace {

// The vertical scale: the column width and row height, the zero line, the axes, the scale
// labels and grid lines. False when the chart is too small to hold the scale or the columns.
bool LayOutScale(const KerfGraphModel& m, const FontMetrics& fm, ChartLayout& l) {
    const auto& d = m.Data;
    const int np = d.NumPoints, gap = d.YNegativeGapCount;
    l.ColumnWidth = RoundInt((d.PlotWidth - d.MarginLeft) / static_cast<long double>(np + 1));
    l.RowHeight = RoundInt(d.PlotHeight / static_cast<long double>(d.NumYLegends + 1));
    l.ZeroY = d.MarginTop + l.RowHeight * (d.NumYLegends - gap);
    l.AxisY = gap < 0 ? d.MarginTop + l.RowHeight * d.NumYLegends : l.ZeroY;
    if (l.ColumnWidth <= 0 || l.RowHeight <= 0) return false;

    const int cw = l.ColumnWidth, rh = l.RowHeight;
    const int right = d.MarginLeft + (np + 1) * cw;
    l.axes.push_back(
        {d.MarginLeft, d.MarginTop, d.MarginLeft, d.MarginTop + (d.NumYLegends + 1) * rh});
    for (int k = 1; k <= d.NumYLegends + 1; ++k) {
        const int y = l.ZeroY - (k - gap - 1) * rh;
        l.scaleLabels.push_back(
            TextOutRight(fm, FontKind::Axis, d.MarginLeft - 3, y, d.YLabels[k]));
        l.gridLines.push_back({d.MarginLeft, y, right, y});
    }
    l.axes.push_back({d.MarginLeft, l.AxisY, right, l.AxisY});
    return true;
}

int PointX(const KerfGraphModel& m, const ChartLayout& l, int p) {
    return m.Data.MarginLeft + p * l.ColumnWidth;
}

// The series' columns side by side at each point (types 1 and 4), with type 4's line through
// the point averages.
void LayOutColumns(const KerfGraphModel& m, ChartLayout& l) {
    const auto& d = m.Data;
    const int cw = l.ColumnWidth, rh = l.RowHeight;
    const int w = BarWidthFor(cw, d.NumSeries);
    l.BarWidth = w;
    for (int s = 1; s <= d.NumSeries; ++s)
        for (int p = 1; p <= d.NumPoints; ++p) {
            const int left = PointX(m, l, p) - RoundInt(cw * 0.5L) + (s - 1) * w;
            l.bars.push_back(
                {s, {left, l.AxisY, left + w, ValueY(m, l.ZeroY, rh, m.Values(s, p))}});
        }
    if (d.GraphType == 4 && d.NumPoints >= 1) {
        l.hasAverages = true;
        l.averages.color = 0;
        for (int p = 1; p <= d.NumPoints; ++p)
            l.averages.points.push_back(
                {PointX(m, l, p), ValueY(m, l.ZeroY, rh, d.PointAverages[p])});
    }
}

// A line per series (types 3 and 7) and a mark per value (types 7 and 8).
void LayOutLinesAndMarks(const KerfGraphModel& m, ChartLayout& l) {
    const auto& d = m.Data;
    const int np = d.NumPoints, ns = d.NumSeries, rh = l.RowHeight;
    for (int s = 1; s <= ns; ++s) {
        if (d.GraphType != 8 && np >= 1) {
            Polyline line;
            line.color = s;
            for (int p = 1; p <= np; ++p)
                line.points.push_back({PointX(m, l, p), ValueY(m, l.ZeroY, rh, m.Values(s, p))});
            l.lines.push_back(std::move(line));
        }
    }
    if (d.GraphType != 3)
        for (int s = 1; s <= ns; ++s)
            for (int p = 1; p <= np; ++p)
                l.marks.push_back({s, {PointX(m, l, p), ValueY(m, l.ZeroY, rh, m.Values(s, p))}});
}

} // namespace

ChartLayout LayOutChart(const KerfGraphModel& m, const FontMetrics& fm) {
    const auto& d = m.Data;
    ChartLayout l;
    l.GraphType = d.GraphType;
    l.background = {0, 0, 3 * d.MarginLeft + d.PlotWidth + m.LegendWidth,
                    5 * d.MarginTop + d.PlotHeight};

    if (d.GraphType == 6) {
        LayOutPie(m, fm, l);
        return l;
    }
    if (d.GraphType == 9) {
        LayOutHorizontalBars(m, fm, l);
        return l;
    }
    l.unsupported = d.GraphType < 1 || d.GraphType > 9;
    if (!LayOutScale(m, fm, l)) return l;
    l.drawable = true;

    LayOutXLabelsAndLegend(m, fm, d.NumPoints, l.ColumnWidth, l.RowHeight, l);
    LayOutHeader(m, fm, l);
    LayOutXAxisHeader(m, fm, l.RowHeight, l);

    switch (d.GraphType) {
    case 1:
    case 4:
        LayOutColumns(m, l);
        break;
    case 2:
        LayOutStacked(m, l, false);
        break;
    case 5:
        LayOutStacked(m, l, true);
        break;
    case 3:
    case 7:
    case 8:
        LayOutLinesAndMarks(m, l);
        break;
    default:
        break;
    }
    return l;
}

InfoBox LayOutInfoBox(const KerfGraphModel& m, const FontMetrics& fm, FontKind font, int x, int y,
                      int point, int series) {
    const auto& d = m.Data;
    const std::string none = "No values here!";
    InfoBox b;
    int w = fm.TextWidth(font, none);
    const int lh = RoundInt(fm.TextHeight(font, none) * 1.07L);
    const int tx = x + 2;
    auto lineAt = [&](int i, const std::string& text) {
        return TextOutAt(tx, y + (i - 1) * lh, text);
    };

    if (point == 0) {
        b.shadow = {x + 3, y + 3, x + w + 8, y + lh + 3};
        b.box = {x, y, x + w + 5, y + lh};
        b.boxColor = -1;
        b.lines.push_back(lineAt(1, none));
        return b;
    }

    const std::string first =
        m.OffsetXLabels ? OffsetLabel(d.PointLabels[point], m.XLabelOffset) : d.PointLabels[point];

    std::vector<std::string> lines;
    lines.push_back(first);
    int height;
    if (series != 0) {
        lines.push_back(d.SeriesLegends[series]);
        lines.push_back(KerfGraphModel::ValueText(m.Values(series, point)));
        w = std::max({w, fm.TextWidth(font, lines[0]), fm.TextWidth(font, lines[1])});
        height = 3 * lh;
    } else {
        lines.push_back("-");
        for (int k = 1; k <= d.NumSeries; ++k)
            lines.push_back(std::to_string(k) + " : " +
                            KerfGraphModel::ValueText(m.Values(k, point)));
        w = std::max(w, fm.TextWidth(font, lines[0]));
        height = (d.NumSeries + 2) * lh;
    }
    w += 25;
    height += 4;
    b.shadow = {x + 3, y + 3, x + w + 3, y + height + 3};
    b.box = {x, y, x + w, y + height};
    b.boxColor = -2;
    for (std::size_t i = 0; i < lines.size(); ++i)
        b.lines.push_back(lineAt(static_cast<int>(i) + 1, lines[i]));
    return b;
}

PressTarget HitTest(const KerfGraphModel& m, int x, int y) {
    const auto& d = m.Data;
    PressTarget t;
    if (y <= d.MarginTop || y >= d.MarginTop + d.PlotHeight || x <= d.MarginLeft) return t;
    const int r = d.MarginLeft + d.PlotWidth;
    if (x >= r + 10) return t;
    if (x > r - 5) {
        t.kind = PressTarget::LegendEdge;
        return t;
    }
    if (d.GraphType == 6 || d.GraphType == 9) return t;

    const int c =
        RoundInt((d.PlotWidth - d.MarginLeft) / static_cast<long double>(d.NumPoints + 1));
    // No columns to point at (the chart draws nothing then).
    if (c <= 0) return t;
    int point = RoundInt((x - d.MarginLeft) / static_cast<long double>(c));
    int series = m.InfoSeries;
    switch (d.GraphType) {
    case 1:
    case 4: {
        const long double h = d.NumSeries == 1 ? 0.1L : 0.5L;
        const int bar = RoundInt(c / (d.NumSeries + h));
        series = bar <= 0 ? 0
                          : RoundInt((x + RoundInt(c * 0.5L) - d.MarginLeft - c * point) /
                                         static_cast<long double>(bar) +
                                     h);
        break;
    }
    case 2:
    case 3:
    case 5:
        series = 0;
        break;
    default:
        break;
    }
    if (point > d.NumPoints || point < 0) point = 0;
    // Compared with the series count: a step count has nothing to do with the bars.
    if (series > d.NumSeries || series < 0) series = 0;
    t.kind = PressTarget::Value;
    t.point = point;
    t.series = series;
    return t;
}

} // namespace kerfgraph
