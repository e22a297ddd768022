#pragma once

#include "core/Game.h"

namespace core {

// What sets one edition apart from the other, as data: its game, and the texts and rule
// differences its commands take. A command family that differs between the editions keeps its
// own table in its own header and adds one field here pointing at it, so commands never ask
// which edition they serve.
struct Edition {
    Game game;
};

inline constexpr Edition Edition6x45{Game6x45};
inline constexpr Edition Edition5x36{Game5x36};

} // namespace core
