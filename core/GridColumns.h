#pragma once

#include "core/CellColumn.h"
#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Game.h"

#include <memory>
#include <vector>

namespace core {

// The columns of draws the grids show, made from a copy of the draws so a grid never reads a
// store that has changed under it. Cell i is record i (grid row i + 1).

// DrawCount - i: the draw number when the file gives none.
std::shared_ptr<const CellColumn> DrawNumberColumn(const DrawStore& store);
// The number at position p of each draw.
std::shared_ptr<const CellColumn> PositionColumn(const DrawStore& store, int p);

// Cell `col` of the main grid row showing record index (see MainGridRow).
void WriteMainGridCell(const DrawStore& store, int index, const Game& game, const DrawLabel* label,
                       int col, std::string& out);

// The main grid's MainGridColumns columns over a copy of the draws and their labels.
std::vector<std::shared_ptr<const CellColumn>>
MainGridSources(const DrawStore& store, const Game& game, const std::vector<DrawLabel>& labels);

} // namespace core
