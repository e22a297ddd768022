#include "components/skin/xpButton.h"

#include "platform/Font.h"

TxpButton::TxpButton(QWidget* parent) : QPushButton(parent) {
    QFont f = platform::FormFont();
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
