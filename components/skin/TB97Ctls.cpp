#include "components/skin/TB97Ctls.h"

TToolbarButton97::TToolbarButton97(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}

void TToolbarButton97::SetColor(core::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Button, platform::ToQColor(color));
    p.setColor(QPalette::Window, platform::ToQColor(color));
    setPalette(p);
}
