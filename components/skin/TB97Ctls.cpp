#include "components/skin/TB97Ctls.h"

#include "components/skin/xpCaptionText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using platform::BrushStyle;
using platform::TCanvas;

TToolbarButton97::TToolbarButton97(QWidget* parent) : QAbstractButton(parent) {
    resize(22, 23);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TToolbarButton97::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    setText(QString::fromStdString(caption)); // also the Alt shortcut of the '&' letter
    update();
}

void TToolbarButton97::SetColor(core::TColor color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void TToolbarButton97::SetEnabled(bool on) {
    Step(on ? ToolbarInput::Enable : ToolbarInput::Disable);
}

void TToolbarButton97::Step(ToolbarInput input) {
    const ToolbarStep s = ToolbarNext(flags_, input);
    flags_ = s.flags;
    if (s.redraw) repaint();
    if (s.click) Click();
}

void TToolbarButton97::Click() {
    if (!Enabled()) return;
    Step(ToolbarInput::ClickBegin);
    if (OnClick) OnClick();
    Step(ToolbarInput::ClickEnd);
}

bool TToolbarButton97::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        Click();
        return true;
    }
    return QAbstractButton::event(e);
}

void TToolbarButton97::enterEvent(QEnterEvent*) {
    Step(ToolbarInput::EnterHot);
}

void TToolbarButton97::leaveEvent(QEvent*) {
    Step(ToolbarInput::LeaveHot);
}

void TToolbarButton97::changeEvent(QEvent* e) {
    // The hot look goes with the program's activation.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) Step(ToolbarInput::LeaveHot);
    QAbstractButton::changeEvent(e);
}

void TToolbarButton97::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Step(ToolbarInput::LeftDown);
}

void TToolbarButton97::mouseMoveEvent(QMouseEvent* e) {
    const bool onFace = rect().contains(e->position().toPoint());
    // After a click the button is up under a still mouse; the next move makes it hot again.
    if (onFace && !flags_.mouseIn) Step(ToolbarInput::EnterHot);
    if (flags_.mouseDown) Step(onFace ? ToolbarInput::MoveOnFace : ToolbarInput::MoveOffFace);
}

void TToolbarButton97::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const bool onFace = rect().contains(e->position().toPoint());
    Step(onFace ? ToolbarInput::LeftUpOnFace : ToolbarInput::LeftUpOffFace);
}

void TToolbarButton97::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

// No focus, no keys: the button is reached by the mouse and its Alt letter.
void TToolbarButton97::keyPressEvent(QKeyEvent* e) {
    e->ignore();
}

void TToolbarButton97::keyReleaseEvent(QKeyEvent* e) {
    e->ignore();
}

void TToolbarButton97::paintEvent(QPaintEvent*) {
    QImage image(size(), QImage::Format_RGB32);
    TCanvas canvas(&image);
    PaintTo(canvas);
    QPainter(this).drawImage(0, 0, image);
}

void TToolbarButton97::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height();
    c.Pen = {};
    c.Brush = {color_, BrushStyle::Solid, {}};
    c.FillRect(0, 0, W, H);
    const bool disabled = flags_.state == bsDisabled;
    const bool pushed = flags_.state == bsDown || flags_.state == bsExclusive || isDown();
    if (pushed)
        c.DrawEdge({0, 0, W, H}, platform::EdgeStyle::SunkenOuter);
    else if (flags_.mouseIn && !disabled)
        c.DrawEdge({0, 0, W, H}, platform::EdgeStyle::RaisedInner);
    const int offset = pushed ? 1 : 0;
    const platform::TRect content{1, 1, W - 1, H - 1};
    c.Font = {};
    const std::string caption = Caption();
    const std::string shown = SplitAccelerator(caption).text;
    const int tw = c.TextWidth(shown), th = c.TextHeight(shown);
    const int x = content.Left + (content.Width() - tw + 1) / 2 + offset;
    const int y = content.Top + (content.Height() - th + 1) / 2 + offset;
    c.Brush.Style = BrushStyle::Clear;
    const unsigned flags = platform::dtCenter | platform::dtSingleLine | platform::dtVCenter;
    if (disabled) {
        c.Font.Color = core::clBtnHighlight;
        c.DrawText({x + 1, y + 1, x + 1 + tw, y + 1 + th}, caption, flags);
        c.Font.Color = core::clBtnShadow;
    }
    c.DrawText({x, y, x + tw, y + th}, caption, flags);
}
