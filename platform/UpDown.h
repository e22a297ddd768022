#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

// Two arrow buttons stepping a position within Min..Max, without wrapping.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 100;
    int Position() const { return position_; }
    void SetPosition(int position);
    // Steps as a click on an arrow does (+1 up, -1 down) and fires OnClick.
    void Step(int delta);

    std::function<void()> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    int position_ = 0;
};
