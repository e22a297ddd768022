#include "platform/ImageList.h"

#include <algorithm>

namespace platform {

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

QImage TImageList::Fitted(const QImage& image) const {
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.size() != QSize(width_, height_))
        picture = picture.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return picture;
}

int TImageList::Add(const QImage& image) {
    images_.push_back(Fitted(image));
    emit Change();
    return Count() - 1;
}

void TImageList::Replace(int index, const QImage& image) {
    if (index < 0 || index >= Count()) return;
    images_[static_cast<std::size_t>(index)] = Fitted(image);
    emit Change();
}

void TImageList::Clear() {
    images_.clear();
    emit Change();
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count()) return {};
    return images_[static_cast<std::size_t>(index)];
}

} // namespace platform
