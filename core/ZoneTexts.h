#pragma once

#include "core/BiText.h"

namespace core {

// The Zones prompt of an edition, and the table columns Final sums empties before it writes,
// so that nothing another command of the edition left there remains.
struct ZoneTexts {
    BiText promptCaption;
    BiText prompt;
    int clearedColumns[2];
    int clearedCount;
};

inline constexpr ZoneTexts ZoneTexts6x45{
    .promptCaption = {"Число зон", "Number of zone"},
    .prompt = {"Введите число зон:", "Enter zone count"},
    .clearedColumns = {0, 0},
    .clearedCount = 0,
};

inline constexpr ZoneTexts ZoneTexts5x36{
    .promptCaption = {"Разбиение чисел по зонам", "Number of zone"},
    .prompt = {"Введите число зон", "Enter zone count"},
    .clearedColumns = {14, 8},
    .clearedCount = 2,
};

} // namespace core
