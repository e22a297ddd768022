#pragma once

#include <QLineEdit>

#include <functional>

// The search edit of both main windows: only digits, blanks and the editing keys get through;
// Enter runs Find.
class TFindEdit : public QLineEdit {
    Q_OBJECT

public:
    // A draw's numbers are at most 17 characters; every number of the larger pool two digits
    // wide with a blank after it is 135. Room for stray blanks and characters beyond that, and a
    // paste of a whole document is cut here instead of being laid out and kept.
    static constexpr int MaxLength = 256;

    explicit TFindEdit(QWidget* parent = nullptr);
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
