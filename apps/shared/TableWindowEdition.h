#pragma once

#include "core/TableMarking.h"

// What sets one edition's table window apart.
struct TableWindowEdition {
    int width;           // at creation
    bool skinFixedColor; // fixed cells in the skin's StartColor instead of $C0C0C0
    bool unlimitedMode;  // the Unlimited box sets UnlimitedMode; otherwise the trace reads the box
    bool separationBox;  // the Separation box and its marking
    bool pagedChart;     // the column chart as a paged series of every draw
    int gridTop;         // where the grid starts
    int numberBoxX;      // CheckBox_number; the combo box 80 pixels to its right
    core::TableRules rules;
};

inline constexpr TableWindowEdition TableWindow6x45{
    .width = 650,
    .skinFixedColor = false,
    .unlimitedMode = true,
    .separationBox = false,
    .pagedChart = false,
    .gridTop = 32,
    .numberBoxX = 392,
    .rules = core::TableRules6x45,
};
inline constexpr TableWindowEdition TableWindow5x36{
    .width = 500,
    .skinFixedColor = true,
    .unlimitedMode = false,
    .separationBox = true,
    .pagedChart = true,
    .gridTop = 25,
    .numberBoxX = 304,
    .rules = core::TableRules5x36,
};
