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
    .skipCaption = {"Пропуски в последних розыгрышах", "Skips in last draws"},
    .skipPromptBefore = {"Введите число последних розыгрышей [1..",
                         "Enter number of last draws 1.."},
    .skipPromptAfter = {"]", ""},
    .numberHeading = {"Number ", "Number "},
    .sorted = {"Sorted:", "Sorted:"},
    .skipMedian = {"Skip Median: ", "Skip Median: "},
    .summary = {"Summary: ", "Summary: "},
    .average = {"Average: ", "Average: "},
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
    .skipPromptBefore = {"Введите число последних тиражей, 1..", "Enter number of last draws 1.."},
    .skipPromptAfter = {"", ""},
    .numberHeading = {"Номер ", "Number "},
    .sorted = {"Сортированно:", "Sorted:"},
    .skipMedian = {"Медиана пропусков: ", "Skip Median: "},
    .summary = {"Сумма всех пропусков: ", "Summary: "},
    .average = {"Среднее значение: ", "Average: "},
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
