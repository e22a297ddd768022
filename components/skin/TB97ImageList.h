#pragma once

#include <QImage>

#include <memory>
#include <stdexcept>
#include <vector>

// An image-list operation that cannot be done: an image of the wrong size, a bad index.
class EInvalidOperation : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Images of one size. Deleted slots are reused by later additions, so indices stay put.
class TGlyphList {
public:
    TGlyphList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Raises "Invalid image size" for an image of another size.
    int Add(const QImage& image);
    // Raises "Unable to Replace Image" for an index that holds no image.
    void Replace(int index, const QImage& image);
    void Delete(int index);
    const QImage& Image(int index) const { return images_.at(index); }
    int Count() const;

private:
    void CheckSize(const QImage& image) const;

    int width_, height_;
    std::vector<QImage> images_; // a null image is a free slot
};

// One shared list per glyph size; a list lives while a button's glyph holds it.
class TGlyphCache {
public:
    std::shared_ptr<TGlyphList> GetList(int width, int height);
    int ListCount() const;
    // The program's cache, made with the first glyph that asks and gone with the last.
    static std::shared_ptr<TGlyphCache> Shared();

private:
    std::vector<std::weak_ptr<TGlyphList>> lists_;
};
