#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/Required.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The lines of a draw file's text, the way both the loader and the update read them: a UTF-8
// byte-order mark at the start of the text is left out before the text is split (a file of only
// a mark has no line); CR LF, LF or CR end a line, and a final line end adds no empty line.
std::vector<std::string> DrawFileLines(std::string_view text);

// The longest number field a draw line may hold, leading zeros included: anything longer could
// not be read as a 32-bit number.
inline constexpr std::size_t MaxNumberField = 9;

// A line of blanks and digits holding exactly perDraw numbers.
bool IsDrawLine(std::string_view line, int perDraw);

// Splits a line "draw-number date n1 n2 n3 n4 n5": the five numbers are cut from the end, then
// the draw number and the date; blanks and control characters separate. False when a field is
// empty or holds what it may not (the date: digits and "." only).
bool ParseDrawLine(std::string_view line, std::string& numbers, std::string& date,
                   std::string& drawNumber);

// How a draw file writes a draw.
enum class LineRule {
    Numbers,           // the numbers only, blank-separated
    NumberDateNumbers, // draw number, date, then the numbers (ParseDrawLine)
};

// What the loader and the update check a draw file by; an edition gives every field.
struct DrawFileRules {
    Game game;
    Required<LineRule> rule;
    // A file without a valid line empties the store (count 0) instead of leaving it alone.
    Required<bool> emptyFileClears;
};

// The texts a file line gives the grid besides the numbers.
struct DrawLabel {
    std::string drawNumber, date;
};

// The line rule, and the numbers are distinct, within 1..pool, and no number field (the draw
// number included) is longer than MaxNumberField; only such lines are loaded, so every command
// can rely on valid draws.
bool IsValidDrawLine(std::string_view line, const DrawFileRules& rules);

struct LoadReport {
    std::vector<int> incorrectLines; // 1-based line numbers, descending
    int loaded = 0;                  // draws now in the store (0: the store was left alone)
    int leftOut = 0;                 // valid lines beyond the store's capacity, not loaded
    bool emptied = false;            // no valid line, and the rules empty the store then
    std::vector<DrawLabel> labels;   // per loaded record, for the draw-number-and-date rule
};

// Puts the valid lines of a draw file (as DrawFileLines gives them) into the store, newest (first
// line) as record 0, each sorted ascending. A file without a valid line leaves the store as it
// was, or empties it when the rules say so.
LoadReport LoadDrawLines(const std::vector<std::string>& lines, const DrawFileRules& rules,
                         DrawStore& store);

// Incorrect lines a load message names; more are only counted.
inline constexpr std::size_t MaxListedLines = 20;

// The message a load shows, or "" when there is nothing to say.
std::string LoadMessage(const LoadReport& report, Lang lang);

int DrawSpan(Draw d, int perDraw);
long double DrawAverage(Draw d, int perDraw);
void DrawDeltas(Draw& d, int perDraw);
int CountOdd(const Draw& d, int n);
int CountEven(const Draw& d, int n);
// Pairs of equal numbers between two draws.
int CountEqualPairs(const Draw& a, const Draw& b, int perDraw);

// The main grid of both editions: 22 columns, row 0 the headers.
inline constexpr int MainGridColumns = 22;
// The cells of the grid row showing record index (row index + 1): the numbers from column 2,
// the differences from column 12. With a label, columns 0 and 1 show its draw number and date
// as the file wrote them; without, column 0 is the draw number DrawCount - index.
std::vector<std::string> MainGridRow(const DrawStore& store, int index, const Game& game,
                                     const DrawLabel* label = nullptr);

} // namespace core
