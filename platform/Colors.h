#pragma once

#include "core/TColor.h"

#include <QColor>

namespace platform {

using core::TColor;

inline QColor ToQColor(TColor color) {
    const TColor rgb = core::ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

inline TColor FromQColor(const QColor& c) {
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
           (static_cast<TColor>(c.blue()) << 16);
}

} // namespace platform
