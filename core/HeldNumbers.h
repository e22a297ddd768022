#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"

#include <array>

namespace core {

// The distinct numbers of the pool a draw holds, ascending, in held[0..count); returns the
// count. A number is held when it is somewhere among the draw's bytes, so a repeated byte
// counts once and a byte outside 1..pool not at all.
int HeldNumbers(const Draw& d, const Game& game, std::array<int, MaxPerDraw>& held);

} // namespace core
