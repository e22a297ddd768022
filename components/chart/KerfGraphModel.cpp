#include "components/chart/KerfGraphModel.h"

#include "core/Format.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>

namespace kerfgraph {

int RoundInt(long double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(core::RoundEven(value));
}

std::string FirstChars(const std::string& text, int n) {
    std::size_t i = 0;
    int count = 0;
    while (i < text.size() && count < n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
        ++count;
    }
    return text.substr(0, i);
}

int CharCount(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

KerfGraphModel::KerfGraphModel() {
    ClearGraph();
    Data.Header = "Header";
    Data.XAxisHeader = "x-axis header";
    for (int s = 1; s <= kMaxSeries; ++s) Data.SeriesLegends[s] = "Series Legend";
    // Demo data, as the control shows before anything is fed.
    for (int i = 1; i <= 25; ++i) {
        Values(1, i) = 3.65 * i;
        Values(2, i) = 0.5 * i;
        Values(3, i) = 100 - 3 * i;
        Values(4, i) = 13.2 * (i % 3);
    }
    Data.NumPoints = 25;
    Data.NumSeries = 4;
    ComputeYLabels();
    for (int i = 1; i <= kMaxPoints; ++i) Data.PointLabels[i] = std::to_string(i);
    AutoScale();
}

void KerfGraphModel::ClearGraph() {
    NegativeData = false;
    Data.Header.clear();
    Data.XAxisHeader.clear();
    Data.NumSeries = 1;
    Data.NumPoints = 0;
    Data.NumYLegends = DefaultYLegends;
    Data.YNegativeGapCount = 0;
    Data.YStep = 1.0;
    for (auto& l : Data.SeriesLegends) l.clear();
    Data.PointAverages.fill(0.0);
    Values.Clear();
    for (int i = 1; i <= kMaxPoints; ++i) Data.PointLabels[i] = std::to_string(i);
}

void KerfGraphModel::SetValue(int series, int point, double value) {
    if (series < 1 || series > kMaxSeries || point < 1 || point > kMaxPoints) return;
    if (value <= -1.0) NegativeData = true;
    Values(series, point) = value;
    if (AutoUpdateGraph) UpdateGraph();
}

void KerfGraphModel::SetHeader(const std::string& text) {
    Data.Header = FirstChars(text, kMaxText);
    if (AutoUpdateGraph) UpdateGraph();
}

void KerfGraphModel::SetXAxisHeader(const std::string& text) {
    Data.XAxisHeader = FirstChars(text, kMaxText);
    if (AutoUpdateGraph) UpdateGraph();
}

void KerfGraphModel::SetYNegativeGapCount(int count) {
    if (count >= 0 && count < kMaxYLegends)
        Data.YNegativeGapCount = count;
    else
        platform::Dialogs().ShowMessage("YNegativeGapCount must be between 0 and " +
                                        std::to_string(kMaxYLegends));
    if (AutoUpdateGraph) UpdateGraph();
}

void KerfGraphModel::SetYRange(double maximum, double minimum) {
    if (!(maximum > minimum)) {
        platform::Dialogs().ShowMessage("Maximum value must be greater than minimum value.");
        return;
    }
    const long double range = static_cast<long double>(maximum) - minimum;
    // A step count below 1 would divide by zero; such a chart is drawn with one step anyway.
    const int steps = Data.NumYLegends < 1 ? 1 : Data.NumYLegends;
    if (range / 9 < Data.YStep) Data.YStep = RoundInt(range / steps + 0.5L);
    if (Data.YStep == 0) Data.YStep = 1.0;
    const long double step = Data.YStep;
    if (minimum <= 0 && 0 <= maximum) {
        Data.NumYLegends = RoundInt(range / step + 0.5L) + 1;
        SetYNegativeGapCount(RoundInt(std::fabs(static_cast<long double>(minimum)) / step));
    } else {
        Data.NumYLegends = RoundInt(range / step);
        if (minimum > 0) {
            SetYNegativeGapCount(0);
            Data.YNegativeGapCount = -RoundInt(minimum / step);
        } else {
            SetYNegativeGapCount(RoundInt(std::fabs(static_cast<long double>(minimum)) / step));
        }
    }
    if (AutoUpdateGraph) UpdateGraph();
}

void KerfGraphModel::AutoScale() {
    Data.GraphType = DefaultGraphType;
    long double mn = 99999999.0L, mx = -99999999.0L;
    int usedPoints = 0, usedSeries = 0;
    for (int p = 1; p <= kMaxPoints; ++p)
        for (int s = 1; s <= kMaxSeries; ++s) {
            const double v = Values(s, p);
            if (v < mn) mn = v;
            if (v > mx) mx = v;
            if (v != 0) {
                if (p > usedPoints) usedPoints = p;
                if (s > usedSeries) usedSeries = s;
            }
        }
    // The factors are held at extended precision: a maximum of 700 gives 770 / 20 = 38.5
    // exactly, hence 38, where double arithmetic gives 39.
    const long double d = DefaultYLegends;
    Data.YStep = RoundInt(mx * 1.1L / d);
    if (Data.GraphType == 2) Data.YStep = RoundInt((mx + mn) * (1.0L / 1.9L) / d * usedSeries);
    NegativeData = false;
    if (mn < 0) {
        NegativeData = true;
        Data.YStep = RoundInt((mx - mn) * 1.1L / d);
        if (Data.YStep == 0) Data.YStep = 1.0;
        Data.GraphType = 3;
        Data.YNegativeGapCount = RoundInt(-mn / static_cast<long double>(Data.YStep));
    }
    if (Data.YStep == 0) {
        Data.YStep = 1.0;
        Data.NumYLegends = RoundInt(mx * usedSeries);
    }
    if (Data.NumYLegends == 0) Data.NumYLegends = 1;
    Data.NumSeries = usedSeries;
    Data.NumPoints = usedPoints;
    ReachTop(Data.GraphType == 2 ? TallestStack() : static_cast<double>(mx), mn);
    ComputeYLabels();
    CalcAverages();
    UpdateGraph();
}

double KerfGraphModel::TallestStack() const {
    double tallest = 0;
    for (int p = 1; p <= Data.NumPoints; ++p) {
        double stack = 0;
        for (int s = 1; s <= Data.NumSeries; ++s) stack += Values(s, p);
        tallest = std::max(tallest, stack);
    }
    return tallest;
}

void KerfGraphModel::ReachTop(double top, double bottom) {
    auto& d = Data;
    // What a drawing shows: at most kMaxYLegends steps, the stacked type from zero.
    auto gapFor = [&](double step) {
        if (d.GraphType == 2) return 0;
        return bottom < 0 ? RoundInt(-bottom / static_cast<long double>(step))
                          : d.YNegativeGapCount;
    };
    auto reaches = [&](double step, int steps) {
        return static_cast<long double>(step) * (steps - gapFor(step)) >= top;
    };
    const int drawn = std::clamp(d.NumYLegends, 1, kMaxYLegends);
    if (top <= 0 || reaches(d.YStep, drawn)) return;
    // More steps of the same size while the drawing has room for them, else a larger step.
    const int gap = gapFor(d.YStep);
    const long double needed = std::ceil(top / static_cast<long double>(d.YStep)) + gap;
    if (needed <= kMaxYLegends) {
        d.NumYLegends = static_cast<int>(needed);
        return;
    }
    d.NumYLegends = kMaxYLegends;
    double step = std::max({d.YStep + 1, std::floor(top / kMaxYLegends),
                            std::floor((top - std::min(bottom, 0.0)) / kMaxYLegends)});
    while (!reaches(step, kMaxYLegends) || gapFor(step) >= kMaxYLegends) ++step;
    d.YStep = step;
    if (d.GraphType != 2 && bottom < 0) d.YNegativeGapCount = gapFor(step);
}

void KerfGraphModel::FitLeftMargin(int widestYLabel) {
    auto& d = Data;
    // Room for the widest label right-aligned 3 pixels left of the axis, and 2 before it; the
    // plot's right end moves with the axis so the legend keeps its place.
    const int margin = std::max(kDefaultMarginLeft, widestYLabel + 5);
    d.PlotWidth = std::max(10, d.PlotWidth - (margin - d.MarginLeft));
    d.MarginLeft = margin;
}

void KerfGraphModel::CalcAverages() {
    for (int i = 1; i <= kMaxPoints; ++i) {
        if (Data.NumSeries == 0) {
            Data.PointAverages[i] = 0;
            continue;
        }
        long double sum = 0;
        for (int s = 1; s <= kMaxSeries; ++s) sum += Values(s, i);
        Data.PointAverages[i] = static_cast<double>(sum / Data.NumSeries);
    }
}

void KerfGraphModel::Transpose() {
    auto data = std::make_unique<TGraphData>(Data);
    auto values = std::make_unique<ValueTable>();
    for (int i = 1; i <= kMaxPoints; ++i) {
        data->SeriesLegends[i] = Data.PointLabels[i];
        data->PointLabels[i] = Data.SeriesLegends[i];
    }
    for (int s = 1; s <= kMaxSeries; ++s)
        for (int p = 1; p <= kMaxPoints; ++p) (*values)(s, p) = Values(p, s);
    data->NumPoints = Data.NumSeries;
    data->NumSeries = Data.NumPoints;
    Data = *data;
    Values = *values;
    CalcAverages();
    UpdateGraph();
}

void KerfGraphModel::ShowAs(int graphType) {
    Data.YNegativeGapCount = SavedGap;
    Data.YStep = SavedStep;
    Data.NumYLegends = SavedYLegends;
    Data.GraphType = graphType;
    UpdateGraph();
}

void KerfGraphModel::ShowAsBar() {
    ShowAs(1);
}

void KerfGraphModel::ShowAsBarWithAve() {
    ShowAs(4);
}

void KerfGraphModel::ShowAsLine() {
    ShowAs(7);
}

void KerfGraphModel::ShowAsMark() {
    ShowAs(8);
}

void KerfGraphModel::SetSchemeColor(int scheme, int index, core::TColor color) {
    store_.WriteString("Scheme" + std::to_string(scheme), std::to_string(index),
                       ColorToString(color));
    if (AutoUpdateGraph) UpdateGraph();
}

core::TColor KerfGraphModel::GetSchemeColor(int scheme, int index) const {
    return StringToColor(store_.ReadString("Scheme" + std::to_string(scheme), std::to_string(index),
                                           DefaultSchemeColor(index)));
}

void KerfGraphModel::ComputeYLabels() {
    for (int j = 1; j <= kMaxYLegends; ++j)
        Data.YLabels[j] = std::to_string(
            RoundInt(static_cast<long double>(Data.YStep) * (j - Data.YNegativeGapCount - 1)));
}

void KerfGraphModel::PrepareDrawing(int headerTextHeight) {
    auto& d = Data;
    if (d.NumYLegends > kMaxYLegends) d.NumYLegends = kMaxYLegends;
    if (d.NumYLegends < 1) d.NumYLegends = 1;
    if (d.NumPoints > kMaxPoints) d.NumPoints = kMaxPoints;
    if (d.NumPoints < 0) d.NumPoints = 0;
    if (d.NumSeries > kMaxSeries) d.NumSeries = kMaxSeries;
    if (d.NumSeries < 0) d.NumSeries = 0;
    if (d.YStep == 0) d.YStep = 1.0;

    // The plot's bottom stays where it was.
    const int oldTop = d.MarginTop;
    d.MarginTop = headerTextHeight + 8;
    d.PlotHeight += oldTop - d.MarginTop;

    ComputeYLabels();
    SavedGap = d.YNegativeGapCount;
    if (d.GraphType == 2 || d.GraphType == 5) d.YNegativeGapCount = 0;
    SavedYLegends = d.NumYLegends;
    SavedStep = d.YStep;
    if (d.GraphType == 5) {
        d.YStep = 10.0;
        d.NumYLegends = 10;
        for (int j = 1; j <= 11; ++j) d.YLabels[j] = std::to_string((j - 1) * 10);
    } else if (d.GraphType == 9) {
        // Horizontal bars put zero in the middle; their labels keep that gap.
        const int gap = d.YNegativeGapCount;
        d.YNegativeGapCount = d.NumYLegends / 2;
        ComputeYLabels();
        d.YNegativeGapCount = gap;
    }
}

std::string KerfGraphModel::ValueText(double value) {
    if (!std::isfinite(value)) return core::FormatFixed(value, 3);
    const double a = std::fabs(value);
    if (a >= 1e7) {
        // More than 7 digits before the point: scientific, as the fixed format falls back to.
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.6E", value);
        std::string s(buf);
        const auto e = s.find('E');
        std::string exp = s.substr(e + 2);
        while (exp.size() < 3) exp.insert(exp.begin(), '0');
        return s.substr(0, e + 2) + exp;
    }
    int intDigits = 0;
    for (long long n = static_cast<long long>(a); n > 0; n /= 10) ++intDigits;
    const int decimals = std::min(3, 7 - intDigits);
    std::string text = core::FormatFixed(value, decimals);
    if (decimals == 0) text += ".";
    for (int i = decimals; i < 3; ++i) text += "0";
    return text;
}

} // namespace kerfgraph
