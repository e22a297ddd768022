#include "apps/shared/FindEdit.h"

#include <QKeyEvent>

TFindEdit::TFindEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(MaxLength);
}

void TFindEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (OnEnter) OnEnter();
        return;
    }
    const QString t = event->text();
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
        event->matches(QKeySequence::Cut) || t.isEmpty() || t == "\b") {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = t.at(0);
    if (c.isPrint() && !(c.isDigit() && c.unicode() < 128) && c != ' ') return;
    QLineEdit::keyPressEvent(event);
}
