#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <array>
#include <cstdint>
#include <vector>

namespace core {

// The draw map's byte table: row i is draw i of the store, column c the number c + 1;
// 1 where the number was drawn.
class DrawMapTable {
public:
    static constexpr int Rows = MaxDraws;
    static constexpr int Columns = 100;

    DrawMapTable() : rows_(Rows) {}

    std::uint8_t at(int row, int column) const { return rows_.at(row).at(column); }
    std::array<std::uint8_t, Columns>& row(int i) { return rows_.at(i); }
    const std::array<std::uint8_t, Columns>& row(int i) const { return rows_.at(i); }

private:
    std::vector<std::array<std::uint8_t, Columns>> rows_;
};

// Writes rows 0 .. DrawCount-1 (the rest keep what an earlier map left). A stored number
// outside 1..pool has no column and is left out.
void BuildDrawMap(const DrawStore& store, const Game& game, DrawMapTable& map);

// The Map command's text: per draw the padded draw number, ":" and one digit per number.
CommandResult MapCommand(const DrawStore& store, const Game& game, Lang lang,
                         const DrawMapTable& map);

// The most rows the map window draws.
inline constexpr int MapMaxRows = 301;

} // namespace core
