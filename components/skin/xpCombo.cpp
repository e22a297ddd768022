#include "components/skin/xpCombo.h"

TxpComboBox::TxpComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (OnChange) OnChange();
    });
}

void TxpComboBox::SetColor(core::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, platform::ToQColor(color));
    p.setColor(QPalette::Button, platform::ToQColor(color));
    setPalette(p);
}
