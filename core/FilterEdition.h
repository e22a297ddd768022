#pragma once

#include "core/BiText.h"

namespace core {

// How Filter Any, Show and the per-draw charts of Period and Combinations differ between the
// editions.
struct FilterRules {
    int anyColCount; // the table's column count after Filter Any
    BiText anyCaption;
    int showWidth; // the table window's width for Show; 0 leaves it
    // Period, Combinations and the table's column chart hand every draw's value to the chart
    // window as a paged series; otherwise the chart keeps the draws numbered 1..100.
    bool pagedSeries;
};

inline constexpr FilterRules FilterRules6x45{
    .anyColCount = 23,
    .anyCaption = {"Фильтр Any и фильтр позиций Pos", "Filter Any and Var position"},
    .showWidth = 0,
    .pagedSeries = false,
};

inline constexpr FilterRules FilterRules5x36{
    .anyColCount = 19,
    .anyCaption = {"Any positiion", "Any positiion"},
    .showWidth = 640,
    .pagedSeries = true,
};

} // namespace core
