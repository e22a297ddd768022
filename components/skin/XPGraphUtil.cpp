#include "components/skin/XPGraphUtil.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using core::TColor;
using platform::TCanvas;
using platform::TRect;

namespace {

int R(TColor c) {
    return static_cast<int>(c & 0xFF);
}
int G(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int B(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

TColor RGB(int r, int g, int b) {
    return core::Rgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

void SolidFill(TCanvas& canvas, const TRect& r, TColor color) {
    const platform::TBrush keep = canvas.Brush;
    canvas.Brush = platform::TBrush{color, platform::BrushStyle::Solid, {}};
    canvas.FillRect(r.Left, r.Top, r.Right, r.Bottom);
    canvas.Brush = keep;
}

// The edge strip of the layered fill: each row blends from the pixel left of it to the pixel
// right of it.
void BlendEdgeRows(TCanvas& canvas, const TRect& r, int q) {
    for (int y = r.Top + XPEdgeWidth; y < r.Bottom; ++y)
        FillGradientBands(canvas, {r.Left + q, y, r.Left + XPEdgeWidth, y + 1},
                          canvas.Pixel(r.Left + q - 1, y),
                          canvas.Pixel(r.Left + XPEdgeWidth + 1, y), fdLeftToRight, 8);
}

bool IsMonochrome(const QImage& image) {
    return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t d = denominator;
    const std::int64_t half = std::llabs(d) / 2;
    const bool negative = (product < 0) != (d < 0);
    const std::int64_t q = (std::llabs(product) + half) / std::llabs(d);
    return static_cast<int>(negative ? -q : q);
}

TColor DarkenColor(TColor color, int amount) {
    const TColor c = core::ColorToRGB(color);
    return RGB(R(c) - amount, G(c) - amount, B(c) - amount);
}

void GrayscaleBitmap(platform::TBitmap& bitmap) {
    QImage& image = bitmap.Image();
    if (image.isNull()) return;
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int v = (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3;
            line[x] = qRgb(v, v, v);
        }
    }
}

void FillGradientBands(TCanvas& canvas, TRect rect, TColor color1, TColor color2, int direction,
                       int colors) {
    if (rect.IsEmpty()) return;
    colors = std::clamp(colors, 0, 255);
    if (colors < 2) {
        SolidFill(canvas, rect, color1);
        return;
    }
    const TColor c1 = core::ColorToRGB(color1), c2 = core::ColorToRGB(color2);
    const bool reversed = direction == fdBottomToTop || direction == fdRightToLeft;
    const TColor base = reversed ? c2 : c1, other = reversed ? c1 : c2;
    const int dr = R(other) - R(base), dg = G(other) - G(base), db = B(other) - B(base);
    const bool vertical = direction == fdTopToBottom || direction == fdBottomToTop;
    const int extent = vertical ? rect.Height() : rect.Width();
    const int n = std::max(2, std::min(colors, extent));
    const int size = extent / n;
    canvas.Pen.Style = platform::PenStyle::Solid;
    auto band = [&](int from, int to) {
        return vertical ? TRect{rect.Left, from, rect.Right, to}
                        : TRect{from, rect.Top, to, rect.Bottom};
    };
    const int start = vertical ? rect.Top : rect.Left;
    if (size > 0) {
        for (int i = 0; i < n; ++i)
            SolidFill(canvas, band(start + i * size, start + (i + 1) * size),
                      RGB(R(base) + MulDiv(i, dr, n - 1), G(base) + MulDiv(i, dg, n - 1),
                          B(base) + MulDiv(i, db, n - 1)));
    }
    const int rest = extent % n;
    if (rest > 0) {
        const int end = vertical ? rect.Bottom : rect.Right;
        SolidFill(canvas, band(end - rest, end), other);
    }
}

void FillGradientXP(TCanvas& canvas, TRect r, TColor startColor, TColor endColor, int colors) {
    if (r.IsEmpty()) return;
    const int e = XPEdgeWidth, q = XPEdgeWidth / 4;
    const platform::TBrush keep = canvas.Brush;
    canvas.Brush = platform::TBrush{endColor, platform::BrushStyle::Solid, {}};
    canvas.FrameRect(r.Left, r.Top, r.Right, r.Bottom);
    canvas.Brush = keep;
    FillGradientBands(canvas, {r.Left + e, r.Top + e, r.Right, r.Bottom - e}, endColor, startColor,
                      fdTopToBottom, colors);
    FillGradientBands(canvas, {r.Left + e, r.Bottom - e, r.Right, r.Bottom}, startColor, endColor,
                      fdTopToBottom, colors);
    BlendEdgeRows(canvas, r, q);
    const TColor highlight = DarkenColor(startColor, -XPEdgeLighten);
    FillGradientBands(canvas, {r.Left + e, r.Top, r.Right, r.Top + q}, highlight, startColor,
                      fdTopToBottom, 8);
    FillGradientBands(canvas, {r.Left + e, r.Top + q, r.Right, r.Top + e}, startColor, endColor,
                      fdTopToBottom, 8);
    FillGradientBands(canvas, {r.Left, r.Top + e, r.Left + q, r.Bottom}, highlight, startColor,
                      fdLeftToRight, 8);
    BlendEdgeRows(canvas, r, q);
    // The top-left corner mitred: each column's colour turns the corner onto its row.
    for (int i = 0; i <= e; ++i) {
        canvas.Pen.Color = canvas.Pixel(r.Left + i, r.Top + e + 1);
        canvas.MoveTo(r.Left + i, r.Top + e);
        canvas.LineTo(r.Left + i, r.Top + i);
        canvas.LineTo(r.Left + e, r.Top + i);
    }
}

void DrawGradient(TCanvas& canvas, TRect r, TColor startColor, TColor endColor,
                  TFillDirection direction, int colors) {
    switch (direction) {
    case fdVerticalFromCenter: {
        const int half = r.Height() / 2;
        FillGradientBands(canvas, {r.Left, r.Top, r.Right, r.Top + half}, startColor, endColor,
                          fdTopToBottom, colors);
        FillGradientBands(canvas, {r.Left, r.Top + half, r.Right, r.Bottom}, startColor, endColor,
                          fdBottomToTop, colors);
        break;
    }
    case fdHorizFromCenter: {
        const int half = r.Width() / 2;
        FillGradientBands(canvas, {r.Left, r.Top, r.Left + half, r.Bottom}, startColor, endColor,
                          fdLeftToRight, colors);
        FillGradientBands(canvas, {r.Left + half, r.Top, r.Right, r.Bottom}, startColor, endColor,
                          fdRightToLeft, colors);
        break;
    }
    case fdXP:
        FillGradientXP(canvas, r, startColor, endColor, colors);
        break;
    default:
        FillGradientBands(canvas, r, startColor, endColor, direction, colors);
        break;
    }
}

void TileBitmap(TCanvas& canvas, TRect r, const QImage& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    if (w == 0 || h == 0) return;
    canvas.SaveDC();
    canvas.IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    for (int c = 0; c <= r.Width() / w; ++c)
        for (int row = 0; row <= r.Height() / h; ++row)
            canvas.Draw(r.Left + c * w, r.Top + row * h, bitmap);
    canvas.RestoreDC();
}

void MaskedStretchBlt(TCanvas& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                      TColor transparent) {
    if (dstRect.isEmpty() || srcRect.isEmpty() || src.isNull()) return;
    // Nearest pixel, as the colour-on-colour stretch mode drops pixels without blending.
    QImage part = src.copy(srcRect)
                      .convertToFormat(QImage::Format_ARGB32)
                      .scaled(dstRect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRgb key = platform::ToQColor(transparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    dst.Draw(dstRect.x(), dstRect.y(), part);
}

void StretchDrawTransparent(TCanvas& canvas, const QImage& bitmap, TColor transparentColor,
                            int dstX, int dstY, int dstW, int dstH, int srcX, int srcY, int srcW,
                            int srcH) {
    if (bitmap.isNull() || bitmap.width() == 0 || bitmap.height() == 0) return;
    if (dstW <= 0) dstW = bitmap.width();
    if (dstH <= 0) dstH = bitmap.height();
    if (srcW <= 0 || srcH <= 0) {
        srcX = srcY = 0;
        srcW = bitmap.width();
        srcH = bitmap.height();
    }
    const QRect dst(dstX, dstY, dstW, dstH), src(srcX, srcY, srcW, srcH);
    if (transparentColor == core::clNone) {
        canvas.CopyRect(dst, bitmap.convertToFormat(QImage::Format_RGB32), src);
        return;
    }
    TColor key = transparentColor;
    if (IsMonochrome(bitmap))
        key = core::clWhite;
    else if (transparentColor == clDefault)
        key = platform::FromQColor(bitmap.pixelColor(0, bitmap.height() - 1));
    else
        key = core::ColorToRGB(transparentColor);
    MaskedStretchBlt(canvas, dst, bitmap, src, key);
}

void StretchDrawTransparentRect(TCanvas& canvas, int dstX, int dstY, int dstW, int dstH,
                                TRect srcRect, const QImage& bitmap, TColor transparentColor) {
    StretchDrawTransparent(canvas, bitmap, transparentColor, dstX, dstY, dstW, dstH, srcRect.Left,
                           srcRect.Top, srcRect.Width(), srcRect.Height());
}

void DrawTransparentRect(TCanvas& canvas, int dstX, int dstY, TRect srcRect, const QImage& bitmap,
                         TColor transparentColor) {
    StretchDrawTransparent(canvas, bitmap, transparentColor, dstX, dstY, srcRect.Width(),
                           srcRect.Height(), srcRect.Left, srcRect.Top, srcRect.Width(),
                           srcRect.Height());
}

void DrawTransparent(TCanvas& canvas, int dstX, int dstY, const QImage& bitmap,
                     TColor transparentColor) {
    StretchDrawTransparent(canvas, bitmap, transparentColor, dstX, dstY, bitmap.width(),
                           bitmap.height(), 0, 0, bitmap.width(), bitmap.height());
}
