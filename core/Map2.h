#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// The number-by-draw table: row n is the number n (row 0 the header), column c the draw
// c - 1 of the store (column 1 the newest, column 0 the numbers). It copies the draws, so a
// later load does not change it.
class Map2Grid {
public:
    Map2Grid(const DrawStore& store, const Game& game);

    int ColCount() const { return drawCount_ + 1; }
    int RowCount() const { return pool_ + 1; }
    // "1" where the column's draw holds the row's number, the number in column 0, the draw
    // number after two blanks in row 0, empty elsewhere.
    std::string Cell(int col, int row) const;
    bool Drawn(int col, int row) const;

private:
    int drawCount_;
    int pool_;
    std::vector<std::uint64_t> presence_; // per draw, bit n for number n
};

// What fills a cell after the grid's own drawing, in the order the marks apply.
enum class Map2Fill { None, Header, Marked, Drawn };

// Row and column marks of the map; headers toggle them.
class Map2Marks {
public:
    explicit Map2Marks(const Map2Grid& grid);

    // A click on (col, row): a row header toggles its row, a column header its column; any
    // other cell changes nothing. True when a mark changed.
    bool Click(int col, int row);
    void Clear();
    bool RowMarked(int row) const { return rows_.at(row) != 0; }
    bool ColMarked(int col) const { return cols_.at(col) != 0; }
    Map2Fill Fill(const Map2Grid& grid, int col, int row) const;

private:
    std::vector<std::uint8_t> rows_;
    std::vector<std::uint8_t> cols_;
};

} // namespace core
