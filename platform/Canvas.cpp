#include "platform/Canvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

namespace {

QString FamilyFor(const std::string& name) {
    // Windows font names map to metric-compatible free fonts, so text keeps its widths.
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
    // Whole-pixel advances: without them bold letters drawn unsmoothed sit at uneven gaps.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

template <class F> void TCanvas::Paint(F&& f) {
    if (image_->isNull()) return;
    QPainter p(image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (clipped_) p.setClipRegion(clip_);
    f(p);
}

QBrush TCanvas::FillBrush() const {
    if (!Brush.Bitmap.isNull()) return QBrush(Brush.Bitmap);
    return QBrush(ToQColor(Brush.Color));
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
            p.fillRect(QRect(x1 + w, y1 + w, x2 - x1 - 2 * w, y2 - y1 - 2 * w), FillBrush());
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
    Paint([&](QPainter& p) { p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), FillBrush()); });
}

void TCanvas::FrameRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    Paint([&](QPainter& p) {
        const QBrush c = FillBrush();
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
        p.setBrush(FillBrush());
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

std::string TCanvas::EndEllipsis(const std::string& text, int width) const {
    const QFontMetrics m(QtFont());
    QString s = QString::fromStdString(text);
    if (m.horizontalAdvance(s) <= width) return text;
    const QString dots = QStringLiteral("...");
    while (!s.isEmpty() && m.horizontalAdvance(s + dots) > width) s.chop(1);
    // A surrogate pair is never split in half.
    if (!s.isEmpty() && s.back().isHighSurrogate()) s.chop(1);
    return (s + dots).toStdString();
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

void TCanvas::Polyline(const QPolygon& points) {
    if (points.isEmpty()) return;
    MoveTo(points[0].x(), points[0].y());
    for (int i = 1; i < points.size(); ++i) LineTo(points[i].x(), points[i].y());
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cw, int ch) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    // Built from the corner ellipses as a region, so the shape is the same at every size and
    // needs no smoothing: the fill is the region, the outline its one-pixel rim.
    const QRegion shape = RoundRectRegion(x1, y1, x2, y2, cw, ch);
    if (Brush.Style == BrushStyle::Solid) FillRgn(shape);
    if (Pen.Style != PenStyle::Clear) {
        const TBrush keep = Brush;
        Brush = TBrush{Pen.Color, BrushStyle::Solid, {}};
        const int w = std::max(1, Pen.Width);
        FrameRgn(shape, w, w);
        Brush = keep;
    }
}

QRegion RoundRectRegion(int x1, int y1, int x2, int y2, int cw, int ch) {
    const int w = x2 - x1, h = y2 - y1;
    cw = std::clamp(cw, 0, w);
    ch = std::clamp(ch, 0, h);
    if (cw < 2 || ch < 2) return QRegion(x1, y1, w, h);
    QRegion r(x1 + cw / 2, y1, w - 2 * (cw / 2), h);
    r += QRegion(x1, y1 + ch / 2, w, h - 2 * (ch / 2));
    r += QRegion(QRect(x1, y1, cw, ch), QRegion::Ellipse);
    r += QRegion(QRect(x2 - cw, y1, cw, ch), QRegion::Ellipse);
    r += QRegion(QRect(x1, y2 - ch, cw, ch), QRegion::Ellipse);
    r += QRegion(QRect(x2 - cw, y2 - ch, cw, ch), QRegion::Ellipse);
    return r;
}

void TCanvas::FillRgn(const QRegion& region) {
    Paint([&](QPainter& p) {
        const QBrush b = FillBrush();
        for (const QRect& r : region) p.fillRect(r, b);
    });
}

void TCanvas::FrameRgn(const QRegion& region, int w, int h) {
    // The inside that stays: points whose neighbours w across and h up and down are all in;
    // a side of 0 or less is not eroded, so that pass paints only the other rims.
    QRegion inner = region;
    for (int d = 1; d <= w; ++d) inner &= region.translated(d, 0) & region.translated(-d, 0);
    for (int d = 1; d <= h; ++d) inner &= region.translated(0, d) & region.translated(0, -d);
    if (w <= 0 && h <= 0) return;
    FillRgn(region - inner);
}

void TCanvas::IntersectClipRect(int x1, int y1, int x2, int y2) {
    const QRegion r(QRect(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)));
    clip_ = clipped_ ? clip_ & r : r;
    clipped_ = true;
}

void TCanvas::SelectClipRgn(const QRegion& region) {
    clip_ = region;
    clipped_ = true;
}

void TCanvas::ClearClip() {
    clipped_ = false;
    clip_ = QRegion();
}

void TCanvas::SaveDC() {
    saved_.emplace_back(clipped_, clip_);
}

void TCanvas::RestoreDC() {
    if (saved_.empty()) return;
    clipped_ = saved_.back().first;
    clip_ = saved_.back().second;
    saved_.pop_back();
}

void TCanvas::DrawFocusRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    auto invert = [this](int x, int y) {
        if (clipped_ && !clip_.contains(QPoint(x, y))) return;
        const TColor c = Pixel(x, y);
        if (c != core::clNone) SetPixel(x, y, c ^ 0xFFFFFF);
    };
    // The dots keep their phase all round the frame, as the system's focus rectangle does.
    for (int x = x1; x < x2; ++x) {
        if ((x - x1) % 2 == 0) invert(x, y1);
        if ((x - x1 + y2 - 1 - y1) % 2 == 0 && y2 - 1 > y1) invert(x, y2 - 1);
    }
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        if ((y - y1) % 2 == 0) invert(x1, y);
        if ((y - y1 + x2 - 1 - x1) % 2 == 0 && x2 - 1 > x1) invert(x2 - 1, y);
    }
}

void TCanvas::DrawEdge(const TRect& r, EdgeStyle style) {
    if (r.IsEmpty()) return;
    const TColor hi = core::clBtnHighlight, light = core::cl3DLight;
    const TColor shadow = core::clBtnShadow, dark = core::cl3DDkShadow;
    // Outer ring then inner ring: top-left colour, bottom-right colour.
    struct Ring {
        TColor topLeft, bottomRight;
    };
    std::vector<Ring> rings;
    switch (style) {
    case EdgeStyle::Raised:
        rings = {{light, dark}, {hi, shadow}};
        break;
    case EdgeStyle::Sunken:
        rings = {{shadow, hi}, {dark, light}};
        break;
    case EdgeStyle::RaisedInner:
        rings = {{hi, shadow}};
        break;
    case EdgeStyle::SunkenOuter:
        rings = {{shadow, hi}};
        break;
    }
    const TBrush keep = Brush;
    TRect q = r;
    for (const Ring& ring : rings) {
        if (q.IsEmpty()) break;
        Brush = TBrush{ring.bottomRight, BrushStyle::Solid, {}};
        FillRect(q.Left, q.Bottom - 1, q.Right, q.Bottom);
        FillRect(q.Right - 1, q.Top, q.Right, q.Bottom);
        Brush = TBrush{ring.topLeft, BrushStyle::Solid, {}};
        FillRect(q.Left, q.Top, q.Right - 1, q.Top + 1);
        FillRect(q.Left, q.Top, q.Left + 1, q.Bottom - 1);
        q = {q.Left + 1, q.Top + 1, q.Right - 1, q.Bottom - 1};
    }
    Brush = keep;
}

void TCanvas::DrawText(const TRect& r, const std::string& text, unsigned flags) {
    const bool elide = (flags & dtEndEllipsis) && (flags & dtSingleLine);
    const QString s = QString::fromStdString(elide ? EndEllipsis(text, r.Width()) : text);
    int align = Qt::AlignLeft;
    if (flags & dtCenter) align = Qt::AlignHCenter;
    if (flags & dtRight) align = Qt::AlignRight;
    if (flags & dtSingleLine) {
        if (flags & dtVCenter)
            align |= Qt::AlignVCenter;
        else if (flags & dtBottom)
            align |= Qt::AlignBottom;
        else
            align |= Qt::AlignTop;
    } else {
        align |= Qt::AlignTop | Qt::TextWordWrap;
    }
    if (!(flags & dtNoPrefix)) align |= Qt::TextShowMnemonic;
    Paint([&](QPainter& p) {
        p.setFont(QtFont());
        const QRect box = r.ToQRect();
        if (Brush.Style == BrushStyle::Solid)
            p.fillRect(p.boundingRect(box, align, s), FillBrush());
        p.setPen(ToQColor(Font.Color));
        p.drawText(box, align, s);
    });
}

void TCanvas::StretchDraw(const QRect& dst, const QImage& source) {
    if (source.isNull() || dst.isEmpty()) return;
    Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(dst, source);
    });
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
