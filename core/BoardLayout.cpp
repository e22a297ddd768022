#include "core/BoardLayout.h"

#include <algorithm>

namespace core {

BoardGeometry BoardCellGeometry(int p, const BoardRules& rules) {
    BoardGeometry g{20, 25, 10};
    if (p > 12) g = {15, 20, 7};
    if (p > 15) g = {15, 17, 7};
    if (p > 18 && rules.overlapAbove18) g = {14, 13, 6};
    if (p < 3) g = rules.narrow;
    return g;
}

int BoardRows(int perRow, int pool) {
    return pool / std::max(perRow, 1) + 1;
}

std::vector<BoardCell> BoardCells(int perRow, int pool, const BoardRules& rules) {
    const int p = std::max(perRow, 1);
    const BoardGeometry g = BoardCellGeometry(p, rules);
    const int rows = BoardRows(p, pool);
    std::vector<BoardCell> cells;
    cells.reserve(static_cast<std::size_t>(std::max(pool, 0)));
    int y = 20;
    for (int r = 1; r <= rows; ++r) {
        int x = 0;
        for (int j = 1; j <= p; ++j) {
            if (r == rows && j > pool - (rows - 1) * p) break;
            x += g.step;
            cells.push_back({(r - 1) * p + j, x, y});
        }
        y += g.step;
    }
    return cells;
}

std::string BoardLabel(int number) {
    return number < 10 ? " " + std::to_string(number) : std::to_string(number);
}

} // namespace core
