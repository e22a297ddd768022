#pragma once

#include "core/BiText.h"
#include "core/Sentence.h"

namespace core {

// How Skip strategy and Frequency strategy differ between the editions.
struct StrategyRules {
    BiText skipCaption;     // input box
    Sentence skipPrompt;    // %1: DrawCount
    Sentence numberHeading; // %1: the number
    BiText sorted;
    Sentence skipFigures; // %1: the median, %2: the sum, %3: the average
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
    .skipCaption = {"Пропуски в последних розыгрышах", "Skips in last draws"},
    .skipPrompt = {"Введите число последних розыгрышей [1..%1]",
                   "Enter number of last draws 1..%1"},
    .numberHeading = {"Number %1:", "Number %1:"},
    .sorted = {"Sorted:", "Sorted:"},
    .skipFigures = {"Skip Median: %1        Summary: %2        Average: %3",
                    "Skip Median: %1        Summary: %2        Average: %3"},
    .probability50 =
        {"probability median of FFG for 50% = log(1-0.5) / log(1-BALLS/BALLS_FROM) = 4.84 =~ 5",
         "probability median of FFG for 50% = log(1-0.5) / log(1-BALLS/BALLS_FROM) = 4.84 =~ 5"},
    .probability75 =
        {"probability median of FFG for 75% = log(1-0.75) / log(1 -BALLS/BALLS_FROM) = 9.68 =~10",
         "probability median of FFG for 75% = log(1-0.75) / log(1 -BALLS/BALLS_FROM) = 9.68 =~10"},
    .summaryHeading = {"Number/Last Skip/Skip Median:", "Number/Last Skip/Skip Median:"},
    .g1 = 6,
    .g2 = 16,
    .g3 = 23,
    .groupColumnWidth = 0,
    .emptiesOldestRow = false,
};

inline constexpr StrategyRules StrategyRules5x36{
    .skipCaption = {"Пропуски в последних тиражах", "Skip in last draws"},
    .skipPrompt = {"Введите число последних тиражей, 1..%1", "Enter number of last draws 1..%1"},
    .numberHeading = {"Номер %1:", "Number %1:"},
    .sorted = {"Сортированно:", "Sorted:"},
    .skipFigures = {"Медиана пропусков: %1        Сумма всех пропусков: %2        Среднее "
                    "значение: %3",
                    "Skip Median: %1        Summary: %2        Average: %3"},
    .probability50 = {"Медиана вероятности по FFG для  50% = log(1-0.5) / log(1-5/36) = 4.63 =~ 5",
                      "probability median of FFG for 50% = log(1-0.5) / log(1-5/36) = 4.63 =~ 5"},
    .probability75 = {"Медиана вероятности по FFG для  75% = log(1-0.75) / log(1-5/36) = 9.27 =~10",
                      "probability median of FFG for 75% = log(1-0.75) / log(1-5/36) = 9.27 =~10"},
    .summaryHeading = {"Номер/Последний пропуск/Медиана пропусков",
                       "Number/Last Skip/Skip Median:"},
    .g1 = 5,
    .g2 = 13,
    .g3 = 18,
    .groupColumnWidth = 20,
    .emptiesOldestRow = true,
};

} // namespace core
