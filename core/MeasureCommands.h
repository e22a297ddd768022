#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Lang.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace core {

// Per-draw measures over every loaded draw, charted by draw number (DrawCount - index): as
// points, of which the chart keeps draw numbers 1..100, the oldest draws, or, where the
// edition pages its charts, as a series over every draw.

// The top of a draw's difference triangle (T), the sum of the two values below it (Y) and
// the left one of them (Z).
struct Characteristic {
    int top;
    int pairSum;
    int left;
};
Characteristic DrawCharacteristic(const Draw& draw, int perDraw);

// The chart of one value per draw number, as the edition hands it over: points 1..100, or a
// series over every draw.
class PerDrawChart {
public:
    PerDrawChart(const Edition& edition, int drawCount);
    void Set(int drawNumber, std::int32_t value);
    // A real value; only the unpaged chart keeps one.
    void SetReal(int drawNumber, double value);
    ChartData Take(std::optional<double> yMax);

private:
    ChartData chart_;
};

CommandResult CharacterCommand(const DrawStore& store, const Edition& edition, Lang lang);

// A maximal run of equal values in an ascending sequence.
struct Run {
    int value;
    int length;
};
std::vector<Run> GroupRuns(const std::vector<int>& sorted);

// The sum of each draw, then their distribution (count x 25 and the sum, per run of equal
// sums in ascending order).
CommandResult CheckSumCommand(const DrawStore& store, const Edition& edition, Lang lang);

// A cell of the charted column that is not a number.
class FloatConversionError : public std::runtime_error {
public:
    explicit FloatConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid floating point value") {}
};

// A number with '.' as separator, blanks around it allowed; throws FloatConversionError.
double StrToFloat(const std::string& text);

// The chart of a main-grid column: cells[r] is the cell of grid row r (row 0 the header,
// which becomes the caption), and row r is charted at point cells.size() - r. Nothing for a
// column the main grid's table does not chart for the edition's game (ChartsColumn), nor,
// where the edition says so, for a column with an empty header. A paged chart rounds each value
// halves to even and takes an empty cell as 0. Throws FloatConversionError for a cell that is not a
// number.
std::optional<ChartData> ColumnChart(int col, const std::vector<std::string>& cells,
                                     const Edition& edition);

} // namespace core
