#include "components/skin/xpCheckBox.h"

TxpCheckBox::TxpCheckBox(QWidget* parent) : QCheckBox(parent) {
    setAutoFillBackground(true);
    connect(this, &QCheckBox::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}

void TxpCheckBox::SetColor(core::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::ToQColor(color));
    setPalette(p);
}
