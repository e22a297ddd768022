#pragma once

#include "components/skin/KeyHold.h"
#include "components/skin/xpPressStates.h"
#include "platform/Canvas.h"

#include <QAbstractButton>

#include <functional>

// What the owner-painted button and check box share: their own Enabled flag (the widget itself
// stays enabled, so it still holds the focus and repaints), the press states driven by mouse,
// keys and focus, and painting through the canvas.
class TxpPressControl : public QAbstractButton {
    Q_OBJECT

public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    PressFlags Flags() const { return flags_; }
    // The whole look at the widget's size.
    virtual void PaintTo(platform::TCanvas& canvas) const = 0;

    std::function<void()> OnClick;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    TxpPressControl(QWidget* parent, PressKind kind) : QAbstractButton(parent), kind_(kind) {}

    // What a completed press does.
    virtual void Fire() = 0;
    virtual bool IsPressKey(int key) const = 0;
    // Whether a press key acts, and whether OnEnter and OnExit report, while disabled.
    virtual bool ActsWhileDisabled() const = 0;

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

    bool enabled_ = true;
    PressFlags flags_;

private:
    void Step(PressInput input);

    PressKind kind_;
    int pressKey_ = 0; // the key whose release acts; 0 for a mouse press
    TKeyHold keys_;
};
