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
    {"Число троек", "Number of triples"},
    {"Тройки        Тиражи", "Triples        Draws"},
    {"Number ", "Number "},
    {"Pairs total: ", "Pairs total: "},
    {" Hits: ", " Hits: "},
    {"Числа в парах", "Pairing with"},
    6,
    "Minimum Number for matches",
    "Enter a number (3,4, or 5)",
    true,
};

inline constexpr PairRules PairRules5x36{
    {"Поиск троек в тиражах", "Number of triples"},
    {"Тройки     Тиражи", "Triples        Draws"},
    {"Номер ", "Number "},
    {"Пар всего: ", "Pairs total: "},
    {"Выпадений: ", " Hits: "},
    {"Выпадение в парах", "Pairing with"},
    5,
    "Number for matches",
    "Enter a number (2,3, or 4)",
    false,
};

} // namespace core
