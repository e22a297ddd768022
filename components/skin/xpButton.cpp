#include "components/skin/xpButton.h"

#include "components/skin/ParentLook.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpCaptionText.h"
#include "platform/Form.h"

#include <QKeyEvent>
#include <QMouseEvent>

using core::Rgb;
using core::TColor;
using platform::BrushStyle;
using platform::TCanvas;

namespace {

void Line(TCanvas& c, TColor color, int x1, int y1, int x2, int y2) {
    c.Pen.Color = color;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void ClippedText(TCanvas& c, const platform::TRect& clip, int x, int y, const std::string& s) {
    c.SaveDC();
    c.IntersectClipRect(clip.Left, clip.Top, clip.Right, clip.Bottom);
    c.TextOut(x, y, s);
    c.RestoreDC();
}

} // namespace

TxpButton::TxpButton(QWidget* parent) : TxpPressControl(parent, PressKind::Button) {
    font_.Bold = true;
    font_.Color = core::clNavy;
    resize(75, 25);
    setMouseTracking(true); // OnMouseMove reports moves without a button held too
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setText(QString::fromStdString(caption_));
    // A click from code (tests, the accessibility layer) takes the same way as the user's.
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TxpButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    setText(QString::fromStdString(caption)); // also the Alt shortcut of the '&' letter
    repaint();
}

void TxpButton::SetGradient(bool on) {
    if (on == gradient_) return;
    gradient_ = on;
    repaint();
}

platform::TFont TxpButton::Font() const {
    return parentFont_ && parentWidget() ? ParentFontOf(parentWidget()) : font_;
}

void TxpButton::SetFont(const platform::TFont& font) {
    font_ = font;
    parentFont_ = false;
    repaint();
}

void TxpButton::SetParentFont(bool on) {
    if (on == parentFont_) return;
    parentFont_ = on;
    update();
}

void TxpButton::Click() {
    const QPointer<TxpButton> self(this);
    if (enabled_ && OnClick) OnClick();
    // An OnClick that disabled the button keeps its form open.
    if (!self || !enabled_ || modalResult_ == 0) return;
    if (auto* form = qobject_cast<platform::TForm*>(window())) form->SetModalResult(modalResult_);
}

void TxpButton::SetDefault(bool on) {
    default_ = on;
    WatchWindowKeys();
}

void TxpButton::SetCancel(bool on) {
    cancel_ = on;
    WatchWindowKeys();
}

void TxpButton::WatchWindowKeys() {
    QWidget* w = (default_ || cancel_) ? window() : nullptr;
    if (w == keyWindow_) return;
    if (keyWindow_) keyWindow_->removeEventFilter(this);
    keyWindow_ = w;
    if (w && w != this) w->installEventFilter(this);
}

bool TxpButton::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) WatchWindowKeys();
    // A parent's new font reaches its children as a change of their own.
    if (e->type() == QEvent::FontChange || e->type() == QEvent::ParentChange) update();
    return TxpPressControl::event(e);
}

bool TxpButton::IsWindowKey(int key) const {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    return (default_ && enter) || (cancel_ && key == Qt::Key_Escape);
}

bool TxpButton::eventFilter(QObject* watched, QEvent* e) {
    if (watched != keyWindow_) return false;
    switch (e->type()) {
    case QEvent::KeyPress: {
        // A key reaches the window itself only when no control took it.
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!enabled_ || !IsWindowKey(k->key())) return false;
        if (windowKeys_.Press(k->key(), k->isAutoRepeat(), k->timestamp())) Click();
        // Used up here on purpose, not passed on: one key runs one command, never a second
        // Default or Cancel button's, nor anything the window itself would do with it.
        return true;
    }
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        windowKeys_.Forget();
        return false;
    default:
        return false;
    }
}

namespace {

bool OwnButton(Qt::MouseButton b) {
    return b == Qt::LeftButton || b == Qt::RightButton;
}

void Report(const TMouseEvent& event, const QMouseEvent& e) {
    const QPoint p = e.position().toPoint();
    if (event && !OwnButton(e.button())) event(e.button(), e.modifiers(), p.x(), p.y());
}

} // namespace

void TxpButton::mousePressEvent(QMouseEvent* e) {
    TxpPressControl::mousePressEvent(e);
    Report(OnMouseDown, *e);
}

void TxpButton::mouseDoubleClickEvent(QMouseEvent* e) {
    TxpPressControl::mouseDoubleClickEvent(e);
    Report(OnMouseDown, *e);
}

void TxpButton::mouseReleaseEvent(QMouseEvent* e) {
    TxpPressControl::mouseReleaseEvent(e);
    Report(OnMouseUp, *e);
}

void TxpButton::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseMove) OnMouseMove(e->buttons(), e->modifiers(), p.x(), p.y());
}

void TxpButton::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height();
    const platform::TRect r4{4, 4, W - 4, H - 4};
    const AcceleratedText t = SplitAccelerator(caption_);
    const platform::TFont font = Font();
    c.Font = font;
    c.Pen = {};
    c.Brush = {};
    const int tw = c.TextWidth(t.text), th = c.TextHeight(t.text);
    int p = 0;
    if (!enabled_) {
        c.Brush.Color = Rgb(241, 241, 237);
        c.Pen.Color = Rgb(214, 211, 211);
        c.RoundRect(0, 0, W, H, 3, 3);
        for (auto [x, y] : {std::pair{0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}})
            c.SetPixel(x, y, core::clBtnFace);
        c.Brush.Style = BrushStyle::Clear;
        c.Pen.Color = Rgb(196, 195, 191);
        c.RoundRect(1, 1, W - 1, H - 1, 5, 5);
        c.Font.Color = Rgb(161, 161, 146);
        ClippedText(c, r4, (W - tw) / 2, (H - th) / 2, t.text);
    } else {
        const bool xp = gradient_, pressed = flags_.pressed, hot = flags_.hot;
        if (xp) {
            c.Brush.Color = c.Pen.Color = Rgb(214, 211, 211);
            c.RoundRect(0, 0, W, H, 3, 3);
            c.Brush.Style = BrushStyle::Clear;
            c.Pen.Color = Rgb(0, 60, 116);
            c.RoundRect(1, 1, W - 1, H - 1, 5, 5);
            if (pressed && hot)
                DrawGradient(c, r4, Rgb(253, 253, 253), Rgb(205, 204, 223), fdBottomToTop, H / 2);
            else
                DrawGradient(c, r4, Rgb(253, 253, 253), Rgb(205, 204, 223), fdTopToBottom, H / 3);
            c.Pen = {};
            Line(c, Rgb(206, 231, 255), 3, 2, W - 3, 2);
            Line(c, Rgb(105, 130, 238), 3, H - 3, W - 3, H - 3);
            c.Pen.Color = Rgb(188, 212, 246);
            c.Brush.Style = BrushStyle::Clear;
            c.Rectangle(2, 3, W - 2, H - 3);
            Line(c, core::clWhite, 3, 4, 3, H - 4);
            Line(c, core::clWhite, W - 4, 4, W - 4, H - 4);
            Line(c, core::clWhite, 3, H - 1, W - 3, H - 1);
            Line(c, core::clWhite, W - 1, H - 4, W - 1, 2);
        } else {
            c.Brush.Color = core::clBtnFace;
            c.FillRect(0, 0, W, H);
            const TColor dark = pressed ? core::clWhite : core::cl3DDkShadow;
            const TColor light = pressed ? core::cl3DDkShadow : core::clWhite;
            c.Pen.Color = dark;
            c.Polyline(QPolygon({QPoint(1, H - 1), QPoint(W - 1, H - 1), QPoint(W - 1, 1)}));
            c.Pen.Color = light;
            c.Polyline(QPolygon({QPoint(1, H - 1), QPoint(1, 1), QPoint(W - 1, 1)}));
        }
        if (hot) {
            c.Brush.Style = BrushStyle::Clear;
            c.Pen.Color = xp ? Rgb(248, 179, 48) : 0xC0C0C0;
            c.RoundRect(3, 3, W - 3, H - 3, 2, 2);
        }
        p = pressed ? 1 : 0;
        const int x = (W - tw) / 2 + p, y = (H - th) / 2 + p;
        if (xp || hot) {
            c.Brush.Style = BrushStyle::Clear;
        } else {
            c.Brush.Style = BrushStyle::Solid;
            c.Brush.Color = core::clBtnFace;
        }
        c.Font.Color = 0xC0C0C0;
        ClippedText(c, r4, x + 1, y + 1, t.text);
        c.Font.Color = font.Color;
        ClippedText(c, r4, x, y, t.text);
        if (flags_.focused) c.DrawFocusRect(r4.Left, r4.Top, r4.Right, r4.Bottom);
    }
    if (t.hasAmpersand) {
        const int left = (W - tw) / 2 + p;
        c.Pen = {c.Font.Color, 1};
        c.MoveTo(left + c.TextWidth(t.before), (H - th) / 2 + th + p);
        c.LineTo(left + c.TextWidth(t.through), (H - th) / 2 + th + p);
    }
}
