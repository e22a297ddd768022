#pragma once

#include "core/DrawStore.h"
#include "core/TColor.h"

#include <string>
#include <vector>

namespace core {

// Where the table window marks a selected draw's numbers in older draws. The rules read the
// store and the state of one repaint only, so marks follow the selection, the Unlimited box
// and the HighLight choice at the next repaint.

inline constexpr TColor SelectedRowColor = 0xF8DEB0;
inline constexpr TColor TraceColor = 0xF8DE6D;
inline constexpr TColor HighLightColor = 0x00FF80;
inline constexpr TColor MarkTextColor = 0xFF0000; // blue

// A later pass paints over an earlier one: HighLight over trace over the selected row.
enum class TableMark { None, SelectedRow, Trace, HighLight };

struct TableMarkState {
    bool filterMode = false; // without it nothing is marked
    bool unlimited = false;  // trace every older occurrence, not only the next one
    int highlight = 0;       // the HighLight number; 0 when HighLight is off
    int selectedRow = 1;     // grid row (1 = newest draw)
    Draw selected{};         // the selected row's numbers as its cells read; 0 = none
};

// The numbers of a row from its number cells (A1..A6), as the marking reads them; a cell that
// does not read as a number gives no number.
Draw SelectedNumbers(const std::vector<std::string>& numberCells);

// The mark of grid cell (col, row) of a table of colCount columns whose draw numbers stand in
// columns 2 .. perDraw + 1 (row r is draw r - 1).
TableMark MarkOf(const DrawStore& store, int perDraw, const TableMarkState& state, int col, int row,
                 int colCount);

TColor MarkColor(TableMark mark);

} // namespace core
