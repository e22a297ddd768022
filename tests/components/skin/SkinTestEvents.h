#pragma once

// Mouse messages sent straight to a control, as the window system would deliver them.

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

namespace skin_test {

inline void Enter(QWidget& w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&w, &e);
}

inline void Leave(QWidget& w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

inline void Mouse(QWidget& w, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

} // namespace skin_test
