#include "platform/Font.h"

namespace platform {

QFont FormFont() {
    // Metric-compatible stand-in at 8 point on 96 dpi: an 11-pixel em. Given in
    // pixels, so the layouts' widths hold on any screen.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace platform
