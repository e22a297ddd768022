#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"

#include <array>

namespace core {

// The midpoint of a draw's lowest and highest number, rounded down.
int DrawCenter(const Draw& draw, int perDraw);

// The center of every draw, newest first, charted by draw number.
CommandResult CenterCommand(const DrawStore& store, const Edition& edition);

// How many of the number pairs between a draw and the next older one lie d apart, for each
// d of 0..pool-1 (a draw holding a number outside the pool adds nothing beyond that).
std::array<int, 64> DrawDifferences(const Draw& newer, const Draw& older, const Game& game);

// One line of those counts per draw that has an older draw, under a header of the distances.
CommandResult DifferenceCommand(const DrawStore& store, const Edition& edition);

} // namespace core
