#pragma once

#include "components/skin/xpPressControl.h"

#include <string>

// The owner-painted push button: XP gradient face, orange ring under the mouse, shadowed
// caption, and a flat grey look while its own Enabled flag is off. The widget itself stays
// enabled, so a disabled button still holds the focus and repaints.
class TxpButton : public TxpPressControl {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool on);
    void SetHint(const std::string& hint) { setToolTip(QString::fromStdString(hint)); }
    const platform::TFont& Font() const { return font_; }
    void SetFont(const platform::TFont& font);

    // Runs OnClick when enabled; every user path ends here.
    void Click();
    void PaintTo(platform::TCanvas& canvas) const override;

protected:
    void Fire() override { Click(); }
    bool IsPressKey(int key) const override {
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    bool ActsWhileDisabled() const override { return true; }

private:
    std::string caption_ = "XP Button";
    bool gradient_ = true;
    platform::TFont font_;
};
