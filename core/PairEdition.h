#pragma once

#include "core/BiText.h"
#include "core/Sentence.h"

namespace core {

// How Triples, Numbers, Stats duples and Period differ between the editions.
struct PairRules {
    BiText triplesCaption; // input box
    BiText triplesHeader;
    Sentence numbersHeading; // %1: the number
    Sentence pairsLine;      // %1: its pairs, %2: its draws, %3: their percentage
    BiText numbersCaption;
    int duplesMaxLevel; // an answer above it gives 3
    const char* periodCaption;
    const char* periodPrompt;
    bool periodPadded; // distances zero-padded to the width of DrawCount
};

inline constexpr PairRules PairRules6x45{
    .triplesCaption = {"Число троек", "Number of triples"},
    .triplesHeader = {"Тройки        Тиражи", "Triples        Draws"},
    .numbersHeading = {"Number %1:", "Number %1:"},
    .pairsLine = {"Pairs total: %1   Hits: %2 (%3%)  ", "Pairs total: %1   Hits: %2 (%3%)  "},
    .numbersCaption = {"Числа в парах", "Pairing with"},
    .duplesMaxLevel = 6,
    .periodCaption = "Minimum Number for matches",
    .periodPrompt = "Enter a number (3,4, or 5)",
    .periodPadded = true,
};

inline constexpr PairRules PairRules5x36{
    .triplesCaption = {"Поиск троек в тиражах", "Number of triples"},
    .triplesHeader = {"Тройки     Тиражи", "Triples        Draws"},
    .numbersHeading = {"Номер %1:", "Number %1:"},
    .pairsLine = {"Пар всего: %1  Выпадений: %2 (%3%)  ", "Pairs total: %1   Hits: %2 (%3%)  "},
    .numbersCaption = {"Выпадение в парах", "Pairing with"},
    .duplesMaxLevel = 5,
    .periodCaption = "Number for matches",
    .periodPrompt = "Enter a number (2,3, or 4)",
    .periodPadded = false,
};

} // namespace core
