#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/PairCommands.h"
#include "core/TableColumns.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// Skip strategy, Frequency strategy and Freq Analyse: how numbers recur over the newest
// draws. Every count is over the newest lastN draws, kept within 0..DrawCount.

// Over count entries, value k becomes the old value at position numbers[k] (1-based),
// through an unsigned byte as the summary lines show them (-1 gives 255).
void PermuteByNumbers(std::int32_t* values, const std::int32_t* numbers, int count);

// The numbers 1..pool ranked by how many of the length draws from index start towards older
// draws hold them, most first, ties in ascending number order. The window is cut to the
// draws loaded.
void RankByFrequency(const DrawStore& store, const Game& game, int start, int length,
                     std::int32_t* ranked);

// The 32-bit twin of NumbersToText: the values joined by separator, padded against pool.
std::string IntsToText(const std::int32_t* values, int count, std::string_view separator, bool pad,
                       int pool);

Prompt SkipStrategyPrompt(int drawCount, const Edition& edition, Lang lang);
// The last-N rule without the lower bound: 0 stays 0 (an empty window). Throws
// ConversionError beyond 32 bits.
int SkipStrategyLastN(std::string_view answer, int drawCount);
// Per number its skips (draws between two hits, then the draws after the last hit), their
// median and sum; the summary by last skip and by median; the chart of the last skips.
CommandResult SkipStrategy(const DrawStore& store, const Edition& edition, int lastN, Lang lang);

Prompt FrequencyStrategyPrompt(int drawCount, Lang lang);
// The sizes of the groups G1, G2 and G3 cut from the frequency ranking.
struct FrequencyGroups {
    int g1, g2, g3;
};
FrequencyGroups FrequencyGroupsOf(const Edition& edition);
// For every draw but the oldest, how many of its numbers are among the most (G1), middle
// (G2) and least (G3) frequent numbers of the lastN draws before it: columns 9..11.
TableResult FrequencyStrategy(const DrawStore& store, const Edition& edition, int lastN, Lang lang);

Prompt FreqAnalysePrompt(int drawCount, Lang lang);
// Per number, how often each number was drawn in the draw after one holding it.
CommandResult FreqAnalyse(const DrawStore& store, const Game& game, int lastN, Lang lang);

} // namespace core
