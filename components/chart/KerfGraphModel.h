#pragma once

#include "components/chart/KerfGraphColors.h"
#include "core/TColor.h"

#include <array>
#include <string>
#include <vector>

namespace kerfgraph {

inline constexpr int kMaxSeries = 100;
inline constexpr int kMaxPoints = 100;
inline constexpr int kMaxYLegends = 30;
inline constexpr int kMaxText = 70;
inline constexpr int kDefaultMarginLeft = 45; // x of the Y axis unless a label needs more

// Nearest integer, halves to even, at extended precision; NaN gives 0 and values beyond the int
// range are clamped, so a degenerate scale cannot overflow.
int RoundInt(long double value);

// The first n characters (UTF-8 code points) of a text.
std::string FirstChars(const std::string& text, int n);
int CharCount(const std::string& text);

// The chart's data record. Arrays are indexed from 1 as the chart addresses them.
struct TGraphData {
    int GraphType = 1;
    std::string Header = "Header";
    std::string XAxisHeader = "x-axis header";
    int NumPoints = 25;
    int NumYLegends = 20;
    int NumSeries = 4;
    std::array<double, kMaxPoints + 1> PointAverages{};
    std::array<std::string, kMaxPoints + 1> PointLabels;
    std::array<std::string, kMaxYLegends + 2> YLabels; // 1..31; 31 stays empty
    std::array<std::string, kMaxSeries + 1> SeriesLegends;
    double YStep = 1.0;
    int YNegativeGapCount = 0;
    int MarginLeft = kDefaultMarginLeft;
    int MarginTop = 40;
    int PlotWidth = 360;
    int PlotHeight = 250;
    int MarkSize = 3;
};

// 100 series by 100 points, addressed (series, point) from 1; unset cells hold 0.
class ValueTable {
public:
    ValueTable() : cells_((kMaxSeries + 1) * (kMaxPoints + 1), 0.0) {}
    double& operator()(int series, int point) { return cells_[series * (kMaxPoints + 1) + point]; }
    double operator()(int series, int point) const {
        return cells_[series * (kMaxPoints + 1) + point];
    }
    void Clear() { std::fill(cells_.begin(), cells_.end(), 0.0); }

private:
    std::vector<double> cells_;
};

// The chart's state and every operation that fills, scales and reshapes it, without a display.
// UpdateGraph is the redraw hook: the control overrides it to paint; here it does nothing.
class KerfGraphModel {
public:
    KerfGraphModel();
    virtual ~KerfGraphModel() = default;
    KerfGraphModel(const KerfGraphModel&) = delete;
    KerfGraphModel& operator=(const KerfGraphModel&) = delete;

    // Published properties.
    int ColorScheme = 1;
    int DefaultGraphType = 1;
    int DefaultYLegends = 20;
    bool AutoUpdateGraph = false;
    bool MouseEdit = true;
    bool MouseInfo = true;
    bool ShowLegend = true;
    int LegendWidth = 150;
    int ThickLineWidth = 3;
    int AxisLineWidth = 3;
    int HeaderFontSize = 16;
    int LegendFontSize = 7;
    int AxisFontSize = 9;
    core::TColor HeaderFontColor = 0x00800000;
    core::TColor LegendFontColor = 0x00800000;
    core::TColor AxisFontColor = 0x00800000;

    TGraphData Data;
    ValueTable Values;
    bool NegativeData = false;
    std::string IniFileName = "KerfGraph.ini";
    std::string HeaderFontName = "Arial";
    std::string LegendFontName = "Arial";
    std::string AxisFontName = "Arial";
    int SavedGap = 0;
    double SavedStep = 1.0;
    int SavedYLegends = 10;
    int InfoPoint = 0;
    int InfoSeries = 0;
    // Numeric X labels and the info box's first line show point + XLabelOffset.
    bool OffsetXLabels = false;
    int XLabelOffset = 0;

    void ClearGraph();
    void SetValue(int series, int point, double value);
    void SetHeader(const std::string& text);
    void SetXAxisHeader(const std::string& text);
    void SetYNegativeGapCount(int count);
    void SetYRange(double maximum, double minimum);
    void AutoScale();
    void CalcAverages();
    void Transpose();
    void ShowAsBar();
    void ShowAsBarWithAve();
    void ShowAsLine();
    void ShowAsMark();
    void SetIniFileName(const std::string& name) { IniFileName = name; }
    void SetSchemeColor(int scheme, int index, core::TColor color);
    core::TColor GetSchemeColor(int scheme, int index) const;
    virtual void UpdateGraph() {}

    // Y label j = RoundEven(YStep * (j - YNegativeGapCount - 1)), j = 1..30.
    void ComputeYLabels();
    // The stored-state part of a redraw, before anything is painted: the limits, the top margin
    // from the header font's height, the Y labels and the saved scale with the per-type
    // overrides (stacked and percent bars, horizontal bars).
    void PrepareDrawing(int headerTextHeight);
    // The Y axis moves right as far as the widest Y label needs (never left of its default).
    void FitLeftMargin(int widestYLabel);
    // The scale's top never below `top`: the step and step count stand where they reach it;
    // otherwise more steps, and past the drawing's limit of steps a larger step.
    void ReachTop(double top, double bottom);
    // The highest sum of a point's values over the series shown.
    double TallestStack() const;

    // The info box's value text: fixed point, 3 decimals, 7 significant digits.
    static std::string ValueText(double value);

private:
    void ShowAs(int graphType);

    SchemeStore store_;
};

} // namespace kerfgraph
