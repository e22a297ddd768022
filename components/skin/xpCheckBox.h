#pragma once

#include "components/skin/Property.h"
#include "components/skin/xpPressStates.h"
#include "platform/Canvas.h"

#include <QAbstractButton>

#include <functional>
#include <string>

enum TCheckBoxAlignment { cbaLeft, cbaRight };

// The owner-painted check box: a 14 x 14 gradient box, an orange ring under the mouse, a thick
// check mark and a shadowed caption. Its own Enabled flag leaves the widget itself enabled.
class TxpCheckBox : public QAbstractButton {
    Q_OBJECT

public:
    explicit TxpCheckBox(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Setting the value from code repaints and fires nothing.
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    const platform::TFont& Font() const { return font_; }
    void SetFont(const platform::TFont& font);
    PressFlags Flags() const { return flags_; }

    TProperty<TxpCheckBox, core::TColor> CheckColor{this, &TxpCheckBox::SetCheckColor, 0x00A000};
    TProperty<TxpCheckBox, TCheckBoxAlignment> Alignment{this, &TxpCheckBox::SetAlignment,
                                                         cbaRight};
    TProperty<TxpCheckBox, bool> ShadowText{this, &TxpCheckBox::SetShadowText, true};
    bool UnderLineOnActive = false;

    // The only way user input changes Checked: flip, repaint, then OnClick.
    void Toggle();
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
    void SetCheckColor(core::TColor color);
    void SetAlignment(TCheckBoxAlignment alignment);
    void SetShadowText(bool on);
    void Step(PressInput input);
    void PaintBox(platform::TCanvas& c) const;

    std::string caption_ = "XP Checkbox";
    bool enabled_ = true;
    core::TColor color_ = core::clBtnFace;
    platform::TFont font_;
    PressFlags flags_;
    bool spaceDown_ = false;
};
