#pragma once

#include "core/BiText.h"
#include "core/CellColumn.h"
#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Game.h"

#include <memory>
#include <span>
#include <vector>

namespace core {

// The columns of draws the grids show, made from a copy of the draws so a grid never reads a
// store that has changed under it. Cell i is record i (grid row i + 1).

// DrawCount - i: the draw number when the file gives none.
std::shared_ptr<const CellColumn> DrawNumberColumn(const DrawStore& store);
// The number at position p of each draw.
std::shared_ptr<const CellColumn> PositionColumn(const DrawStore& store, int p);

// What one main-grid row is written from: record index, its label when the file gives one.
struct MainGridRecord {
    const DrawStore& store;
    int index;
    const Game& game;
    const DrawLabel* label;
};

// What a main-grid column's cells hold; the column chart and the main window's selected row
// read the grid by it.
enum class GridCell {
    DrawNumber, // the draw number, as the file wrote it or DrawCount - index
    Date,       // as the file wrote it: not a figure, so it does not chart
    Number,     // the draw's number at `position`
    Figure,     // worked out from the draw: span, average, difference, counts, sum
};

// One column of the main grid: where it sits, its header, its widths and what its cells show.
// The columns a table leaves out stay empty.
struct MainGridColumn {
    // The width of the label column, which each edition gives.
    static constexpr int EditionWidth = -1;

    int index;
    BiText header;    // the English one until the first language switch
    int width;        // 0: the grid's default
    int widthRussian; // after a switch to Russian; 0: a switch leaves the width alone
    GridCell cell;
    void (*write)(const MainGridRecord& record, int position, std::string& out);
    int position = 0;   // of the number or the difference a column shows
    int minPerDraw = 0; // an edition with fewer numbers per draw has no such column

    bool ShownFor(const Game& game) const { return game.perDraw >= minPerDraw; }
    // The width after a switch to lang, when a switch sets it.
    int WidthIn(Lang lang) const { return lang == Lang::Russian ? widthRussian : width; }
};

// Every column any edition's main grid shows, in grid order; an edition shows those ShownFor it.
std::span<const MainGridColumn> MainGridTable();

// Whether column col of a main grid laid out by the table charts for the game: a column the
// table shows for it, holding figures. The date does not, nor do the empty columns between the
// groups, which have no row in the table.
bool ChartsColumn(std::span<const MainGridColumn> table, int col, const Game& game);

// Where a draw's numbers stand in such a grid: the column of each position, the first first.
std::vector<int> NumberColumns(std::span<const MainGridColumn> table, const Game& game);

// Cell `col` of the main grid row showing record index (see MainGridRow).
void WriteMainGridCell(const DrawStore& store, int index, const Game& game, const DrawLabel* label,
                       int col, std::string& out);

// The main grid's MainGridColumns columns over a copy of the draws and their labels.
std::vector<std::shared_ptr<const CellColumn>>
MainGridSources(const DrawStore& store, const Game& game, const std::vector<DrawLabel>& labels);

} // namespace core
