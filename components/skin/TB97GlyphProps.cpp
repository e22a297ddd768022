#include "components/skin/TB97Ctls.h"

void TToolbarButton97::SetGlyph(const QImage& glyph) {
    glyph_->SetGlyph(glyph);
}

void TToolbarButton97::SetGlyphMask(const QImage& mask) {
    glyph_->SetGlyphMask(mask);
}

void TToolbarButton97::SetNumGlyphs(int count) {
    glyph_->SetNumGlyphs(count);
}

void TToolbarButton97::SetImages(platform::TImageList* images) {
    if (images == images_) return;
    disconnect(imagesChange_);
    disconnect(imagesGone_);
    images_ = images;
    if (images) {
        imagesChange_ = connect(images, &platform::TImageList::Change, this, [this] {
            glyph_->Invalidate();
            update();
        });
        // A list that goes away leaves the button without it.
        imagesGone_ = connect(images, &QObject::destroyed, this, [this] {
            images_ = nullptr;
            glyph_->SetImages(nullptr, imageIndex_);
        });
    }
    glyph_->SetImages(images, imageIndex_);
}

void TToolbarButton97::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (images_) glyph_->SetImages(images_, index);
}

void TToolbarButton97::SetDisplayMode(TButtonDisplayMode mode) {
    if (mode == displayMode_) return;
    displayMode_ = mode;
    update();
}

void TToolbarButton97::SetLayout(TButtonLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    update();
}

void TToolbarButton97::SetMargin(int margin) {
    if (margin == margin_ || margin < -1) return;
    margin_ = margin;
    update();
}

void TToolbarButton97::SetSpacing(int spacing) {
    if (spacing == spacing_) return;
    spacing_ = spacing;
    update();
}

void TToolbarButton97::SetOldDisabledStyle(bool on) {
    if (on == oldDisabledStyle_) return;
    oldDisabledStyle_ = on;
    glyph_->SetOldDisabledStyle(on);
}
