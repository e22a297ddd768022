#pragma once

#include "core/BiText.h"

namespace core {

// How Skip strategy and Frequency strategy differ between the editions.
struct StrategyRules {
    BiText skipCaption;      // input box
    BiText skipPromptBefore; // the prompt: before DrawCount ...
    BiText skipPromptAfter;  // ... and after it
    BiText numberHeading;
    BiText sorted;
    BiText skipMedian;
    BiText summary;
    BiText average;
    BiText probability50;
    BiText probability75;
    BiText summaryHeading;
    // The ranking cut into the most (G1), middle (G2) and least (G3) frequent numbers.
    int g1, g2, g3;
    // Column before G1..G3 emptied and given this width with them; 0: columns untouched.
    int groupColumnWidth;
    // The oldest draw's G cells emptied (they have no draws before them).
    bool emptiesOldestRow;
};

inline constexpr StrategyRules StrategyRules6x45{
    {"Пропуски в последних розыгрышах", "Skips in last draws"},
    {"Введите число последних розыгрышей [1..", "Enter number of last draws 1.."},
    {"]", ""},
    {"Number ", "Number "},
    {"Sorted:", "Sorted:"},
    {"Skip Median: ", "Skip Median: "},
    {"Summary: ", "Summary: "},
    {"Average: ", "Average: "},
    {"probability median of FFG for 50% = log(1-0.5) / log(1-BALLS/BALLS_FROM) = 4.84 =~ 5",
     "probability median of FFG for 50% = log(1-0.5) / log(1-BALLS/BALLS_FROM) = 4.84 =~ 5"},
    {"probability median of FFG for 75% = log(1-0.75) / log(1 -BALLS/BALLS_FROM) = 9.68 =~10",
     "probability median of FFG for 75% = log(1-0.75) / log(1 -BALLS/BALLS_FROM) = 9.68 =~10"},
    {"Number/Last Skip/Skip Median:", "Number/Last Skip/Skip Median:"},
    6,
    16,
    23,
    0,
    false,
};

inline constexpr StrategyRules StrategyRules5x36{
    {"Пропуски в последних тиражах", "Skip in last draws"},
    {"Введите число последних тиражей, 1..", "Enter number of last draws 1.."},
    {"", ""},
    {"Номер ", "Number "},
    {"Сортированно:", "Sorted:"},
    {"Медиана пропусков: ", "Skip Median: "},
    {"Сумма всех пропусков: ", "Summary: "},
    {"Среднее значение: ", "Average: "},
    {"Медиана вероятности по FFG для  50% = log(1-0.5) / log(1-5/36) = 4.63 =~ 5",
     "probability median of FFG for 50% = log(1-0.5) / log(1-5/36) = 4.63 =~ 5"},
    {"Медиана вероятности по FFG для  75% = log(1-0.75) / log(1-5/36) = 9.27 =~10",
     "probability median of FFG for 75% = log(1-0.75) / log(1-5/36) = 9.27 =~10"},
    {"Номер/Последний пропуск/Медиана пропусков", "Number/Last Skip/Skip Median:"},
    5,
    13,
    18,
    20,
    true,
};

} // namespace core
