#pragma once

#include "core/CellColumn.h"

#include <memory>
#include <string>
#include <vector>

namespace core {

// The columns a command adds to the table window, beside the draws that fill_grid writes.
struct TableColumn {
    int index = 0;      // grid column
    std::string header; // row 0
    int width = 0;      // column width in pixels; 0 leaves the width as it is
    // Cell i is the cell of grid row i + 1 (draw index i); rows past the end are not touched.
    std::shared_ptr<const CellColumn> cells;
    int clearRows = 0; // rows 1..clearRows are emptied before the cells are written

    std::size_t Rows() const { return cells ? cells->Count() : 0; }
    std::string Cell(std::size_t i) const { return cells ? cells->Cell(i) : std::string(); }
    // Every cell written out.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out(Rows());
        for (std::size_t i = 0; i < out.size(); ++i) cells->Write(i, out[i]);
        return out;
    }
};

struct TableColumns {
    int colCount = 15; // the grid's column count after the hand-over
    std::vector<TableColumn> columns;
    // Widths set after the columns, leaving those columns' cells as they are.
    struct Width {
        int index;
        int width;
    };
    std::vector<Width> widths;
};

// What the column shows in rows 1..: its cells, then empty cells up to clearRows; none when it
// neither clears nor writes.
std::shared_ptr<const CellColumn> ClearedColumn(const TableColumn& column);

// A command that shows its result in the table window.
struct TableResult {
    std::string caption;
    TableColumns table;
};

} // namespace core
