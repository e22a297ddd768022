#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where a toolbar button puts its glyph, caption and drop-down arrow inside its content.
struct ButtonLayoutIn {
    QSize client;   // the content rectangle's size
    QSize glyph;    // 0 x 0 without a glyph
    QSize text;     // 0 x 0 without a caption
    int arrowWidth; // 0 without an arrow beside the caption
    TButtonLayout layout;
    int margin;  // -1 centres the group
    int spacing; // -1 spreads the free space
};

struct ButtonLayoutOut {
    QPoint glyph; // top-left corners, relative to the content
    QPoint text;
    int arrowX; // left of the arrow's box, right of the caption
};

ButtonLayoutOut CalcButtonLayout(const ButtonLayoutIn& in);
