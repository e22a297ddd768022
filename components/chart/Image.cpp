#include "components/chart/Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::SetPictureSize(int width, int height) {
    picture_.SetSize(width, height);
    if (AutoSize) resize(picture_.Width(), picture_.Height());
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawImage(QPoint(0, 0), picture_.Image());
}
