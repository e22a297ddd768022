#pragma once

#include "core/CommandResult.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Counters of the frequency commands: entry k (0-based) counts number (or difference) k + 1.
using Counts = std::vector<std::int32_t>;

// The count levels: level 0 is the largest counter, each next level the largest counter
// strictly below the previous one (0 when none is left). One line per level, ending with the
// first zero level (at most 100 lines): the level, ":", then " " and each number counted that
// often. Pad writes the level and the numbers two digits wide against reference.
std::vector<std::string> LevelLines(const Counts& counts, bool pad, int reference);

// The numbers 1..counts.size() sorted by count descending, ties in number order; each
// number and each count is written ZeroPad(.., reference) followed by a blank.
struct SortedLines {
    std::string numbers;
    std::string counts;
};
SortedLines SortedByCount(const Counts& counts, int reference);

// The chart keeps points 1..100 only; points outside are left out of the hand-over.
inline constexpr int ChartPointLimit = 100;
void AddChartValue(ChartData& chart, int series, int point, double value);

} // namespace core
