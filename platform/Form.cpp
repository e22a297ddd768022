#include "platform/Form.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace platform {

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
    // The layouts' font: "MS Sans Serif" 8 points, metric-compatible here.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    setFont(f);
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

void TForm::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    LayoutFrame();
}

void TForm::SetMainMenu(QMenuBar* menu) {
    menu_ = menu;
    LayoutFrame();
}

void TForm::SetFrameMargins(const QMargins& margins) {
    margins_ = margins;
    LayoutFrame();
}

QMargins TForm::FrameMargins() const {
    QMargins m = margins_;
    if (menu_ && !menu_->isHidden()) m.setTop(m.top() + menu_->sizeHint().height());
    return m;
}

void TForm::LayoutFrame() {
    const QMargins m = FrameMargins();
    if (menu_)
        menu_->setGeometry(margins_.left(), margins_.top(),
                           width() - margins_.left() - margins_.right(),
                           menu_->sizeHint().height());
    client_->setGeometry(rect().marginsRemoved(m));
}

void TForm::ShowModal() {
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

void TForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutFrame();
    FormResize();
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
