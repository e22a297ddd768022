#pragma once

#include "platform/Colors.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <memory>
#include <string>

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
};

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8; // points at 96 dpi
    TColor Color = core::clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// A drawing surface with the rules of the original platform's canvas: rectangles exclude
// their right and bottom edges, lines exclude their end pixel, text is placed by its top-left
// corner with the brush behind it. It draws on a QImage, so tests can read the pixels.
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
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
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

    QImage* image_;
    QPoint penPos_{0, 0};
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

// Pixel size of a font of the given point size at 96 dpi, as the original platform uses.
int PointsToPixels(int points);

} // namespace platform
