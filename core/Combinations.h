#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <cstdint>
#include <string>

namespace core {

// The question put before the command runs.
std::string CombinationsQuestion(Lang lang);

// The place of numbers[0..perDraw) among all combinations of the game in lexicographic order
// (1 2 3 4 5 6 is 1), in closed form; 0 when the bytes are no combination (not strictly
// ascending within 1..pool).
std::int32_t CombinationRank(const std::uint8_t* numbers, const Game& game);

// Every draw's rank, newest first, and the ranks charted at the draw numbers.
CommandResult Combinations(const DrawStore& store, const Edition& edition, Lang lang);

} // namespace core
