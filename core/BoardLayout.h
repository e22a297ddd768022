#pragma once

#include <string>
#include <vector>

namespace core {

// The squares of the ticket picture for a row width (numbers per row).
struct BoardGeometry {
    int size;     // side of a square, pixels
    int step;     // distance between the corners of neighbouring squares, pixels
    int fontSize; // points
};

// What the editions' boards differ in: the widest row the up-down allows, the squares of the
// narrowest boards (p < 3) and whether rows wider than 18 exist.
struct BoardRules {
    int maxPerRow;
    BoardGeometry narrow;
    bool overlapAbove18; // 14/13/6 from 19 per row on
};

inline constexpr BoardRules Board6x45{
    .maxPerRow = 23,
    .narrow = {.size = 15, .step = 16, .fontSize = 7},
    .overlapAbove18 = true,
};
inline constexpr BoardRules Board5x36{
    .maxPerRow = 18,
    .narrow = {.size = 15, .step = 20, .fontSize = 7},
    .overlapAbove18 = false,
};

// Later rules override earlier ones, so the narrowest boards (p < 3) get the small squares
// again; from p = 19 on the squares overlap their neighbours by one pixel.
BoardGeometry BoardCellGeometry(int perRow, const BoardRules& rules);

// pool div perRow + 1: the last row may be empty and is then left undrawn.
int BoardRows(int perRow, int pool);

struct BoardCell {
    int number;
    int x, y; // top-left corner on the board bitmap
};

// Every number of the pool with the corner of its square, in drawing order.
std::vector<BoardCell> BoardCells(int perRow, int pool, const BoardRules& rules);

// The text in a square: one-digit numbers get a leading blank so they stand centred.
std::string BoardLabel(int number);

} // namespace core
