#pragma once

#include "components/skin/TB97ImageList.h"
#include "platform/ImageList.h"
#include "components/skin/TB97States.h"

#include <QImage>
#include <QPointer>
#include <QSize>

#include <array>
#include <functional>
#include <memory>

enum TButtonDisplayMode : std::uint8_t { dmBoth, dmGlyphOnly, dmTextOnly };

// The picture of a toolbar button: NumGlyphs images side by side in Glyph (up, disabled,
// pressed, latched, hot), or one image of an image list. Each state's image is made on first
// use, with its transparent pixels cleared, and kept in the cache's list of its size.
class TButtonGlyph {
public:
    explicit TButtonGlyph(std::shared_ptr<TGlyphCache> cache = TGlyphCache::Shared());
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return glyph_; }
    // Also counts the images in it when its width is a whole number of squares.
    void SetGlyph(const QImage& glyph);
    // White where the glyph is transparent; without one the bottom-left pixel's colour is.
    const QImage& GlyphMask() const { return mask_; }
    void SetGlyphMask(const QImage& mask);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    void SetImages(platform::TImageList* images, int imageIndex);
    void SetOldDisabledStyle(bool on);

    // The size of one state's picture; 0 x 0 without a picture.
    QSize Size() const;
    // The picture of a state; the disabled one made from the up one is a pixel larger.
    QImage StateImage(TButtonState97 state);
    // Drops the made pictures; the next use makes them again.
    void Invalidate();

    std::function<void()> OnChange;

private:
    bool UsesImages() const;
    QImage Source(int index) const;
    QImage Keyed(int index) const;
    QImage Make(TButtonState97 state) const;
    void Release();

    // Where a state's picture is kept; a stale one is replaced in place when made again.
    struct Slot {
        std::shared_ptr<TGlyphList> list;
        int index = -1;
        bool fresh = false;
    };

    std::shared_ptr<TGlyphCache> cache_;
    QImage glyph_, mask_;
    int numGlyphs_ = 1;
    QPointer<platform::TImageList> images_;
    int imageIndex_ = -1;
    bool oldDisabledStyle_ = false;
    std::array<Slot, 5> slots_;
};
