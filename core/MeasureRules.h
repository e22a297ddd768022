#pragma once

#include "core/BiText.h"

#include <optional>

namespace core {

// Texts and rules of Character, Check Sum and the main grid's column chart.
struct MeasureRules {
    BiText checkSumCaption;
    std::optional<double> characterYMax; // none: the chart only autoscales
    // Per-draw values go to the chart window as a series over every draw, which the window
    // shows a page of 100 draws at a time with numbered X labels; otherwise they are points
    // 1..100, the oldest draws.
    bool pagedCharts;
    // The column chart also refuses a column whose header is empty.
    bool refuseEmptyHeader;
};

inline constexpr MeasureRules MeasureRules6x45{
    .checkSumCaption = {"Суммы номеров в каждом тираже", "check sums"},
    .characterYMax = 1000,
    .pagedCharts = false,
    .refuseEmptyHeader = false,
};

inline constexpr MeasureRules MeasureRules5x36{
    .checkSumCaption = {"Контрольные суммы", "check sums"},
    .characterYMax = std::nullopt,
    .pagedCharts = true,
    .refuseEmptyHeader = true,
};

} // namespace core
