#include "platform/Form.h"

#include "platform/Dialogs.h"
#include "platform/Font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace platform {

namespace {

// The window system's frame as last seen around a shown form: a form not shown yet is placed
// assuming the same.
QMargins& SeenSystemFrame() {
    static QMargins frame;
    return frame;
}

} // namespace

class ClientArea : public QWidget {
public:
    explicit ClientArea(TForm* form) : QWidget(form), form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        form_->FormPaint(p);
    }

private:
    TForm* form_;
};

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window), client_(new ClientArea(this)) {
    client_->setAutoFillBackground(true);
    setFont(FormFont());
    qApp->installEventFilter(this);
}

TForm::~TForm() {
    if (qApp) qApp->removeEventFilter(this);
}

std::string TForm::Caption() const {
    return windowTitle().toStdString();
}

void TForm::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

int TForm::Left() const {
    return geometry().x() - SystemFrame().left();
}

int TForm::Top() const {
    return geometry().y() - SystemFrame().top();
}

int TForm::Width() const {
    const QMargins f = SystemFrame();
    return geometry().width() + f.left() + f.right();
}

int TForm::Height() const {
    const QMargins f = SystemFrame();
    return geometry().height() + f.top() + f.bottom();
}

void TForm::SetBounds(int left, int top, int width, int height) {
    bounds_ = QRect(left, top, width, height);
    placedWith_ = SystemFrame();
    // Qt places a window by its client area; the layouts place the whole window.
    setGeometry(bounds_.marginsRemoved(placedWith_));
    LayoutFrame();
}

QMargins TForm::SystemFrame() const {
    if (windowFlags() & Qt::FramelessWindowHint) return {};
    // Qt knows the frame only once the window system has framed the shown window.
    if (isVisible()) {
        const QRect outer = frameGeometry(), inner = geometry();
        const QMargins seen(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!seen.isNull()) {
            SeenSystemFrame() = seen;
            return seen;
        }
    }
    return SeenSystemFrame();
}

void TForm::FollowSystemFrame() {
    if (placing_ || !isVisible() || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    const QMargins frame = SystemFrame();
    if (frame == placedWith_ || bounds_.isNull()) {
        // Moved or sized by the user: that is now the window's place.
        bounds_ = QRect(Left(), Top(), Width(), Height());
        return;
    }
    placing_ = true;
    SetBounds(bounds_.x(), bounds_.y(), bounds_.width(), bounds_.height());
    placing_ = false;
}

void TForm::SetMainMenu(QMenuBar* menu) {
    menu_ = menu;
    LayoutFrame();
}

void TForm::SetFrameMargins(const QMargins& margins) {
    margins_ = margins;
    LayoutFrame();
}

QMargins TForm::InnerFrame() const {
    QMargins m = margins_;
    if (menu_ && !menu_->isHidden()) m.setTop(m.top() + menu_->sizeHint().height());
    return m;
}

QMargins TForm::FrameMargins() const {
    return SystemFrame() + InnerFrame();
}

void TForm::LayoutFrame() {
    const QMargins m = InnerFrame();
    if (menu_)
        menu_->setGeometry(margins_.left(), margins_.top(),
                           width() - margins_.left() - margins_.right(),
                           menu_->sizeHint().height());
    client_->setGeometry(rect().marginsRemoved(m));
}

void TForm::ShowModal() {
    modalResult_ = 0;
    FormShow();
    Dialogs().RunModal(*this);
}

void TForm::ExecModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    if (isVisible()) loop.exec();
    loop_ = nullptr;
}

void TForm::SetModalResult(int value) {
    modalResult_ = value;
    if (value != 0 && loop_) close();
}

void TForm::NotifyClosed() {
    FormClose();
}

void TForm::ToggleMaximized() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void TForm::PlaceAsResultWindow(int width) {
    SetBounds((ScreenWidth() - width) / 2, 0, width, ScreenHeight() - 20);
}

int TForm::ScreenWidth() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

int TForm::ScreenHeight() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 768;
}

bool TForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        ToggleMaximized();
        return true;
    }
    return false;
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    // The window system tells the frame's size by the time it shows the framed window, without
    // moving the client area (so no move event says so).
    if (event->type() == QEvent::Expose && watched == windowHandle()) FollowSystemFrame();
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        // Only the widget that has the key first, so a key is seen once.
        QWidget* focus = QApplication::focusWidget();
        const bool first = (focus && focus->window() == this) ? watched == focus : watched == this;
        if (first) {
            auto* k = static_cast<QKeyEvent*>(event);
            const auto mods = k->modifiers() & ~Qt::KeypadModifier;
            if (FormKeyDown(k->key(), mods)) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FollowSystemFrame();
}

void TForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FollowSystemFrame();
}

void TForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutFrame();
    FormResize();
    FollowSystemFrame();
}

void TForm::closeEvent(QCloseEvent* event) {
    NotifyClosed();
    QWidget::closeEvent(event);
    if (loop_) loop_->quit();
}

void TForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

} // namespace platform
