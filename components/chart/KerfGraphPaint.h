#pragma once

#include "components/chart/KerfGraphLayout.h"
#include "platform/Canvas.h"

#include <QFontMetrics>

#include <array>
#include <memory>

namespace kerfgraph {

// Measures with the fonts the canvas would use for the chart's header, legend and axis texts.
class CanvasMetrics : public FontMetrics {
public:
    explicit CanvasMetrics(const KerfGraphModel& model);
    int TextWidth(FontKind font, const std::string& text) const override;
    int TextHeight(FontKind font, const std::string& text) const override;

private:
    std::array<std::unique_ptr<QFontMetrics>, 3> metrics_;
};

// Sets the canvas font for one of the chart's texts, with the white brush behind it.
void SelectFont(platform::TCanvas& canvas, const KerfGraphModel& model, FontKind font);

// Draws a laid-out chart; the canvas is left with the pen, brush and font the drawing ends
// with, which the info box is drawn in.
void PaintChart(platform::TCanvas& canvas, const KerfGraphModel& model, const ChartLayout& layout);
void PaintInfoBox(platform::TCanvas& canvas, const KerfGraphModel& model, const InfoBox& box);

// A one-pixel dotted line (three pixels on, three off) without its end pixel, in the pen colour.
void DottedLine(platform::TCanvas& canvas, int x1, int y1, int x2, int y2);

} // namespace kerfgraph
