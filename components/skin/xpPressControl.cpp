#include "components/skin/xpPressControl.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

void TxpPressControl::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    update();
}

void TxpPressControl::Step(PressInput input) {
    const PressStep s = PressNext(kind_, flags_, input, enabled_);
    flags_ = s.flags;
    if (s.takeFocus) setFocus(Qt::MouseFocusReason);
    if (s.repaint) update();
    if (s.fire) {
        const QPointer<TxpPressControl> self(this);
        Fire();
        // The command may have opened a box the pointer moved to: no leave comes for that.
        if (self && flags_.hot && !rect().contains(mapFromGlobal(QCursor::pos())))
            Step(PressInput::MouseLeave);
    }
}

bool TxpPressControl::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        Step(PressInput::Accelerator);
        return true;
    }
    // Another window (a modal box, a popup) took the pointer and the keyboard.
    if (e->type() == QEvent::WindowDeactivate && flags_.hot) Step(PressInput::MouseLeave);
    return QAbstractButton::event(e);
}

void TxpPressControl::paintEvent(QPaintEvent*) {
    QImage image(size(), QImage::Format_RGB32);
    platform::TCanvas canvas(&image);
    PaintTo(canvas);
    QPainter(this).drawImage(0, 0, image);
}

void TxpPressControl::enterEvent(QEnterEvent*) {
    Step(PressInput::MouseEnter);
}

void TxpPressControl::leaveEvent(QEvent*) {
    Step(PressInput::MouseLeave);
}

void TxpPressControl::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Step(PressInput::LeftDown);
}

void TxpPressControl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const bool inside = rect().contains(e->position().toPoint());
    Step(inside ? PressInput::LeftUpInside : PressInput::LeftUpOutside);
}

void TxpPressControl::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Step(PressInput::DoubleClick);
}

void TxpPressControl::keyPressEvent(QKeyEvent* e) {
    if (!IsPressKey(e->key())) {
        e->ignore();
        return;
    }
    // Taken here, the key does not go on to the window's Default or Cancel button: one key
    // runs one command. A key held down presses once.
    const bool first = keys_.Press(e->key(), e->isAutoRepeat(), e->timestamp());
    if (first && !flags_.pressed && (enabled_ || ActsWhileDisabled())) {
        pressKey_ = e->key();
        Step(PressInput::PressKeyDown);
    }
}

void TxpPressControl::keyReleaseEvent(QKeyEvent* e) {
    // Only the release of the key that pressed acts.
    if (e->isAutoRepeat() || pressKey_ == 0 || e->key() != pressKey_) {
        e->ignore();
        return;
    }
    pressKey_ = 0;
    Step(PressInput::PressKeyUp);
}

void TxpPressControl::focusInEvent(QFocusEvent*) {
    Step(PressInput::FocusIn);
    if (OnEnter && (enabled_ || ActsWhileDisabled())) OnEnter();
}

void TxpPressControl::focusOutEvent(QFocusEvent*) {
    pressKey_ = 0;
    keys_.Forget();
    Step(PressInput::FocusOut);
    if (OnExit && (enabled_ || ActsWhileDisabled())) OnExit();
}
