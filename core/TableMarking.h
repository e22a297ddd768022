#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Required.h"
#include "core/TColor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Where the table window marks a selected draw's numbers in older draws. The rules read the
// store and the state of one repaint only, so marks follow the selection, the Unlimited box
// and the HighLight choice at the next repaint.

inline constexpr TColor SelectedRowColor = 0xF8DEB0;
inline constexpr TColor TraceColor = 0xF8DE6D;
inline constexpr TColor HighLightColor = 0x00FF80;
inline constexpr TColor SeparationColor = 0xFFA4F9;
inline constexpr TColor GroupColor = 0xFFA4F9;
inline constexpr TColor MarkTextColor = 0xFF0000; // blue

// A later pass paints over an earlier one: the group highlight over Separation over HighLight
// over trace over the selected row.
enum class TableMark { None, SelectedRow, Trace, HighLight, Separation, Group };

// How an edition's table traces.
struct TableRules {
    // The trace ends after the draw that brings this many hits (over all selected numbers);
    // 0: it runs to the oldest draw.
    Required<int> traceCap;
};
inline constexpr TableRules TableRules6x45{.traceCap = 0};
inline constexpr TableRules TableRules5x36{.traceCap = 24};

struct TableMarkState {
    bool filterMode = false; // without it nothing is marked
    bool unlimited = false;  // trace every older occurrence, not only the next one
    int highlight = 0;       // the HighLight number; 0 when HighLight is off
    bool separation = false; // each number at its newest draw from the selected one down
    int selectedRow = 1;     // grid row (1 = newest draw)
    Draw selected{};         // the selected row's numbers as its cells read; 0 = none

    bool operator==(const TableMarkState&) const = default;
};

// The numbers of a row from its number cells (A1..A6), as the marking reads them; a cell that
// does not read as a number gives no number.
Draw SelectedNumbers(const std::vector<std::string>& numberCells);

// The marks of one repaint, worked out once from the store and the state; At is then a look-up
// per cell. The draw numbers stand in columns 2 .. perDraw + 1, row r is draw r - 1.
class TableMarks {
public:
    TableMarks(const DrawStore& store, const Game& game, const TableMarkState& state,
               const TableRules& rules);

    TableMark At(int col, int row, int colCount) const;

private:
    const DrawStore& store_;
    int perDraw_;
    TableMarkState state_;
    // Per draw index, a bit per position.
    std::vector<std::uint8_t> traced_;
    std::vector<std::uint8_t> separated_;
};

// The mark of grid cell (col, row) of a table of colCount columns, traced to the oldest draw.
TableMark MarkOf(const DrawStore& store, int perDraw, const TableMarkState& state, int col, int row,
                 int colCount);

TColor MarkColor(TableMark mark);

} // namespace core
