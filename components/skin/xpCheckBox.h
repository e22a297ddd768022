#pragma once

#include "components/skin/Property.h"
#include "components/skin/xpPressControl.h"

#include <string>

enum TCheckBoxAlignment { cbaLeft, cbaRight };

// The owner-painted check box: a 14 x 14 gradient box, an orange ring under the mouse, a thick
// check mark and a shadowed caption. Its own Enabled flag leaves the widget itself enabled.
class TxpCheckBox : public TxpPressControl {
    Q_OBJECT

public:
    explicit TxpCheckBox(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Setting the value from code repaints and fires nothing.
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on);
    // The background: the parent's colour while ParentColor is on, else the box's own; setting
    // it turns ParentColor off.
    core::TColor Color() const;
    void SetColor(core::TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    // The caption's font: the parent's while ParentFont is on, else the box's own; setting it
    // turns ParentFont off. Both follow the parent's changes.
    platform::TFont Font() const;
    void SetFont(const platform::TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    TProperty<TxpCheckBox, core::TColor> CheckColor{this, &TxpCheckBox::SetCheckColor, 0x00A000};
    TProperty<TxpCheckBox, TCheckBoxAlignment> Alignment{this, &TxpCheckBox::SetAlignment,
                                                         cbaRight};
    TProperty<TxpCheckBox, bool> ShadowText{this, &TxpCheckBox::SetShadowText, true};
    bool UnderLineOnActive = false;

    // The only way user input changes Checked: flip, repaint, then OnClick.
    void Toggle();
    void PaintTo(platform::TCanvas& canvas) const override;

protected:
    bool event(QEvent* e) override;
    void Fire() override { Toggle(); }
    bool IsPressKey(int key) const override { return key == Qt::Key_Space; }
    bool ActsWhileDisabled() const override { return false; }

private:
    void SetCheckColor(core::TColor color);
    void SetAlignment(TCheckBoxAlignment alignment);
    void SetShadowText(bool on);
    void PaintBox(platform::TCanvas& c) const;

    std::string caption_ = "XP Checkbox";
    core::TColor color_ = core::clBtnFace;
    bool parentColor_ = true;
    platform::TFont font_;
    bool parentFont_ = true;
};
