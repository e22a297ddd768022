#pragma once

#include <QLineEdit>

#include <functional>

// The search edit of both main windows: only digits, blanks and the editing keys get through;
// Enter runs Find.
class TFindEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
