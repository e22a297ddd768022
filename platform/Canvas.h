#pragma once

#include "platform/Colors.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <memory>
#include <string>
#include <vector>

namespace platform {

enum class BrushStyle { Solid, Clear };
enum class PenStyle { Solid, Dash, Dot, Clear };

struct TPen {
    TColor Color = core::clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
};

struct TBrush {
    TColor Color = core::clWhite;
    BrushStyle Style = BrushStyle::Solid;
    // A pattern brush when not null: the picture repeats from the canvas origin (0, 0), not
    // from the shape, so neighbouring fills join up.
    QImage Bitmap;
};

// A rectangle as the layouts give it: Right and Bottom are outside.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The text layout flags of DrawText.
enum TextFlag : unsigned {
    dtLeft = 0,
    dtCenter = 1,
    dtRight = 2,
    dtVCenter = 4,
    dtBottom = 8,
    dtSingleLine = 0x20,
    dtNoPrefix = 0x800,
    dtEndEllipsis = 0x8000, // single line: text too wide ends in "..." inside the rectangle
};

// Edges of DrawEdge: raised or sunken, two pixels deep, on the four sides.
enum class EdgeStyle { Raised, Sunken, RaisedInner, SunkenOuter };

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8; // points at 96 dpi
    TColor Color = core::clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// A drawing surface whose pixels follow fixed rules: rectangles exclude their right and bottom
// edges, lines exclude their end pixel, text is placed by its top-left corner with the brush
// behind it. It draws on a QImage, so tests can read the pixels.
class TCanvas {
public:
    explicit TCanvas(QImage* image) : image_(image) {}

    TPen Pen;
    TBrush Brush;
    TFont Font;

    QImage& Image() { return *image_; }
    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    // Outline with the pen, interior with the brush; covers x1..x2-1, y1..y2-1.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect& r) { Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    // Interior with the brush only; covers x1..x2-1, y1..y2-1.
    void FillRect(int x1, int y1, int x2, int y2);
    // One-pixel frame in the brush colour.
    void FrameRect(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const QPolygon& points);
    // Lines through the points, each without its end pixel, as LineTo draws them.
    void Polyline(const QPolygon& points);
    // Rectangle with corners rounded by an ellipse of cw x ch.
    void RoundRect(int x1, int y1, int x2, int y2, int cw, int ch);
    // Regions: the fill takes the brush; the frame paints w pixels wide on the left and right
    // borders and h pixels high on the top and bottom borders, inside the region (0 or less: none).
    void FillRgn(const QRegion& region);
    void FrameRgn(const QRegion& region, int w, int h);
    // Clipping: everything drawn afterwards stays inside; SaveDC/RestoreDC nest.
    void IntersectClipRect(int x1, int y1, int x2, int y2);
    void SelectClipRgn(const QRegion& region);
    void ClearClip();
    void SaveDC();
    void RestoreDC();
    // Every other pixel of the one-pixel frame inverted; drawing it twice removes it.
    void DrawFocusRect(int x1, int y1, int x2, int y2);
    void DrawEdge(const TRect& r, EdgeStyle style);
    // Text laid out in r by the flags; '&' underlines the next letter, "&&" is one '&'.
    void DrawText(const TRect& r, const std::string& text, unsigned flags);
    // Nearest-pixel stretch of the whole source into dst.
    void StretchDraw(const QRect& dst, const QImage& source);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    // The text cut to fit width pixels, ending in "..." when cut.
    std::string EndEllipsis(const std::string& text, int width) const;
    void SetPixel(int x, int y, TColor color);
    TColor Pixel(int x, int y) const;
    // Copies src (of source) into dst of this canvas, stretched when the sizes differ.
    void CopyRect(const QRect& dst, const QImage& source, const QRect& src);
    void Draw(int x, int y, const QImage& source);

    QFont QtFont() const;

private:
    template <class F> void Paint(F&& f);
    // Filled shapes: the pen outlines, the brush fills.
    void UsePenAndBrush(QPainter& p) const;
    QBrush FillBrush() const;

    QImage* image_;
    QPoint penPos_{0, 0};
    bool clipped_ = false;
    QRegion clip_;
    std::vector<std::pair<bool, QRegion>> saved_;
};

// A bitmap with its own canvas, as the programs keep for their pictures.
class TBitmap {
public:
    TBitmap(int width = 0, int height = 0);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // Resizing keeps the picture at the top-left and fills new parts white.
    void SetSize(int width, int height);
    TCanvas& Canvas() { return *canvas_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
};

// The region of a rectangle whose corners are rounded by an ellipse of cw x ch.
QRegion RoundRectRegion(int x1, int y1, int x2, int y2, int cw, int ch);

// Pixel size of a font of the given point size; the layouts assume 96 dpi.
int PointsToPixels(int points);

} // namespace platform
