#pragma once

#include "core/BiText.h"

namespace core {

// How Triples, Numbers, Stats duples and Period differ between the editions.
struct PairRules {
    BiText triplesCaption; // input box
    BiText triplesHeader;
    BiText numbersHeading; // before the number
    BiText pairsTotal;
    BiText hits;
    BiText numbersCaption;
    int duplesMaxLevel; // an answer above it gives 3
    const char* periodCaption;
    const char* periodPrompt;
    bool periodPadded; // distances zero-padded to the width of DrawCount
};

inline constexpr PairRules PairRules6x45{
    .triplesCaption = {"Число троек", "Number of triples"},
    .triplesHeader = {"Тройки        Тиражи", "Triples        Draws"},
    .numbersHeading = {"Number ", "Number "},
    .pairsTotal = {"Pairs total: ", "Pairs total: "},
    .hits = {" Hits: ", " Hits: "},
    .numbersCaption = {"Числа в парах", "Pairing with"},
    .duplesMaxLevel = 6,
    .periodCaption = "Minimum Number for matches",
    .periodPrompt = "Enter a number (3,4, or 5)",
    .periodPadded = true,
};

inline constexpr PairRules PairRules5x36{
    .triplesCaption = {"Поиск троек в тиражах", "Number of triples"},
    .triplesHeader = {"Тройки     Тиражи", "Triples        Draws"},
    .numbersHeading = {"Номер ", "Number "},
    .pairsTotal = {"Пар всего: ", "Pairs total: "},
    .hits = {"Выпадений: ", " Hits: "},
    .numbersCaption = {"Выпадение в парах", "Pairing with"},
    .duplesMaxLevel = 5,
    .periodCaption = "Number for matches",
    .periodPrompt = "Enter a number (2,3, or 4)",
    .periodPadded = false,
};

} // namespace core
