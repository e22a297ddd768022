#include "components/skin/TB97Layout.h"

#include <algorithm>

ButtonLayoutOut CalcButtonLayout(const ButtonLayoutIn& in) {
    const int cw = in.client.width(), ch = in.client.height();
    // An invalid size (-1 x -1) is no glyph or no caption.
    const int gw = std::max(in.glyph.width(), 0), gh = std::max(in.glyph.height(), 0);
    const int tw = std::max(in.text.width(), 0), th = std::max(in.text.height(), 0);
    const int aw = in.arrowWidth;
    const bool horizontal = in.layout == blGlyphLeft || in.layout == blGlyphRight;
    ButtonLayoutOut out{};
    // Across the layout's axis both parts are centred; the arrow travels with the caption.
    if (horizontal) {
        out.glyph.setY((ch - gh + 1) / 2);
        out.text.setY((ch - th + 1) / 2);
    } else {
        out.glyph.setX((cw - gw + 1) / 2);
        out.text.setX((cw - tw - aw + 1) / 2);
    }
    int margin = in.margin, spacing = in.spacing;
    if (gw == 0 || tw == 0) spacing = 0;
    const int extent = horizontal ? cw : ch;
    const int glyphExtent = horizontal ? gw : gh;
    const int textExtent = horizontal ? tw + aw : th;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - glyphExtent - textExtent) / 3;
            spacing = margin;
        } else {
            margin = (extent - glyphExtent - spacing - textExtent + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphExtent - textExtent) / 2;
    }
    switch (in.layout) {
    case blGlyphLeft:
        out.glyph.setX(margin);
        out.text.setX(margin + gw + spacing);
        break;
    case blGlyphRight:
        out.glyph.setX(cw - margin - gw);
        out.text.setX(out.glyph.x() - spacing - tw - aw);
        break;
    case blGlyphTop:
        out.glyph.setY(margin);
        out.text.setY(margin + gh + spacing);
        break;
    case blGlyphBottom:
        out.glyph.setY(ch - margin - gh);
        out.text.setY(out.glyph.y() - spacing - th);
        break;
    }
    out.arrowX = out.text.x() + tw;
    return out;
}
