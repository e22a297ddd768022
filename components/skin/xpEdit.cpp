#include "components/skin/xpEdit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace {

// The non-client frame takes two pixels on every side.
constexpr int FrameWidth = 2;

// One-pixel frame of a rounded region in colour: its pixels that touch the outside.
void FrameRoundRegion(platform::TCanvas& canvas, int x1, int y1, int x2, int y2, int r,
                      core::TColor color) {
    auto in = [&](int x, int y) { return InRoundRegion(x, y, x1, y1, x2, y2, r); };
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                canvas.SetPixel(x, y, color);
}

} // namespace

bool InRoundRegion(int x, int y, int x1, int y1, int x2, int y2, int r) {
    const int right = x2 - 1; // exclusive
    const int bottom = y2 - 1;
    if (x < x1 || y < y1 || x >= right || y >= bottom) return false;
    const double a = r / 2.0;
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = px < x1 + a ? x1 + a : (px > right - a ? right - a : px);
    const double cy = py < y1 + a ? y1 + a : (py > bottom - a ? bottom - a : py);
    const double dx = (px - cx) / a;
    const double dy = (py - cy) / a;
    return dx * dx + dy * dy <= 1.0;
}

void PaintXpEditFrame(platform::TCanvas& canvas, int w, int h, const TxpEditFrame& f) {
    const int r = f.roundRadius;
    auto frame = [&](int x1, int y1, int x2, int y2, core::TColor color) {
        if (f.rounded) {
            FrameRoundRegion(canvas, x1, y1, x2 + 1, y2 + 1, r, color);
        } else {
            canvas.Brush.Color = color;
            canvas.FrameRect(x1, y1, x2, y2);
        }
    };
    if (f.style == esXP) {
        frame(0, 0, w, h, f.frameColor);
        frame(1, 1, w - 1, h - 1, f.color);
        return;
    }
    frame(0, 0, w, h, core::cl3DDkShadow);
    frame(1, 1, w - 1, h - 1, f.color);
    frame(1, 1, w, h, core::clActiveBorder);
    if (f.hotOrFocused) frame(0, 0, w, h, f.frameColor);
}

TxpEdit::TxpEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setContentsMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    resize(width(), 15);
    SetColor(color_);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) OnChange();
    });
    ApplyRegion(true);
    ApplyMargins();
}

void TxpEdit::SetStyle(TxpEditStyle style) {
    if (style == style_) return;
    style_ = style;
    update();
}

void TxpEdit::SetRounded(bool on) {
    if (on == rounded_) return;
    rounded_ = on;
    ApplyRegion(on);
    update();
}

void TxpEdit::SetRoundRadius(int radius) {
    radius = std::max(radius, 1);
    if (radius == roundRadius_) return;
    roundRadius_ = radius;
    ApplyRegion(rounded_);
    update();
}

void TxpEdit::SetActiveFrameColor(core::TColor color) {
    if (color == activeFrameColor_) return;
    activeFrameColor_ = color;
    if (hot_) update();
}

void TxpEdit::SetInActiveFrameColor(core::TColor color) {
    if (color == inActiveFrameColor_) return;
    inActiveFrameColor_ = color;
    if (!hot_) update();
}

void TxpEdit::SetMarginLeft(int margin) {
    margin = std::max(margin, 0);
    if (margin == marginLeft_) return;
    marginLeft_ = margin;
    ApplyMargins();
}

void TxpEdit::SetMarginRight(int margin) {
    margin = std::max(margin, 0);
    if (margin == marginRight_) return;
    marginRight_ = margin;
    ApplyMargins();
}

void TxpEdit::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    const Qt::Alignment h = alignment == taRightJustify ? Qt::AlignRight
                            : alignment == taCenter     ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
    setAlignment(h | Qt::AlignVCenter);
}

void TxpEdit::SetColor(core::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, platform::ToQColor(color));
    setPalette(p);
    update();
}

TxpEditFrame TxpEdit::CurrentFrame() const {
    TxpEditFrame f;
    f.style = style_;
    f.rounded = rounded_;
    f.roundRadius = roundRadius_;
    f.frameColor = hot_ || entered_ ? activeFrameColor_ : inActiveFrameColor_;
    f.color = color_;
    f.hotOrFocused = hot_ || hasFocus();
    return f;
}

QImage TxpEdit::RenderFrame() const {
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    platform::TCanvas canvas(&image);
    PaintXpEditFrame(canvas, width(), height(), CurrentFrame());
    return image;
}

void TxpEdit::MouseEnter() {
    if (hot_) return;
    hot_ = true;
    update();
}

void TxpEdit::MouseLeave() {
    if (!hot_) return;
    hot_ = false;
    update();
}

void TxpEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(rect(), platform::ToQColor(color_));
    }
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.drawImage(0, 0, RenderFrame());
}

void TxpEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    ApplyRegion(rounded_);
    ApplyMargins();
}

void TxpEdit::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    MouseEnter();
}

void TxpEdit::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    MouseLeave();
}

void TxpEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!entered_) {
        entered_ = true;
        update();
    }
}

void TxpEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (entered_) {
        entered_ = false;
        update();
    }
}

void TxpEdit::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown) {
        int key = event->key();
        OnKeyDown(key, event->modifiers());
        if (key == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TxpEdit::ApplyRegion(bool rounded) {
    const int w = width() + 1;
    const int h = height() + 1;
    if (!rounded) {
        clearMask();
        return;
    }
    QRegion region;
    for (int y = 0; y < h; ++y) {
        int x = 0;
        while (x < w) {
            while (x < w && !InRoundRegion(x, y, 0, 0, w, h, roundRadius_)) ++x;
            const int start = x;
            while (x < w && InRoundRegion(x, y, 0, 0, w, h, roundRadius_)) ++x;
            if (x > start) region += QRect(start, y, x - start, 1);
        }
    }
    setMask(region);
}

void TxpEdit::ApplyMargins() {
    setTextMargins(marginLeft_, 0, marginRight_, 0);
}
