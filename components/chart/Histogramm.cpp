#include "components/chart/Histogramm.h"

#include "components/chart/Image.h"
#include "components/chart/KerfGraphModel.h"
#include "components/chart/KerfGraphPaint.h"

#include <algorithm>
#include <string>

using kerfgraph::RoundInt;

TIntHistogramm::TIntHistogramm(int count, int lower, int upper, TImage* image)
    : Count(std::max(count, 0)), LowerBound(lower), UpperBound(upper), TargetImage(image),
      hv(count) {}

std::int32_t TIntHistogramm::MaxValue() const {
    std::int32_t m = 0;
    for (int i = 0; i < Count; ++i) m = std::max(m, hv.GetValue(i));
    if (ShowOuterBins) m = std::max({m, AboveCount, BelowCount});
    return m;
}

void TIntHistogramm::Clear() {
    hv.Clear();
    AboveCount = 0;
    BelowCount = 0;
}

std::string TIntHistogramm::BinLabel(int i) const {
    const std::string n = std::to_string(i + FirstLabel);
    return i < 9 ? " " + n + "  " : n + " ";
}

void TIntHistogramm::Draw() {
    if (!TargetImage) return;
    const int W = TargetImage->Picture().Width(), H = TargetImage->Picture().Height();
    // Nothing to draw on, and no scale to divide by.
    if (W <= 0 || H <= 0) return;
    auto& c = TargetImage->Canvas();

    c.Brush.Color = core::clWhite;
    c.Brush.Style = platform::BrushStyle::Solid;
    c.Pen.Color = core::clBlue;
    c.Pen.Style = platform::PenStyle::Solid;
    c.Pen.Width = 1;
    c.Rectangle(0, 0, W - 1, H - 1);

    // Pixels per count, held in single precision.
    const float q = static_cast<float>(static_cast<long double>(H) / (MaxValue() + 1.0L));
    c.Pen.Color = core::clBlack;
    c.Pen.Style = platform::PenStyle::Dot;
    c.Font.Color = core::clBlue;
    c.Brush.Color = core::clWhite;
    int r = H;
    const int lines = RoundInt(H / static_cast<long double>(q));
    for (int k = 0; k <= lines; ++k) {
        kerfgraph::DottedLine(c, 0, r, W, r);
        // The label under a line names the band below it.
        c.TextOut(r < 10 ? 10 : 5, r, std::to_string(k - 1));
        r = RoundInt(r - static_cast<long double>(q));
    }

    c.Pen.Style = platform::PenStyle::Solid;
    c.Pen.Color = core::clWhite;
    c.Brush.Color = core::clBlue;
    if (ShowOuterBins) {
        const float w = static_cast<float>(static_cast<long double>(W) / (Count + 2));
        const long double lw = w;
        for (int i = 0; i < Count; ++i) {
            const int h = RoundInt(hv.GetValue(i) * static_cast<long double>(q));
            const int left = RoundInt((i + 1) * lw);
            c.Rectangle(left, H - h - 1, RoundInt((i + 2) * lw), H - 1);
            c.Brush.Color = core::clWhite;
            c.Font.Color = core::clRed;
            c.TextOut(left, H - h - 13, BinLabel(i));
            c.Brush.Color = core::clBlue;
        }
        c.Brush.Color = core::clRed;
        c.Pen.Color = core::clRed;
        c.Rectangle(0, H - RoundInt(BelowCount * static_cast<long double>(q)) - 1, RoundInt(lw),
                    H - 1);
        c.Rectangle(RoundInt(W - lw - 1),
                    H - RoundInt(AboveCount * static_cast<long double>(q)) - 1, W - 1, H - 1);
    } else if (Count > 0) {
        const long double lw = static_cast<float>(static_cast<long double>(W) / Count);
        for (int i = 0; i < Count; ++i) {
            const int h = RoundInt(hv.GetValue(i) * static_cast<long double>(q));
            c.Rectangle(RoundInt(i * lw), H - h, RoundInt((i + 1) * lw), H - 1);
        }
    }

    c.Pen.Style = platform::PenStyle::Solid;
    c.Brush.Color = core::clBlack;
    c.FillRect(0, 0, 2, H - 1);
    TargetImage->Invalidate();
}
