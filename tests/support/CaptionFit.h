#pragma once

#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCaptionText.h"
#include "components/skin/xpCheckBox.h"
#include "platform/Canvas.h"

#include <QWidget>

#include <string>
#include <vector>

namespace testing_support {

// The skinned controls under root whose caption, in the font they paint it with, is wider
// than the room they give it: "caption (text width > room)".
inline std::vector<std::string> CutCaptions(const QWidget& root) {
    std::vector<std::string> cut;
    platform::TBitmap probe(1, 1);
    auto& c = probe.Canvas();
    auto check = [&](const std::string& caption, const platform::TFont& font, int room) {
        c.Font = font;
        const int w = c.TextWidth(SplitAccelerator(caption).text);
        if (w > room)
            cut.push_back(caption + " (" + std::to_string(w) + " > " + std::to_string(room) + ")");
    };
    // Buttons clip their text 4 pixels inside each edge.
    for (const auto* b : root.findChildren<TxpButton*>())
        if (b->isVisibleTo(&root)) check(b->Caption(), b->Font(), b->width() - 8);
    for (const auto* b : root.findChildren<TToolbarButton97*>())
        if (b->isVisibleTo(&root)) check(b->Caption(), {}, b->width() - 2);
    // Box and gap take 20 pixels, the text is clipped 2 before the other edge.
    for (const auto* b : root.findChildren<TxpCheckBox*>())
        if (b->isVisibleTo(&root)) check(b->Caption(), b->Font(), b->width() - 22);
    return cut;
}

} // namespace testing_support
