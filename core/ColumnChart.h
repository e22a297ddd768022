#pragma once

#include "core/CommandResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A cell text read as a real number ('.' as separator, blanks around allowed).
std::optional<double> ReadReal(std::string_view text);

// The message of a text that does not read as a real number.
std::string RealConversionMessage(const std::string& text);

struct ColumnChartOutcome {
    std::optional<ChartData> chart; // none: a cell did not read as a number
    std::string error;              // the message for that cell
};

// The chart of one table column: cells[i] is grid row i + 1; a non-empty cell becomes the
// value of series 1 at point (cells.size() + 1 - row), so the oldest draw is point 1. The chart
// keeps points 1..100 only. Caption: the column's header.
ColumnChartOutcome ColumnChart(const std::vector<std::string>& cells, const std::string& header);

// The same column as a paged series of every draw: rows 1..drawCount only (row r is draw number
// drawCount + 1 - r), each value rounded to an integer with halves to even, 0 for an empty cell.
ColumnChartOutcome PagedColumnChart(const std::vector<std::string>& cells,
                                    const std::string& header, int drawCount);

} // namespace core
