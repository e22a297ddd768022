#pragma once

#include "components/skin/xpPressStates.h"
#include "platform/Canvas.h"

#include <QAbstractButton>

#include <functional>
#include <string>

// The owner-painted push button: XP gradient face, orange ring under the mouse, shadowed
// caption, and a flat grey look while its own Enabled flag is off. The widget itself stays
// enabled, so a disabled button still holds the focus and repaints.
class TxpButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool on);
    void SetHint(const std::string& hint) { setToolTip(QString::fromStdString(hint)); }
    const platform::TFont& Font() const { return font_; }
    void SetFont(const platform::TFont& font);
    PressFlags Flags() const { return flags_; }

    // Runs OnClick when enabled; every user path ends here.
    void Click();
    // The whole look at the widget's size.
    void PaintTo(platform::TCanvas& canvas) const;

    std::function<void()> OnClick;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
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

private:
    void Step(PressInput input);

    std::string caption_ = "XP Button";
    bool enabled_ = true;
    bool gradient_ = true;
    platform::TFont font_;
    PressFlags flags_;
    int pressKey_ = 0; // the key whose release clicks; 0 for a mouse press
};
