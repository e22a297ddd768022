#include "components/skin/TB97ImageList.h"

#include <algorithm>

void TGlyphList::CheckSize(const QImage& image) const {
    if (image.width() != width_ || image.height() != height_)
        throw EInvalidOperation("Invalid image size");
}

int TGlyphList::Add(const QImage& image) {
    CheckSize(image);
    const auto free =
        std::find_if(images_.begin(), images_.end(), [](const QImage& i) { return i.isNull(); });
    if (free != images_.end()) {
        *free = image;
        return static_cast<int>(free - images_.begin());
    }
    images_.push_back(image);
    return static_cast<int>(images_.size()) - 1;
}

void TGlyphList::Replace(int index, const QImage& image) {
    if (index < 0 || index >= static_cast<int>(images_.size()) || images_[index].isNull())
        throw EInvalidOperation("Unable to Replace Image");
    CheckSize(image);
    images_[index] = image;
}

void TGlyphList::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(images_.size())) return;
    images_[index] = QImage();
    while (!images_.empty() && images_.back().isNull()) images_.pop_back();
}

int TGlyphList::Count() const {
    return static_cast<int>(
        std::count_if(images_.begin(), images_.end(), [](const QImage& i) { return !i.isNull(); }));
}

std::shared_ptr<TGlyphList> TGlyphCache::GetList(int width, int height) {
    std::erase_if(lists_, [](const auto& w) { return w.expired(); });
    for (const auto& w : lists_) {
        auto list = w.lock();
        if (list->Width() == width && list->Height() == height) return list;
    }
    auto list = std::make_shared<TGlyphList>(width, height);
    lists_.push_back(list);
    return list;
}

int TGlyphCache::ListCount() const {
    return static_cast<int>(
        std::count_if(lists_.begin(), lists_.end(), [](const auto& w) { return !w.expired(); }));
}

std::shared_ptr<TGlyphCache> TGlyphCache::Shared() {
    static std::weak_ptr<TGlyphCache> shared;
    auto cache = shared.lock();
    if (!cache) {
        cache = std::make_shared<TGlyphCache>();
        shared = cache;
    }
    return cache;
}
