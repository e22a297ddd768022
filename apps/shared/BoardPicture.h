#pragma once

#include "core/Edition.h"

#include <cstdint>

namespace platform {
class TBitmap;
}

// Draws the ticket of a draw into the main window's bitmap: the edition's pool in rows of
// perRow squares, the first `count` of numbers filled lime. Only the board's area changes.
void PaintBoard(platform::TBitmap& bitmap, const std::uint8_t* numbers, int count, int perRow,
                const core::Edition& edition);
