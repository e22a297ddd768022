#include "components/skin/TB97Ctls.h"

#include "components/skin/xpCaptionText.h"

#include <QFontMetrics>
#include <QPainter>

using platform::BrushStyle;
using platform::EdgeStyle;
using platform::TCanvas;
using platform::TRect;

QImage DownPatternBitmap() {
    QImage pattern(8, 8, QImage::Format_RGB32);
    const QColor face = platform::ToQColor(core::clBtnFace);
    const QColor highlight = platform::ToQColor(core::clBtnHighlight);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pattern.setPixelColor(x, y, (x + y) % 2 ? face : highlight);
    return pattern;
}

void TToolbarButton97::paintEvent(QPaintEvent*) {
    const bool transparent = flat_ && !opaque_;
    QImage image(size(), transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (transparent) image.fill(Qt::transparent);
    TCanvas canvas(&image);
    PaintTo(canvas);
    QPainter(this).drawImage(0, 0, image);
}

namespace {

// The caption's size as the layout takes it: one line, or wrapped to the content's width.
QSize CaptionSize(const TCanvas& c, const std::string& caption, bool wordWrap, int width) {
    if (caption.empty()) return {0, 0};
    if (!wordWrap) {
        const std::string shown = SplitAccelerator(caption).text;
        return {c.TextWidth(shown), c.TextHeight(shown)};
    }
    const QRect box =
        QFontMetrics(c.QtFont())
            .boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20),
                          Qt::TextWordWrap | Qt::TextShowMnemonic, QString::fromStdString(caption));
    return box.size();
}

unsigned AlignmentFlag(TAlignment a) {
    return a == taLeftJustify    ? platform::dtLeft
           : a == taRightJustify ? platform::dtRight
                                 : platform::dtCenter;
}

} // namespace

void TToolbarButton97::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height();
    c.Pen = {};
    if (opaque_ || !flat_) {
        c.Brush = {Color(), BrushStyle::Solid, {}};
        c.FillRect(0, 0, W, H);
    }
    const TButtonState97 state = flags_.state;
    const bool disabled = state == bsDisabled;
    const bool combo = dropdownCombo_ && UsesDropdown();
    const bool menuPressed = flags_.menuDown && state == bsDown;
    const bool pushed = state == bsExclusive || (state == bsDown && !(combo && flags_.menuDown));
    const int part = combo ? dropdownArrowWidth_ + 2 : 0;
    const TRect face{0, 0, W - part, H};
    const bool border = !noBorder_ && (!flat_ || state == bsDown || state == bsExclusive ||
                                       (flags_.mouseIn && !disabled));
    auto edge = [&](const TRect& r, bool sunken) {
        if (flat_) {
            c.DrawEdge(r, sunken ? EdgeStyle::SunkenOuter : EdgeStyle::RaisedInner);
            return;
        }
        c.Brush = {core::clBtnFace, BrushStyle::Solid, {}};
        c.FillRect(r.Left, r.Top, r.Right, r.Bottom);
        c.DrawEdge(r, sunken ? EdgeStyle::Sunken : EdgeStyle::Raised);
    };
    if (border) edge(face, pushed);
    if (combo) {
        // The arrow part sinks only under a press on itself.
        const TRect arrowPart{W - part, 0, W, H};
        if (border) edge(arrowPart, menuPressed);
        const int shift = menuPressed ? 1 : 0;
        PaintArrow(c, arrowPart.Left + shift, (H - 3) / 2 + shift, part);
    }
    const int inset = noBorder_ ? 0 : flat_ ? 1 : 2;
    const TRect content{face.Left + inset, face.Top + inset, face.Right - inset,
                        face.Bottom - inset};
    const int offset = pushed ? 1 : 0;
    if (pushed && state == bsExclusive && highlightWhenDown_ && (!flat_ || !flags_.mouseIn)) {
        c.Brush = {core::clBtnFace, BrushStyle::Solid, DownPatternBitmap()};
        c.FillRect(content.Left, content.Top, content.Right, content.Bottom);
    }
    c.Font = Font();
    const std::string caption = displayMode_ == dmGlyphOnly ? std::string() : Caption();
    const QSize glyph = displayMode_ == dmTextOnly ? QSize(0, 0) : glyph_->Size();
    const QSize text = CaptionSize(c, caption, wordWrap_, content.Width());
    const int arrow = dropdownArrow_ && !combo && UsesDropdown() ? dropdownArrowWidth_ : 0;
    const ButtonLayoutOut at = CalcButtonLayout(
        {QSize(content.Width(), content.Height()), glyph, text, arrow, layout_, margin_, spacing_});
    // The arrow stands beside the caption's middle, or the content's without a caption.
    const int arrowTop =
        text.height() > 0 ? at.text.y() + (text.height() - 3) / 2 : (content.Height() - 3) / 2;
    if (arrow > 0)
        PaintArrow(c, content.Left + at.arrowX + offset, content.Top + arrowTop + offset, arrow);
    if (!glyph.isEmpty()) {
        const QImage picture = glyph_->StateImage(state);
        if (!picture.isNull())
            c.Draw(content.Left + at.glyph.x() + offset, content.Top + at.glyph.y() + offset,
                   picture);
    }
    if (caption.empty()) return;
    const int x = content.Left + at.text.x() + offset, y = content.Top + at.text.y() + offset;
    c.Brush.Style = BrushStyle::Clear;
    c.Brush.Bitmap = {};
    const unsigned flags = AlignmentFlag(alignment_) | platform::dtVCenter |
                           (wordWrap_ ? 0u : unsigned(platform::dtSingleLine));
    const TRect box{x, y, x + text.width(), y + text.height()};
    if (disabled) {
        c.Font.Color = core::clBtnHighlight;
        c.DrawText({box.Left + 1, box.Top + 1, box.Right + 1, box.Bottom + 1}, caption, flags);
        c.Font.Color = core::clBtnShadow;
    }
    c.DrawText(box, caption, flags);
}
