#pragma once

#include "platform/Colors.h"

#include <QCheckBox>

#include <functional>
#include <string>

enum TCheckBoxAlignment { cbaLeft, cbaRight };

// The skinned check box as the forms use it.
class TxpCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TxpCheckBox(QWidget* parent = nullptr);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption) { setText(QString::fromStdString(caption)); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool on) { setChecked(on); }
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    core::TColor CheckColor = 0x00A000;
    TCheckBoxAlignment Alignment = cbaRight;

    std::function<void()> OnClick;

private:
    core::TColor color_ = core::clBtnFace;
};
