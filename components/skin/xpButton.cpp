#include "components/skin/xpButton.h"

TxpButton::TxpButton(QWidget* parent) : QPushButton(parent) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, platform::ToQColor(core::clNavy));
    setPalette(p);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}
