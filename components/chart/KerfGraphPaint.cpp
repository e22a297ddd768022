#include "components/chart/KerfGraphPaint.h"

#include <QPolygon>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kerfgraph {

namespace {

platform::TFont FontFor(const KerfGraphModel& m, FontKind font) {
    platform::TFont f;
    switch (font) {
    case FontKind::Header:
        f.Name = m.HeaderFontName;
        f.Size = m.HeaderFontSize;
        f.Color = m.HeaderFontColor;
        break;
    case FontKind::Legend:
        f.Name = m.LegendFontName;
        f.Size = m.LegendFontSize;
        f.Color = m.LegendFontColor;
        break;
    case FontKind::Axis:
        f.Name = m.AxisFontName;
        f.Size = m.AxisFontSize;
        f.Color = m.AxisFontColor;
        break;
    }
    return f;
}

// Scheme colours -2..100 looked up once per drawing.
class SchemeColors {
public:
    explicit SchemeColors(const KerfGraphModel& m) {
        for (int i = -2; i <= kMaxSeries; ++i) colors_[i + 2] = m.GetSchemeColor(m.ColorScheme, i);
    }
    core::TColor operator[](int index) const {
        if (index < -2 || index > kMaxSeries) return core::clBlack;
        return colors_[index + 2];
    }

private:
    std::array<core::TColor, kMaxSeries + 3> colors_{};
};

class Painter {
public:
    Painter(platform::TCanvas& canvas, const KerfGraphModel& m) : c_(canvas), m_(m), colors_(m) {}

    void ColorRectangle(int index, const Box& b) {
        c_.Brush.Style = platform::BrushStyle::Solid;
        c_.Brush.Color = colors_[index];
        c_.Rectangle(b.x1, b.y1, b.x2, b.y2);
    }

    void ClearBackground(const Box& b) {
        c_.Pen.Color = colors_[-1];
        c_.Pen.Style = platform::PenStyle::Solid;
        c_.Pen.Width = 1;
        c_.Brush.Color = colors_[-1];
        c_.Brush.Style = platform::BrushStyle::Solid;
        c_.Rectangle(b.x1, b.y1, b.x2, b.y2);
        c_.Brush.Color = colors_[0];
        c_.Pen.Color = colors_[0];
    }

    void WideLine(const Segment& s, int width) {
        c_.MoveTo(s.x1, s.y1);
        c_.Pen.Width = width;
        c_.LineTo(s.x2, s.y2);
        c_.Pen.Width = 1;
    }

    void Thick(const Polyline& line) {
        c_.Pen.Color = colors_[line.color];
        c_.MoveTo(line.points.front().x, line.points.front().y);
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            c_.Pen.Width = m_.ThickLineWidth;
            c_.LineTo(line.points[i].x, line.points[i].y);
            c_.Pen.Width = 1;
        }
    }

    void Texts(const std::vector<Text>& texts) {
        for (const auto& t : texts) c_.TextOut(t.x, t.y, t.text);
    }

    void DrawLegend(const Legend& g) {
        SelectFont(c_, m_, FontKind::Legend);
        ColorRectangle(0, g.shadow);
        ColorRectangle(-1, g.box);
        for (const auto& line : g.lines) {
            if (line.hasSwatch) {
                ColorRectangle(line.swatch.color, line.swatch.box);
                c_.Brush.Color = colors_[-1];
            }
            if (line.schemeFontColor) c_.Font.Color = colors_[0];
            c_.TextOut(line.text.x, line.text.y, line.text.text);
        }
    }

    void Header(const ChartLayout& l) {
        SelectFont(c_, m_, FontKind::Header);
        c_.TextOut(l.header.x, l.header.y, l.header.text);
        SelectFont(c_, m_, FontKind::Axis);
    }

    void XAxisHeader(const ChartLayout& l) {
        SelectFont(c_, m_, FontKind::Axis);
        c_.TextOut(l.xAxisHeader.x, l.xAxisHeader.y, l.xAxisHeader.text);
        SelectFont(c_, m_, FontKind::Axis);
    }

    void Mark(const kerfgraph::Mark& mk) {
        const int s = m_.Data.MarkSize;
        c_.Pen.Color = colors_[mk.color];
        QPolygon p;
        p << QPoint(mk.at.x, mk.at.y - s) << QPoint(mk.at.x + s, mk.at.y)
          << QPoint(mk.at.x, mk.at.y + s) << QPoint(mk.at.x - s, mk.at.y);
        c_.Polygon(p);
    }

    void Slice(const PieSlice& s) {
        c_.Brush.Color = colors_[s.color];
        c_.Brush.Style = platform::BrushStyle::Solid;
        if (s.percent <= 0) return;
        const Box& b = s.bounds;
        if (s.percent >= 100) {
            c_.Ellipse(b.x1, b.y1, b.x2, b.y2);
            return;
        }
        // Counter-clockwise from twelve o'clock along the ellipse of the box.
        const double rx = (b.x2 - b.x1 - 1) * 0.5, ry = (b.y2 - b.y1 - 1) * 0.5;
        const double ex = b.x1 + rx, ey = b.y1 + ry;
        const double from = std::atan2(-(s.start.y - ey), s.start.x - ex);
        const double sweep = s.percent * 0.01 * 2 * std::numbers::pi;
        const int steps = std::max(4, static_cast<int>(sweep * std::max(rx, ry) / 3));
        QPolygon p;
        p << QPoint(s.center.x, s.center.y);
        for (int i = 0; i <= steps; ++i) {
            const double t = from + sweep * i / steps;
            p << QPoint(static_cast<int>(std::lround(ex + rx * std::cos(t))),
                        static_cast<int>(std::lround(ey - ry * std::sin(t))));
        }
        c_.Polygon(p);
    }

    void Chart(const ChartLayout& l) {
        ClearBackground(l.background);
        if (!l.drawable) return;
        if (l.pie) {
            Header(l);
            for (const auto& g : l.legends) DrawLegend(g);
            ColorRectangleEllipse(0, l.pieShadow);
            for (const auto& s : l.slices) Slice(s);
            return;
        }
        SelectFont(c_, m_, FontKind::Axis);
        const bool horizontal = l.GraphType == 9;
        // The Y axis comes before the grid, the X axis after it; bars lying sideways draw their
        // axes after the grid.
        std::size_t axis = 0;
        if (!horizontal && !l.axes.empty()) WideLine(l.axes[axis++], m_.AxisLineWidth);
        // Each label on its white box, the boxes first: where a row is lower than the font,
        // a box would otherwise erase the top of the label below it.
        const std::size_t labels = std::min(l.scaleLabels.size(), l.gridLines.size());
        for (std::size_t i = 0; i < labels; ++i) {
            const Text& t = l.scaleLabels[i];
            c_.FillRect(t.x, t.y, t.x + c_.TextWidth(t.text), t.y + c_.TextHeight(t.text));
        }
        const platform::BrushStyle brush = c_.Brush.Style;
        c_.Brush.Style = platform::BrushStyle::Clear;
        for (std::size_t i = 0; i < labels; ++i)
            c_.TextOut(l.scaleLabels[i].x, l.scaleLabels[i].y, l.scaleLabels[i].text);
        c_.Brush.Style = brush;
        for (const auto& g : l.gridLines) DottedLine(c_, g.x1, g.y1, g.x2, g.y2);
        for (; axis < l.axes.size(); ++axis) WideLine(l.axes[axis], m_.AxisLineWidth);

        SelectFont(c_, m_, FontKind::Legend);
        c_.Pen.Color = colors_[0];
        Texts(l.xLabels);
        for (const auto& g : l.legends) DrawLegend(g);
        Header(l);
        if (l.hasXAxisHeader) XAxisHeader(l);

        for (const auto& b : l.bars) ColorRectangle(b.color, b.box);
        if (l.hasAverages) {
            Thick(l.averages);
            c_.Pen.Color = colors_[0];
        }
        for (const auto& line : l.lines) Thick(line);
        for (const auto& mk : l.marks) Mark(mk);
        if (!l.lines.empty() || !l.marks.empty()) c_.Pen.Color = colors_[0];
    }

    void ColorRectangleEllipse(int index, const Box& b) {
        c_.Brush.Color = colors_[index];
        c_.Brush.Style = platform::BrushStyle::Solid;
        c_.Ellipse(b.x1, b.y1, b.x2, b.y2);
    }

private:
    platform::TCanvas& c_;
    const KerfGraphModel& m_;
    SchemeColors colors_;
};

} // namespace

CanvasMetrics::CanvasMetrics(const KerfGraphModel& model) {
    platform::TCanvas probe(nullptr);
    for (FontKind f : {FontKind::Header, FontKind::Legend, FontKind::Axis}) {
        probe.Font = FontFor(model, f);
        metrics_[static_cast<int>(f)] = std::make_unique<QFontMetrics>(probe.QtFont());
    }
}

int CanvasMetrics::TextWidth(FontKind font, const std::string& text) const {
    return metrics_[static_cast<int>(font)]->horizontalAdvance(QString::fromStdString(text));
}

int CanvasMetrics::TextHeight(FontKind font, const std::string&) const {
    return metrics_[static_cast<int>(font)]->height();
}

void SelectFont(platform::TCanvas& canvas, const KerfGraphModel& model, FontKind font) {
    canvas.Brush.Color = core::clWhite;
    canvas.Brush.Style = platform::BrushStyle::Solid;
    canvas.Font = FontFor(model, font);
}

void PaintChart(platform::TCanvas& canvas, const KerfGraphModel& model, const ChartLayout& layout) {
    Painter(canvas, model).Chart(layout);
}

void PaintInfoBox(platform::TCanvas& canvas, const KerfGraphModel& model, const InfoBox& box) {
    Painter p(canvas, model);
    p.ColorRectangle(0, box.shadow);
    p.ColorRectangle(box.boxColor, box.box);
    for (const auto& t : box.lines) canvas.TextOut(t.x, t.y, t.text);
}

void DottedLine(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
    const core::TColor color = canvas.Pen.Color;
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, n = 0;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        if (n % 6 < 3) canvas.SetPixel(x, y, color);
        ++n;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    canvas.MoveTo(x2, y2);
}

} // namespace kerfgraph
