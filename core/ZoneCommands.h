#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/TableColumns.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Zones, Final sums, Prognosis and the three commands whose buttons stay hidden (Spans,
// Sort by groups, "1..12  34..45"), all over the whole store.

struct ZoneRange {
    int lo;
    int hi;
    bool operator==(const ZoneRange&) const = default;
};

// The zone count from the prompt's answer: digits only, empty -> 2, above the pool -> the
// pool, below 1 -> 1 (a width of pool div 0 has no value). Throws ConversionError beyond
// 32 bits.
int ZoneAnswer(std::string_view answer, int pool);

// The ranges for z zones of width pool div z; the last one runs to the end of the pool so
// that every number lies in exactly one range. z must be at least 1.
std::vector<ZoneRange> ZoneRanges(int z, int pool);

// Every range as lo + ".." + hi + " ".
std::string ZoneRangesText(int z, int pool);

// How many of the draw's numbers lie in each range.
std::vector<int> ZoneCounts(const Draw& draw, const std::vector<ZoneRange>& ranges, int perDraw);

// One line per draw, newest first, with a count for every range of the header line.
CommandResult Zones(const DrawStore& store, const Edition& edition, int z, Lang lang);

// The prompt of Zones.
struct ZonePrompt {
    std::string caption, prompt, defaultText;
};
ZonePrompt ZonesPrompt(const Edition& edition, Lang lang);

// n mod 9, with 0 written as 9.
int FinalSum(int n);

// The S columns of the table window, from column perDraw + 3 on, after emptying the columns
// the edition clears.
TableResult FinalSums(const DrawStore& store, const Edition& edition, Lang lang);

CommandResult Prognosis(const DrawStore& store, const Game& game, Lang lang);

// The gaps of a sorted draw: a(k+1) - a(k) - 1 for neighbours; the remaining bytes are 0.
Draw DrawGaps(const Draw& draw, int perDraw);

// Drops the leading zeros of a sorted list and returns how many entries remain.
int StripLeadingZeros(std::vector<std::uint8_t>& bytes);

// The level values of counters: level 0 the largest, each next one the largest strictly
// below the previous, 0 when there is none.
std::vector<int> CountLevels(const int* counters, int count, int levels);

struct SpansResult {
    CommandResult text;
    std::array<int, 45> bins{}; // bin j counts gaps of j + 1
    int firstLabel = 0;         // the bars are labelled like the text, 0..44
};
std::array<int, 45> SpanBins(const DrawStore& store, int perDraw);
SpansResult Spans(const DrawStore& store, const Game& game);

CommandResult SortByGroups(const DrawStore& store, const Game& game);

// "1..12  34..45": for each number 1..12, the highest numbers (34 or more) of the draws
// holding it, ascending.
CommandResult Band(const DrawStore& store, const Game& game);

} // namespace core
