#pragma once

#include "components/skin/TB97States.h"
#include "platform/Canvas.h"

#include <QAbstractButton>

#include <functional>
#include <string>

// The flat toolbar button of the main windows' File and Help menus: plain text on the
// background, a raised frame under the mouse, sunken while its command (the menu) runs.
class TToolbarButton97 : public QAbstractButton {
    Q_OBJECT

public:
    explicit TToolbarButton97(QWidget* parent = nullptr);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption);
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    bool Enabled() const { return flags_.state != bsDisabled; }
    void SetEnabled(bool on);
    int Top() const { return y(); }
    int Height() const { return height(); }
    const ToolbarFlags& Flags() const { return flags_; }

    // Shows pressed while OnClick runs, then up and no longer hot.
    void Click();
    void PaintTo(platform::TCanvas& canvas) const;

    std::function<void()> OnClick;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Step(ToolbarInput input);

    core::TColor color_ = core::clBtnFace;
    ToolbarFlags flags_;
};
