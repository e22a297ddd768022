#include "core/Map2.h"

#include <algorithm>

namespace core {

Map2Grid::Map2Grid(const DrawStore& store, const Game& game)
    : drawCount_(std::clamp(store.DrawCount, 0, MaxDraws)), pool_(game.pool),
      presence_(drawCount_, 0) {
    for (int i = 0; i < drawCount_; ++i)
        for (int k = 0; k < game.perDraw; ++k) {
            const int n = store[i][k];
            if (n >= 1 && n <= pool_ && n < 64) presence_[i] |= std::uint64_t{1} << n;
        }
}

bool Map2Grid::Drawn(int col, int row) const {
    if (col < 1 || col > drawCount_ || row < 1 || row > pool_) return false;
    return (presence_[col - 1] >> row) & 1;
}

std::string Map2Grid::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
    if (row == 0) return col == 0 ? std::string() : "  " + std::to_string(drawCount_ - col + 1);
    if (col == 0) return std::to_string(row);
    return Drawn(col, row) ? "1" : "";
}

Map2Marks::Map2Marks(const Map2Grid& grid) : rows_(grid.RowCount(), 0), cols_(grid.ColCount(), 0) {}

bool Map2Marks::Click(int col, int row) {
    if (col == 0 && row > 0 && row < static_cast<int>(rows_.size())) {
        rows_[row] ^= 1;
        return true;
    }
    if (row == 0 && col > 0 && col < static_cast<int>(cols_.size())) {
        cols_[col] ^= 1;
        return true;
    }
    return false;
}

void Map2Marks::Clear() {
    std::fill(rows_.begin(), rows_.end(), 0);
    std::fill(cols_.begin(), cols_.end(), 0);
}

Map2Fill Map2Marks::Fill(const Map2Grid& grid, int col, int row) const {
    if (row > 0 && col > 0 && grid.Drawn(col, row)) return Map2Fill::Drawn;
    if (row > 0 && col > 0 && (RowMarked(row) || ColMarked(col))) return Map2Fill::Marked;
    if (row == 0 && col > 0) return Map2Fill::Header;
    return Map2Fill::None;
}

} // namespace core
