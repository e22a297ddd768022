#include "components/skin/xpWindowParts.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>

using platform::TCanvas;
using platform::TRect;

void TxpWindowBackground::Invalidate() {
    if (owner_) owner_->InvalidateClient();
}

void TxpWindowBackground::SetActive(bool value) {
    if (value == Active) return;
    Active.Store(value);
    Invalidate();
}

void TxpWindowBackground::SetStyle(TwgbStyle value) {
    if (value == Style) return;
    Style.Store(value);
    Invalidate();
}

void TxpWindowBackground::SetGradientFillDir(TFillDirection value) {
    if (value == GradientFillDir) return;
    GradientFillDir.Store(value);
    Invalidate();
}

void TxpWindowBackground::SetStartColor(core::TColor value) {
    if (value == StartColor) return;
    StartColor.Store(value);
    Invalidate();
}

void TxpWindowBackground::SetEndColor(core::TColor value) {
    if (value == EndColor) return;
    EndColor.Store(value);
    Invalidate();
}

void TxpWindowBackground::SetImage(QImage value) {
    Image.Store(std::move(value));
    Invalidate();
}

void TxpWindowBackground::PaintBackground(TCanvas& canvas, TRect r, core::TColor formColor) const {
    const QImage image = Image;
    auto plain = [&] {
        canvas.Brush = platform::TBrush{formColor, platform::BrushStyle::Solid, {}};
        canvas.FillRect(r.Left, r.Top, r.Right, r.Bottom);
    };
    switch (Style()) {
    case wbgNone:
        plain();
        break;
    case wbgGradient:
        DrawGradient(canvas, r, StartColor, EndColor, GradientFillDir, 60);
        break;
    case wbgTiled:
        if (image.isNull())
            plain();
        else
            TileBitmap(canvas, r, image);
        break;
    case wbgStretched:
        if (image.isNull())
            plain();
        else
            canvas.StretchDraw(r.ToQRect(), image);
        break;
    }
}

TWindowSizeInfo::TWindowSizeInfo(TxpWindowHost* owner) : owner_(owner) {
    // The owner is still being built: no notification.
    UseSystemSettings.Store(true);
    FillSystemMetrics();
}

void TWindowSizeInfo::SetActive(bool value) {
    Active.Store(value);
    if (owner_) owner_->ApplySizeLimits();
}

void TWindowSizeInfo::SetValue(P<int>& field, int value) {
    if (value == field) return;
    field.Store(value);
    UseSystemSettings.Store(false);
    if (owner_) owner_->ApplySizeLimits();
}

void TWindowSizeInfo::SetUseSystemSettings(bool value) {
    UseSystemSettings.Store(value);
    if (!value) return;
    FillSystemMetrics();
    if (owner_) owner_->ApplySizeLimits();
}

void TWindowSizeInfo::FillSystemMetrics() {
    // The metrics of the running desktop: a maximised window fills the work area (its position
    // counts from the work area's corner); a window is tracked between the classic minimum and
    // the whole virtual desktop.
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect work = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect all = s ? s->virtualGeometry() : work;
    MaxSizeWidth.Store(work.width());
    MaxSizeHeight.Store(work.height());
    MaxPositionX.Store(0);
    MaxPositionY.Store(0);
    MinTrackWidth.Store(112);
    MinTrackHeight.Store(27);
    MaxTrackWidth.Store(all.width());
    MaxTrackHeight.Store(all.height());
}

QSize TWindowSizeInfo::MinTrack() const {
    return QSize(std::max(0, int(MinTrackWidth)), std::max(0, int(MinTrackHeight)));
}

QSize TWindowSizeInfo::MaxTrack() const {
    const QSize min = MinTrack();
    return QSize(std::max(min.width(), int(MaxTrackWidth)),
                 std::max(min.height(), int(MaxTrackHeight)));
}

QRect TWindowSizeInfo::Maximized(QRect workArea) const {
    return QRect(workArea.x() + MaxPositionX, workArea.y() + MaxPositionY,
                 std::max(0, int(MaxSizeWidth)), std::max(0, int(MaxSizeHeight)));
}

QRect TStickWindow::Snap(QRect w, QRect wa) const {
    // Work-area edges as exclusive right and bottom, as the window rectangle's are. Only the left
    // test looks both ways: a window pushed past any other edge is pulled back onto it.
    const int waRight = wa.x() + wa.width(), waBottom = wa.y() + wa.height();
    int x = w.x(), y = w.y();
    const int cx = w.width(), cy = w.height();
    if ((DockBorders & dbLeft) && std::abs(x - wa.x()) <= StickAt) x = wa.x();
    if ((DockBorders & dbRight) && waRight - x - cx <= StickAt) x = waRight - cx;
    if ((DockBorders & dbTop) && y <= wa.y() + StickAt) y = wa.y();
    if ((DockBorders & dbBottom) && y + cy >= waBottom - StickAt) y = waBottom - cy;
    return QRect(x, y, cx, cy);
}
