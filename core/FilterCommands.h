#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/PairCommands.h"
#include "core/TableColumns.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// Filter Any and Separation: how far back the numbers of a draw were drawn before.

// The 0-based position of the first of a[0..n) equal to x, or -1.
int IndexOfNumber(int x, const std::uint8_t* a, int n);
// Moves the non-zero entries to the front in their order, the zeros behind them.
void CompactNonZero(std::uint8_t* a, int n);
// After an ascending sort: the entries past the leading zeros moved to the front, the freed
// tail zeroed; an all-zero list stays as it is.
void DropLeadingZeros(std::uint8_t* a, int n);

// Beside every draw: Any1.. (columns 9..) the draws between it and the next older draw
// holding each of its numbers, ascending, empty when never drawn again; Pos1.. (columns
// 16..) the same for the number at each position, found at that position. The counts are
// whole numbers however far back they reach.
TableResult FilterAny(const DrawStore& store, const Edition& edition, Lang lang);

Prompt SeparationPrompt(int drawCount, Lang lang);
// What the user is told for a draw number outside 1..DrawCount.
std::string SeparationRangeMessage(int drawCount, Lang lang);
// From draw number drawNumber towards older draws, up to where every number has been drawn
// again: each draw with only the numbers not drawn in a newer draw of the range; the numbers
// of the next newer draw between "[" and "]". Nothing for a draw number outside 1..DrawCount.
std::optional<CommandResult> Separation(const DrawStore& store, const Game& game, int drawNumber,
                                        Lang lang);

// How far Separation reaches from draw index s: to the draw in which the slowest number of the
// pool is drawn again, cut at the oldest draw; incomplete when a number is never drawn again.
struct SeparationSpan {
    int last;
    bool incomplete;
};
SeparationSpan SeparationRange(const DrawStore& store, const Game& game, int s);

// Draws s..last with every number left only in its newest draw of the range (the others 0).
std::vector<Draw> SeparationRecords(const DrawStore& store, int perDraw, int s, int last);

// The line of one Separation record: the numbers two digits wide, the removed ones as
// blanks at the end, the given numbers marked.
std::string SeparationLine(const std::uint8_t* record, const std::uint8_t* marked, int perDraw,
                           int pool);

} // namespace core
