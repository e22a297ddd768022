#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <string>
#include <string_view>
#include <vector>

namespace core {

// A line of blanks and digits holding exactly perDraw numbers.
bool IsDrawLine(std::string_view line, int perDraw = 6);

// IsDrawLine, and the numbers are distinct, within 1..pool and fit 32 bits; only such lines are
// loaded, so every command can rely on valid draws.
bool IsValidDrawLine(std::string_view line, const Game& game);

struct LoadReport {
    std::vector<int> incorrectLines; // 1-based line numbers, descending
    int loaded = 0;                  // draws now in the store (0: the store was left alone)
    int leftOut = 0;                 // valid lines beyond the store's capacity, not loaded
};

// Puts the valid lines of a draw file into the store, newest (first line) as record 0, each
// sorted ascending. A file without a valid line leaves the store as it was.
LoadReport LoadDrawLines(const std::vector<std::string>& lines, const Game& game, DrawStore& store);

// Incorrect lines a load message names; more are only counted.
inline constexpr std::size_t MaxListedLines = 20;

// The message a load shows, or "" when there is nothing to say.
std::string LoadMessage(const LoadReport& report, Lang lang);

int DrawSpan(Draw d, int perDraw = 6);
long double DrawAverage(Draw d, int perDraw = 6);
void DrawDeltas(Draw& d, int perDraw = 6);
int CountOdd(const Draw& d, int n);
int CountEven(const Draw& d, int n);
// Pairs of equal numbers between two draws.
int CountEqualPairs(const Draw& a, const Draw& b, int perDraw = 6);

// The main grid of the 6-of-45 edition: 22 columns, row 0 the headers.
inline constexpr int MainGridColumns = 22;
// The cells of the grid row showing record index (row index + 1).
std::vector<std::string> MainGridRow(const DrawStore& store, int index);

} // namespace core
