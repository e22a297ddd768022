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

inline constexpr TableWindowEdition TableWindow6x45{650,   false, true, false,
                                                    false, 32,    392,  core::TableRules6x45};
inline constexpr TableWindowEdition TableWindow5x36{500,  true, false, true,
                                                    true, 25,   304,   core::TableRules5x36};
