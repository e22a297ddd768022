#include "components/skin/xpWindow.h"

#include "platform/Form.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>

using platform::TCanvas;
using platform::TRect;

namespace {

bool IsEdge(int code) {
    return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

Qt::Edges EdgesOf(int code) {
    switch (code) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape CursorOf(int code) {
    switch (code) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// The platform's default application icon, for windows of a program that set none.
QImage DefaultIcon() {
    QImage icon =
        QImage(QStringLiteral(":/skin/AppIcon.bmp")).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
    }
    return icon;
}

} // namespace

TxpWindow::TxpWindow(QWidget* form, bool storedLayout) : QObject(form), form_(form) {
    if (auto* f = qobject_cast<platform::TForm*>(form)) client_ = f->clientArea();
    if (form) {
        nativeFlags_ = form->windowFlags();
        hadCaption_ = !(nativeFlags_ & Qt::FramelessWindowHint);
        // The window's buttons as its own frame had them.
        if (nativeFlags_ & Qt::CustomizeWindowHint) {
            borderIcons_ = 0;
            if (nativeFlags_ & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint))
                borderIcons_ |= biSystemMenu;
            if (nativeFlags_ & Qt::WindowMinimizeButtonHint) borderIcons_ |= biMinimize;
            if (nativeFlags_ & Qt::WindowMaximizeButtonHint) borderIcons_ |= biMaximize;
        }
    }
    if (!storedLayout) return;
    // As the layouts store it: Active first, then the parts, the style last.
    Active = true;
    WinBackground.Active = true;
    platform::TFont font = xpCaption.Font;
    font.Name = "MS Sans Serif";
    font.Size = 10;
    font.Bold = true;
    font.Color = core::clWhite;
    xpCaption.Font = font;
    Style = xwsXPBlue;
}

TxpWindow::~TxpWindow() {
    // No event may reach a skin that is gone.
    UnhookForm();
}

void TxpWindow::SetActive(bool value) {
    if (value == Active) return;
    Active.Store(value);
    if (value) {
        HookForm();
        if (xpCaption.Active) {
            const TxpWindowStyle style = Style;
            xpCaption.ClearActiveFlag();
            xpCaption.Active = true;
            Style = style;
        }
    } else {
        UnhookForm();
        RestoreFrame();
    }
    Relayout();
}

void TxpWindow::SetStyle(TxpWindowStyle value) {
    if (value == Style) return;
    xpCaption.ApplyStyle(value);
    Style.Store(value);
}

bool TxpWindow::OwnsFrame() const {
    return form_ && Active && xpCaption.Active;
}

void TxpWindow::HookForm() {
    if (!form_ || hooked_) return;
    form_->installEventFilter(this);
    if (client_) client_->installEventFilter(this);
    form_->setMouseTracking(true);
    menuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form_);
    connect(menuKey_, &QShortcut::activated, this, [this] {
        if (!OwnsFrame()) return;
        const int b = xpCaption.B();
        ShowWindowMenu(form_->mapToGlobal(QPoint(b + 2, b + xpCaption.Height)));
    });
    // A modal window keeps Qt's active state when the desktop takes the focus: follow the
    // focus window as well (a popup of the window has it without deactivating the frame).
    focusWatch_ =
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &TxpWindow::UpdateFrameActive);
    hooked_ = true;
}

void TxpWindow::UpdateFrameActive() {
    if (!form_) return;
    const bool active = form_->isActiveWindow() && QGuiApplication::focusWindow() != nullptr;
    if (active == xpCaption.FrameActive) return;
    xpCaption.FrameActive = active;
    RefreshFrame();
}

void TxpWindow::UnhookForm() {
    if (!hooked_) return;
    if (form_) form_->removeEventFilter(this);
    if (client_) client_->removeEventFilter(this);
    delete menuKey_;
    menuKey_ = nullptr;
    disconnect(focusWatch_);
    hooked_ = false;
}

void TxpWindow::RestoreFrame() {
    if (!form_) return;
    SetFrameless(!hadCaption_);
    form_->clearMask();
}

void TxpWindow::SetFrameless(bool on) {
    if (!form_ || form_->windowFlags().testFlag(Qt::FramelessWindowHint) == on) return;
    const bool visible = form_->isVisible();
    const QRect geometry = form_->geometry();
    // The title hints would bring the native frame back: they go while the skin draws it.
    constexpr Qt::WindowFlags hints = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                      Qt::CustomizeWindowHint;
    if (on)
        form_->setWindowFlags((form_->windowFlags() & ~hints) | Qt::FramelessWindowHint);
    else
        form_->setWindowFlags((form_->windowFlags() & ~Qt::FramelessWindowHint) |
                              (nativeFlags_ & hints));
    form_->setGeometry(geometry);
    if (visible) form_->show();
}

void TxpWindow::Relayout() {
    if (!form_) return;
    const bool own = OwnsFrame();
    SetFrameless(own || !hadCaption_);
    QMargins margins;
    if (own) {
        // The margins are the same for every size: measure them on an empty window.
        const TRect client = xpCaption.CalcNonClient({0, 0, 0, 0}, false, false);
        margins = QMargins(client.Left, client.Top, -client.Right, -client.Bottom);
    }
    if (auto* f = qobject_cast<platform::TForm*>(form_.data())) f->SetFrameMargins(margins);
    ApplySizeLimits();
    ApplyRegion();
    RefreshFrame();
}

void TxpWindow::ApplyRegion() {
    if (!form_) return;
    if (OwnsFrame() && xpCaption.RoundedCorners)
        form_->setMask(CreateRegion(xpCaption.RoundedCorners));
    else
        form_->clearMask();
}

QRegion TxpWindow::CreateRegion(TRoundedCorners corners) const {
    const int w = form_ ? form_->width() : 0, h = form_ ? form_->height() : 0;
    return RoundedWindowRegion(corners, xpCaption.RoundedCornerRadius, w, h);
}

void TxpWindow::RefreshFrame() {
    frameDirty_ = true;
    if (form_) form_->update();
}

void TxpWindow::StyleChangedByHand() {
    Style = xwsCustom;
}

bool TxpWindow::CustomDrawTitle(void* sender, TCanvas& canvas, TRect r, bool active, bool& goOn) {
    if (!OnCustomDrawTitle) return false;
    OnCustomDrawTitle(sender, canvas, r, active, goOn);
    return true;
}

bool TxpWindow::CustomButtonDraw(void* sender, TCanvas& canvas, TRect r, int index, int state) {
    if (!OnCustomButtonDraw) return false;
    OnCustomButtonDraw(sender, canvas, r, index, state);
    return true;
}

bool TxpWindow::CustomSysBtnDraw(TCanvas& canvas, TRect r, int kind, int state) {
    if (!OnCustomSysBtnDraw) return false;
    OnCustomSysBtnDraw(this, canvas, r, kind, state);
    return true;
}

bool TxpWindow::CustomBorderDraw(TCanvas& canvas, TRect r, bool active, bool& goOn) {
    if (!OnCustomBorderDraw) return false;
    OnCustomBorderDraw(this, canvas, r, active, goOn);
    return true;
}

void TxpWindow::InvalidateClient() {
    backgroundDirty_ = true;
    if (client_) client_->update();
}

bool TxpWindow::SizeLimitsOn() const {
    return form_ && Active && SizeInfo.Active;
}

QMargins TxpWindow::SystemFrame() const {
    // The limits are the whole window's; a frame the window system draws lies outside the widget.
    const auto* f = qobject_cast<const platform::TForm*>(form_.data());
    if (!f || OwnsFrame()) return {};
    const int left = form_->x() - f->Left(), top = form_->y() - f->Top();
    return QMargins(left, top, f->Width() - form_->width() - left,
                    f->Height() - form_->height() - top);
}

void TxpWindow::ApplySizeLimits() {
    if (!form_) return;
    if (SizeLimitsOn()) {
        const QMargins m = SystemFrame();
        const QSize frame(m.left() + m.right(), m.top() + m.bottom());
        form_->setMinimumSize((SizeInfo.MinTrack() - frame).expandedTo(QSize(0, 0)));
        form_->setMaximumSize((SizeInfo.MaxTrack() - frame).expandedTo(QSize(0, 0)));
        limitsApplied_ = true;
        placeTries_ = kPlaceTries;
        SchedulePlaceMaximized();
    } else if (limitsApplied_) {
        form_->setMinimumSize(0, 0);
        form_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        limitsApplied_ = false;
    }
}

QRect TxpWindow::MaximizedPlace() const {
    const QScreen* s = form_->screen();
    return s ? SizeInfo.Maximized(s->availableGeometry()).marginsRemoved(SystemFrame()) : QRect();
}

void TxpWindow::SchedulePlaceMaximized() {
    if (placePending_ || placingMaximized_ || !SizeLimitsOn() || !form_->isMaximized()) return;
    // After the window system's own handling of the event: it places the window itself there.
    placePending_ = true;
    QTimer::singleShot(0, this, [this] {
        placePending_ = false;
        PlaceMaximized();
    });
}

void TxpWindow::MaximizedChanged(const QWindowStateChangeEvent* e) {
    const bool was = e->oldState() & Qt::WindowMaximized, is = form_->isMaximized();
    if (!was && is) {
        // Still the normal place: the window system moves a maximised window later.
        normalPlace_ = form_->geometry();
        placedMaximized_ = false;
        placeTries_ = kPlaceTries;
        SchedulePlaceMaximized();
    } else if (was && !is && placedMaximized_ && normalPlace_.isValid()) {
        // A window system that saw the window placed by hand leaves it there on restoring.
        placedMaximized_ = false;
        QTimer::singleShot(0, this, [this] {
            if (form_ && form_->windowState() == Qt::WindowNoState)
                form_->setGeometry(normalPlace_);
        });
    }
}

void TxpWindow::PlaceMaximized() {
    if (!SizeLimitsOn() || !form_->isMaximized() || placeTries_ <= 0) return;
    const QRect want = MaximizedPlace();
    if (want.isNull() || form_->geometry() == want) return;
    --placeTries_;
    // Maximised before the limits came on: Qt's own record of the normal place.
    if (!placedMaximized_ && !normalPlace_.isValid()) normalPlace_ = form_->normalGeometry();
    placedMaximized_ = true;
    placingMaximized_ = true;
    // Placing a window drops Qt's maximised mark: it is set again without asking the window
    // system, which would place the window once more.
    form_->setGeometry(want);
    form_->overrideWindowState(form_->windowState() | Qt::WindowMaximized);
    placingMaximized_ = false;
}

QRect TxpWindow::Snapped(QRect g) const {
    if (!StickWindow.Active) return g;
    const QScreen* s = form_->screen();
    return s ? StickWindow.Snap(g, s->availableGeometry()) : g;
}

QRect TxpWindow::Resized(QPoint delta) const {
    QRect g = pressGeometry_;
    const Qt::Edges edges = EdgesOf(dragEdge_);
    const QSize min = form_->minimumSize().expandedTo(QSize(1, 1));
    const QSize max = form_->maximumSize().expandedTo(min);
    // The dragged edge moves; the opposite one stays, whatever the limits.
    if (edges & Qt::LeftEdge)
        g.setLeft(std::clamp(g.left() + delta.x(), g.right() - max.width() + 1,
                             g.right() - min.width() + 1));
    if (edges & Qt::RightEdge)
        g.setRight(std::clamp(g.right() + delta.x(), g.left() + min.width() - 1,
                              g.left() + max.width() - 1));
    if (edges & Qt::TopEdge)
        g.setTop(std::clamp(g.top() + delta.y(), g.bottom() - max.height() + 1,
                            g.bottom() - min.height() + 1));
    if (edges & Qt::BottomEdge)
        g.setBottom(std::clamp(g.bottom() + delta.y(), g.top() + min.height() - 1,
                               g.top() + max.height() - 1));
    return g;
}

TFrameInfo TxpWindow::FrameInfo() const {
    TFrameInfo info;
    info.BorderIcons = borderIcons_;
    if (!form_) return info;
    info.Width = form_->width();
    info.Height = form_->height();
    info.Caption = form_->windowTitle().toStdString();
    const QIcon icon = form_->windowIcon();
    info.Icon = icon.isNull() ? DefaultIcon() : icon.pixmap(32, 32).toImage();
    return info;
}

TRect TxpWindow::WindowRect() const {
    return {0, 0, form_ ? form_->width() : 0, form_ ? form_->height() : 0};
}

TRect TxpWindow::CaptionRect() const {
    return {0, 0, form_ ? form_->width() : 0, xpCaption.B() + xpCaption.Height};
}

QImage TxpWindow::RenderFrame() {
    const TFrameInfo info = FrameInfo();
    QImage image(std::max(1, info.Width), std::max(1, info.Height), QImage::Format_RGB32);
    image.fill(platform::ToQColor(info.Color));
    TCanvas canvas(&image);
    xpCaption.PaintNonClient(canvas, info);
    if (xpCaption.Visible) {
        // The single-button repaints of hot tracking and pressing, over the composed frame.
        const int hot = xpCaption.HotButton, pressed = xpCaption.PressedButton;
        if (hot >= 0 && hot != pressed)
            xpCaption.PaintButton(canvas, hot, tbsHot, CaptionRect(), info);
        if (pressed >= 0) xpCaption.PaintButton(canvas, pressed, tbsDown, CaptionRect(), info);
    }
    return image;
}

void TxpWindow::PaintClient(QWidget* client, const QRect& area) {
    // Children repaint through their parent often (hover, scrolling): the picture is kept
    // until the size or a value changes.
    if (backgroundDirty_ || backgroundCache_.size() != client->size()) {
        backgroundCache_ = QImage(client->size(), QImage::Format_RGB32);
        if (backgroundCache_.isNull()) return;
        TCanvas canvas(&backgroundCache_);
        WinBackground.PaintBackground(
            canvas, {0, 0, backgroundCache_.width(), backgroundCache_.height()}, core::clBtnFace);
        backgroundDirty_ = false;
    }
    QPainter p(client);
    p.drawImage(area, backgroundCache_, area);
}

bool TxpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint && Active && WinBackground.Active)
        PaintClient(client_, static_cast<QPaintEvent*>(event)->rect());
    else if (watched == form_ && form_)
        return FormEvent(event);
    return false;
}

bool TxpWindow::FormEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (!OwnsFrame()) return false;
        if (frameDirty_ || frameCache_.size() != form_->size()) {
            frameCache_ = RenderFrame();
            frameDirty_ = false;
        }
        {
            QPainter p(form_);
            p.drawImage(0, 0, frameCache_);
        }
        return true;
    case QEvent::Resize:
        SchedulePlaceMaximized();
        if (OwnsFrame()) ApplyRegion();
        frameDirty_ = true;
        if (Active && WinBackground.Active &&
            (WinBackground.Style == wbgGradient || WinBackground.Style == wbgStretched))
            InvalidateClient();
        return false;
    case QEvent::Move:
        SchedulePlaceMaximized();
        return false;
    case QEvent::ActivationChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        UpdateFrameActive();
        return false;
    case QEvent::WindowStateChange:
        if (!placingMaximized_) MaximizedChanged(static_cast<QWindowStateChangeEvent*>(event));
        RefreshFrame();
        return false;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        RefreshFrame();
        return false;
    case QEvent::Leave:
        if (drag_ == Drag::None) ClearHotAndPressed();
        return false;
    default:
        break;
    }
    if (!OwnsFrame()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        return MouseDoubleClick(static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool TxpWindow::MousePress(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const int code = xpCaption.HitTestCode(p, WindowRect(), borderIcons_);
    if (e->button() == Qt::RightButton) {
        if (code == HTCAPTION || code == HTSYSMENU) {
            ShowWindowMenu(e->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    if (e->button() != Qt::LeftButton) return false;
    const bool zoomed = form_->isMaximized();
    pressGlobal_ = e->globalPosition().toPoint();
    pressGeometry_ = form_->geometry();
    switch (code) {
    case HTSYSMENU:
        if (!iconMenuTimer_) {
            // The menu waits for a double click, which closes the window instead.
            iconMenuTimer_ = new QTimer(this);
            iconMenuTimer_->setSingleShot(true);
            connect(iconMenuTimer_, &QTimer::timeout, this, [this] {
                if (!form_) return;
                const int b = xpCaption.B();
                ShowWindowMenu(form_->mapToGlobal(QPoint(b + 2, b + xpCaption.Height)));
            });
        }
        iconMenuTimer_->start(QApplication::doubleClickInterval());
        return true;
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTOBJECT:
        xpCaption.PressedButton = xpCaption.HitButton(p, CaptionRect(), borderIcons_);
        RefreshFrame();
        return true;
    case HTCAPTION:
        if (!zoomed) drag_ = Drag::Pending;
        return true;
    default:
        break;
    }
    if (!IsEdge(code)) return false;
    if (zoomed) return true;
    // A window that snaps sizes itself: the window system's sizing can't be snapped.
    QWindow* w = form_->windowHandle();
    if (StickWindow.Active || !(w && w->startSystemResize(EdgesOf(code)))) {
        drag_ = Drag::Resize;
        dragEdge_ = code;
    }
    return true;
}

bool TxpWindow::MouseMove(QMouseEvent* e) {
    const QPoint global = e->globalPosition().toPoint();
    const QPoint delta = global - pressGlobal_;
    if (drag_ == Drag::Pending && (e->buttons() & Qt::LeftButton) &&
        delta.manhattanLength() >= QApplication::startDragDistance()) {
        QWindow* w = form_->windowHandle();
        const bool system = !StickWindow.Active && w && w->startSystemMove();
        drag_ = system ? Drag::None : Drag::Move;
    }
    if (drag_ == Drag::Move) {
        form_->move(Snapped(pressGeometry_.translated(delta)).topLeft());
        return true;
    }
    if (drag_ == Drag::Resize) {
        form_->setGeometry(Snapped(Resized(delta)));
        return true;
    }
    if (drag_ == Drag::Pending) return true;
    const QPoint p = e->position().toPoint();
    UpdateHot(p);
    const int code = xpCaption.HitTestCode(p, WindowRect(), borderIcons_);
    const Qt::CursorShape shape = form_->isMaximized() ? Qt::ArrowCursor : CursorOf(code);
    if (shape == Qt::ArrowCursor)
        form_->unsetCursor();
    else
        form_->setCursor(shape);
    return false;
}

bool TxpWindow::MouseRelease(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return false;
    if (drag_ != Drag::None) {
        drag_ = Drag::None;
        return true;
    }
    const int pressed = xpCaption.PressedButton;
    if (pressed == btnNone) return false;
    xpCaption.PressedButton = btnNone;
    RefreshFrame();
    // Only a release over the button that was pressed acts.
    if (xpCaption.HitButton(e->position().toPoint(), CaptionRect(), borderIcons_) == pressed)
        RunButton(pressed);
    return true;
}

bool TxpWindow::MouseDoubleClick(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return false;
    const int code = xpCaption.HitTestCode(e->position().toPoint(), WindowRect(), borderIcons_);
    if (code == HTCAPTION) {
        drag_ = Drag::None;
        RunButton(btnMaximize);
        return true;
    }
    if (code == HTSYSMENU) {
        if (iconMenuTimer_) iconMenuTimer_->stop();
        form_->close();
        return true;
    }
    return MousePress(e);
}

void TxpWindow::RunButton(int index) {
    if (!form_) return;
    switch (index) {
    case btnMinimize:
        form_->showMinimized();
        break;
    case btnMaximize:
        if (form_->isMaximized())
            form_->showNormal();
        else
            form_->showMaximized();
        break;
    case btnClose:
        form_->close();
        break;
    default:
        if (index >= btnFirstCustom && OnCustomButtonClick)
            OnCustomButtonClick(&xpCaption, index - 2);
        break;
    }
}

void TxpWindow::UpdateHot(QPoint p) {
    const TRect w = WindowRect();
    const int b = xpCaption.B();
    const bool inBand =
        xpCaption.Visible && TRect{b, 5, w.Right - b, b + xpCaption.Height}.Contains(p.x(), p.y());
    const int i = inBand ? xpCaption.HitButton(p, CaptionRect(), borderIcons_) : btnNone;
    bool changed = false;
    if (i < 0 && xpCaption.HotButton != btnIcon) {
        xpCaption.HotButton = btnIcon;
        changed = true;
    } else if (i >= 0 && i != xpCaption.HotButton) {
        xpCaption.HotButton = i;
        changed = true;
    }
    // Leaving a pressed button releases it.
    if (xpCaption.PressedButton != btnNone && xpCaption.PressedButton != i) {
        xpCaption.PressedButton = btnNone;
        changed = true;
    }
    if (changed) RefreshFrame();
}

void TxpWindow::ClearHotAndPressed() {
    if (xpCaption.HotButton == btnIcon && xpCaption.PressedButton == btnNone) return;
    xpCaption.HotButton = btnIcon;
    xpCaption.PressedButton = btnNone;
    RefreshFrame();
}

void TxpWindow::ShowWindowMenu(QPoint global) {
    if (!form_) return;
    QMenu menu(form_);
    const bool zoomed = form_->isMaximized(), iconic = form_->isMinimized();
    QAction* restore = menu.addAction(QStringLiteral("Restore"));
    restore->setEnabled(zoomed || iconic);
    QAction* minimize = menu.addAction(QStringLiteral("Minimize"));
    minimize->setEnabled(!iconic);
    QAction* maximize = menu.addAction(QStringLiteral("Maximize"));
    maximize->setEnabled(!zoomed);
    menu.addSeparator();
    QAction* close = menu.addAction(QStringLiteral("Close"));
    QFont bold = menu.font();
    bold.setBold(true);
    close->setFont(bold);
    QPointer<QWidget> form = form_;
    QAction* chosen = menu.exec(global);
    if (!form || !chosen) return;
    if (chosen == restore) form->showNormal();
    if (chosen == minimize) form->showMinimized();
    if (chosen == maximize) form->showMaximized();
    if (chosen == close) form->close();
}
