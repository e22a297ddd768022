#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace core {

// Per-draw measures over every loaded draw, charted by draw number (DrawCount - index); the
// chart keeps draw numbers 1..100, the oldest draws.

// The top of a draw's difference triangle (T), the sum of the two values below it (Y) and
// the left one of them (Z).
struct Characteristic {
    int top;
    int pairSum;
    int left;
};
Characteristic DrawCharacteristic(const Draw& draw, int perDraw = 6);

CommandResult CharacterCommand(const DrawStore& store, const Game& game, Lang lang);

// A maximal run of equal values in an ascending sequence.
struct Run {
    int value;
    int length;
};
std::vector<Run> GroupRuns(const std::vector<int>& sorted);

// The sum of each draw, then their distribution (count x 25 and the sum, per run of equal
// sums in ascending order).
CommandResult CheckSumCommand(const DrawStore& store, const Game& game, Lang lang);

// A cell of the charted column that is not a number.
class FloatConversionError : public std::runtime_error {
public:
    explicit FloatConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value") {}
};

// A number with '.' as separator, blanks around it allowed; throws FloatConversionError.
double StrToFloat(const std::string& text);

// The chart of a main-grid column: cells[r] is the cell of grid row r (row 0 the header,
// which becomes the caption), and row r is charted at point cells.size() - r. Nothing for the
// empty separator columns 1, 8, 11 and 17. Throws FloatConversionError for a cell that is not
// a number.
std::optional<ChartData> ColumnChart(int col, const std::vector<std::string>& cells);

} // namespace core
