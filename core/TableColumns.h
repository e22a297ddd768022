#pragma once

#include <string>
#include <vector>

namespace core {

// The columns a command adds to the table window, beside the draws that fill_grid writes.
struct TableColumn {
    int index = 0;      // grid column
    std::string header; // row 0
    int width = 0;      // column width in pixels; 0 leaves the width as it is
    // cells[i] is the cell of grid row i + 1 (draw index i); rows past the end are not touched.
    std::vector<std::string> cells;
    int clearRows = 0; // rows 1..clearRows are emptied before the cells are written
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

// A command that shows its result in the table window.
struct TableResult {
    std::string caption;
    TableColumns table;
};

} // namespace core
