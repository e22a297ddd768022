#include "components/skin/TB97Glyph.h"

#include "platform/Colors.h"

TButtonGlyph::TButtonGlyph(std::shared_ptr<TGlyphCache> cache) : cache_(std::move(cache)) {}

TButtonGlyph::~TButtonGlyph() {
    Release();
}

void TButtonGlyph::Release() {
    for (Slot& s : slots_) {
        if (s.list) s.list->Delete(s.index);
        s = {};
    }
}

void TButtonGlyph::Invalidate() {
    for (Slot& s : slots_) s.fresh = false;
}

void TButtonGlyph::SetGlyph(const QImage& glyph) {
    glyph_ = glyph;
    const int w = glyph.width(), h = glyph.height();
    if (h > 0 && w % h == 0) {
        const int n = w / h;
        numGlyphs_ = n > 5 ? 1 : n;
    }
    Invalidate();
    if (OnChange) OnChange();
}

void TButtonGlyph::SetGlyphMask(const QImage& mask) {
    mask_ = mask;
    Invalidate();
    if (OnChange) OnChange();
}

void TButtonGlyph::SetNumGlyphs(int count) {
    count = std::clamp(count, 1, 5);
    if (count == numGlyphs_) return;
    numGlyphs_ = count;
    Invalidate();
    if (OnChange) OnChange();
}

void TButtonGlyph::SetImages(platform::TImageList* images, int imageIndex) {
    images_ = images;
    imageIndex_ = imageIndex;
    Invalidate();
    if (OnChange) OnChange();
}

void TButtonGlyph::SetOldDisabledStyle(bool on) {
    if (on == oldDisabledStyle_) return;
    oldDisabledStyle_ = on;
    Invalidate();
    if (OnChange) OnChange();
}

bool TButtonGlyph::UsesImages() const {
    return images_ != nullptr;
}

QSize TButtonGlyph::Size() const {
    if (UsesImages()) return {images_->Width(), images_->Height()};
    if (glyph_.isNull()) return {0, 0};
    return {glyph_.width() / numGlyphs_, glyph_.height()};
}

QImage TButtonGlyph::Source(int index) const {
    if (UsesImages())
        return imageIndex_ >= 0 && imageIndex_ < images_->Count() ? images_->Image(imageIndex_)
                                                                  : QImage();
    const QSize size = Size();
    if (size.isEmpty()) return {};
    return glyph_.copy(index * size.width(), 0, size.width(), size.height());
}

namespace {

// A picture that says its transparency by alpha, as an icon does; a bitmap's is all opaque.
bool UsesAlpha(const QImage& image) {
    if (!image.hasAlphaChannel()) return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

} // namespace

// One image with its transparent pixels cleared: where the mask is white, or else where the
// picture has the colour of its bottom-left pixel. A picture with alpha keeps its own.
QImage TButtonGlyph::Keyed(int index) const {
    const QImage source = Source(index);
    if (source.isNull()) return {};
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    const bool masked = !UsesImages() && !mask_.isNull();
    if (!masked && UsesAlpha(source)) return out;
    const QRgb key = source.pixel(0, source.height() - 1) | 0xFF000000u;
    const int dx = masked ? index * out.width() : 0;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const bool clear =
                masked ? mask_.valid(x + dx, y) && (mask_.pixel(x + dx, y) & 0xFFFFFFu) == 0xFFFFFFu
                       : (out.pixel(x, y) | 0xFF000000u) == key;
            if (clear) out.setPixel(x, y, 0);
        }
    return out;
}

namespace {

int Alpha(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

// The disabled look made from the up picture: its shape embossed in the button highlight and
// shadow, or, in the older look, the picture in grey; each pixel as opaque as the picture's.
QImage Disabled(const QImage& up, bool oldStyle) {
    QImage out(up.width() + 1, up.height() + 1, QImage::Format_ARGB32);
    out.fill(0);
    if (oldStyle) {
        for (int y = 0; y < up.height(); ++y)
            for (int x = 0; x < up.width(); ++x) {
                if (Alpha(up, x, y) == 0) continue;
                const QRgb p = up.pixel(x, y);
                const int g = (qRed(p) + qGreen(p) + qBlue(p)) / 3;
                out.setPixel(x, y, qRgba(g, g, g, qAlpha(p)));
            }
        return out;
    }
    auto emboss = [&](QRgb color, int dx) {
        for (int y = 0; y < up.height(); ++y)
            for (int x = 0; x < up.width(); ++x)
                if (const int a = Alpha(up, x, y); a != 0)
                    out.setPixel(x + dx, y + dx, (color & 0xFFFFFFu) | (QRgb(a) << 24));
    };
    emboss(platform::ToQColor(core::clBtnHighlight).rgb(), 1);
    emboss(platform::ToQColor(core::clBtnShadow).rgb(), 0);
    return out;
}

} // namespace

QImage TButtonGlyph::Make(TButtonState97 state) const {
    const int count = UsesImages() ? 1 : numGlyphs_;
    if (state == bsDisabled && count < 2) {
        const QImage up = Keyed(0);
        return up.isNull() ? up : Disabled(up, oldDisabledStyle_);
    }
    return Keyed(state < count ? state : 0);
}

QImage TButtonGlyph::StateImage(TButtonState97 state) {
    Slot& s = slots_[state];
    if (s.fresh) return s.list->Image(s.index);
    const QImage image = Make(state);
    if (image.isNull()) {
        if (s.list) s.list->Delete(s.index);
        s = {};
        return image;
    }
    auto list = cache_->GetList(image.width(), image.height());
    if (s.list == list) {
        list->Replace(s.index, image);
    } else {
        if (s.list) s.list->Delete(s.index);
        s.list = list;
        s.index = list->Add(image);
    }
    s.fresh = true;
    return image;
}
