#pragma once

#include "platform/StringGrid.h"

#include <benchmark/benchmark.h>

namespace bench_support {

// The cells one screen of the table shows (its first 30 rows, every column), written as a
// paint writes them.
inline void WriteScreen(const platform::TStringGrid& grid, int rows = 30) {
    for (int row = 1; row <= rows && row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col) {
            std::string cell = grid.Cells(col, row);
            benchmark::DoNotOptimize(cell);
        }
}

} // namespace bench_support
