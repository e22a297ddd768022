#include "platform/Canvas.h"

#include <QFontMetrics>

#include <cmath>
#include <cstdlib>

namespace platform {

int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

namespace {

QString FamilyFor(const std::string& name) {
    // The fonts of the original desktop map to metric-compatible ones of this one.
    if (name == "MS Sans Serif" || name == "Arial" || name == "Tahoma" || name == "Verdana")
        return QStringLiteral("Liberation Sans");
    if (name == "Courier New" || name == "Courier") return QStringLiteral("Liberation Mono");
    if (name == "Times New Roman") return QStringLiteral("Liberation Serif");
    return QString::fromStdString(name);
}

} // namespace

QFont TCanvas::QtFont() const {
    QFont f(FamilyFor(Font.Name));
    f.setPixelSize(std::max(1, PointsToPixels(Font.Size)));
    f.setBold(Font.Bold);
    f.setItalic(Font.Italic);
    f.setUnderline(Font.Underline);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

template <class F> void TCanvas::Paint(F&& f) {
    if (image_->isNull()) return;
    QPainter p(image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    f(p);
}

void TCanvas::LineTo(int x, int y) {
    const QPoint from = penPos_;
    penPos_ = {x, y};
    if (Pen.Style == PenStyle::Clear) return;
    Paint([&](QPainter& p) {
        if (Pen.Width <= 1) {
            // Bresenham without the end pixel.
            QPolygon pts;
            int x0 = from.x(), y0 = from.y();
            const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
            const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
            int err = dx + dy;
            while (!(x0 == x && y0 == y)) {
                pts << QPoint(x0, y0);
                const int e2 = 2 * err;
                if (e2 >= dy) {
                    err += dy;
                    x0 += sx;
                }
                if (e2 <= dx) {
                    err += dx;
                    y0 += sy;
                }
            }
            p.setPen(QPen(ToQColor(Pen.Color), 1));
            p.drawPoints(pts);
        } else {
            QPen pen(ToQColor(Pen.Color), Pen.Width);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(from, QPoint(x, y));
        }
    });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    Paint([&](QPainter& p) {
        const int w = Pen.Style == PenStyle::Clear ? 0 : std::max(1, Pen.Width);
        if (Brush.Style == BrushStyle::Solid && x2 - x1 > 2 * w && y2 - y1 > 2 * w)
            p.fillRect(QRect(x1 + w, y1 + w, x2 - x1 - 2 * w, y2 - y1 - 2 * w),
                       ToQColor(Brush.Color));
        if (w > 0) {
            const QColor c = ToQColor(Pen.Color);
            p.fillRect(QRect(x1, y1, x2 - x1, std::min(w, y2 - y1)), c);
            p.fillRect(QRect(x1, std::max(y1, y2 - w), x2 - x1, std::min(w, y2 - y1)), c);
            p.fillRect(QRect(x1, y1, std::min(w, x2 - x1), y2 - y1), c);
            p.fillRect(QRect(std::max(x1, x2 - w), y1, std::min(w, x2 - x1), y2 - y1), c);
        }
    });
}

void TCanvas::FillRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1 || Brush.Style == BrushStyle::Clear) return;
    Paint([&](QPainter& p) { p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(Brush.Color)); });
}

void TCanvas::FrameRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    Paint([&](QPainter& p) {
        const QColor c = ToQColor(Brush.Color);
        p.fillRect(QRect(x1, y1, x2 - x1, 1), c);
        p.fillRect(QRect(x1, y2 - 1, x2 - x1, 1), c);
        p.fillRect(QRect(x1, y1, 1, y2 - y1), c);
        p.fillRect(QRect(x2 - 1, y1, 1, y2 - y1), c);
    });
}

void TCanvas::UsePenAndBrush(QPainter& p) const {
    if (Pen.Style == PenStyle::Clear)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(ToQColor(Pen.Color), std::max(1, Pen.Width)));
    if (Brush.Style == BrushStyle::Solid)
        p.setBrush(ToQColor(Brush.Color));
    else
        p.setBrush(Qt::NoBrush);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    Paint([&](QPainter& p) {
        UsePenAndBrush(p);
        p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    });
}

void TCanvas::Polygon(const QPolygon& points) {
    Paint([&](QPainter& p) {
        UsePenAndBrush(p);
        p.drawPolygon(points);
    });
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    const QString s = QString::fromStdString(text);
    Paint([&](QPainter& p) {
        const QFont f = QtFont();
        const QFontMetrics m(f);
        if (Brush.Style == BrushStyle::Solid)
            p.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), ToQColor(Brush.Color));
        p.setFont(f);
        p.setPen(ToQColor(Font.Color));
        p.drawText(QPoint(x, y + m.ascent()), s);
    });
    penPos_ = {x + TextWidth(text), y};
}

int TCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(QtFont()).horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const std::string&) const {
    return QFontMetrics(QtFont()).height();
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return;
    image_->setPixelColor(x, y, ToQColor(color));
}

TColor TCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return core::clNone;
    return FromQColor(image_->pixelColor(x, y));
}

void TCanvas::CopyRect(const QRect& dst, const QImage& source, const QRect& src) {
    Paint([&](QPainter& p) { p.drawImage(dst, source, src); });
}

void TCanvas::Draw(int x, int y, const QImage& source) {
    Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), source); });
}

TBitmap::TBitmap(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      canvas_(std::make_unique<TCanvas>(&image_)) {
    image_.fill(Qt::white);
}

void TBitmap::SetSize(int width, int height) {
    QImage next(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!image_.isNull() && !next.isNull()) {
        QPainter p(&next);
        p.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(next);
}

} // namespace platform
