#include "core/TColor.h"

namespace core {

TColor ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) != 0x80000000u) return color & 0x00FFFFFFu;
    // The classic desktop's values.
    static constexpr TColor table[] = {
        0xC8D0D4, // scroll bar
        0x808000, // background
        0x6A240A, // active caption
        0x808080, // inactive caption
        0xC8D0D4, // menu
        0xFFFFFF, // window
        0x000000, // window frame
        0x000000, // menu text
        0x000000, // window text
        0xFFFFFF, // caption text
        0xC8D0D4, // active border
        0xC8D0D4, // inactive border
        0x808080, // app work space
        0x6A240A, // highlight
        0xFFFFFF, // highlight text
        0xC8D0D4, // button face
        0x808080, // button shadow
        0x808080, // grey text
        0x000000, // button text
        0xC8D0D4, // inactive caption text
        0xFFFFFF, // button highlight
        0x404040, // 3D dark shadow
        0xC8D0D4, // 3D light
        0x000000, // info text
        0xE1FFFF, // info background
    };
    const auto index = color & 0xFFu;
    if (index < sizeof table / sizeof table[0]) return table[index];
    return 0x000000;
}

} // namespace core
