#pragma once

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/Sentence.h"

namespace core {

// The texts of Statistics, Delta, Average, Cold numbers, Frequency and the positional
// frequency, and the one rule in which the editions differ: how Frequency reads its answer.
struct FrequencyTexts {
    Sentence statisticsCaption; // %1: the draws counted
    BiText coldCaption;
    BiText coldSortedTitle;
    BiText coldChartHeader;
    BiText frequencyPromptCaption;
    Sentence frequencyPrompt; // %1: DrawCount
    LastNVariant frequencyAnswer;
    BiText frequencySortedTitle;
    Sentence frequencyCaption; // %1: the draws counted
    BiText frequencyChartHeader;
    Sentence positionsTitle;   // %1: the position
    Sentence positionsCaption; // %1: the draws counted
};

inline constexpr FrequencyTexts FrequencyTexts6x45{
    .statisticsCaption = {"Стстистика: Самые частовыпадающие номера в последних %1 games",
                          "Statistics - Most Frequently Numbers for last %1 games"},
    .coldCaption = {"Холодные номера - сколько тиражей назад номер выпадал последний раз",
                    "Cold Numbers - How many draws since a number last occurred"},
    .coldSortedTitle = {"Number/Last Hit Sorted:", "Number/Last Hit Sorted:"},
    .coldChartHeader = {"Сколько тиражей назад номер выпадал последний раз",
                        "How many draws since a number last occurred"},
    .frequencyPromptCaption = {"Количиство выпадений в последних тиражах",
                               "Amount of numbers appearance in last draws"},
    .frequencyPrompt = {"Введите число последних тиражей [1..%1]",
                        "Enter number of last draws 1..%1"},
    .frequencyAnswer = LastNVariant::Standard,
    .frequencySortedTitle = {"Number/Occurence:", "Number/Occurence:"},
    .frequencyCaption = {"Число выпадений в последних %1 тиражах - Как часто выпадал каждый шар",
                         "Amount of number appearance in last %1 draws - How often each number "
                         "has occurred"},
    .frequencyChartHeader = {"Как часто выпадал каждый шар", "How often each number has occurred"},
    .positionsTitle = {"Number/Occurence for position A%1:", "Number/Occurence for position A%1:"},
    .positionsCaption = {"Число выпадений в последних %1 тиражах - Как часто выпадал каждый шар "
                         "позиционно,  A1..A6",
                         "Amount of number appearance in last %1 draws - How often each number "
                         "has occurred by positions A1..A6"},
};

inline constexpr FrequencyTexts FrequencyTexts5x36{
    .statisticsCaption = {"Статистика: Самые частовыпадающие номера в последних %1 тиражах",
                          "Statistics - Most Frequently Numbers for last %1 games"},
    .coldCaption = {"Холодные номера - количество тиражей, прошедших после последнего выпадения",
                    "Cold Numbers - How many draws since a number last occurred"},
    .coldSortedTitle = {"Номер/Последнее выпадение (сортировано по убыванию):",
                        "Number/Last Hit Sorted:"},
    .coldChartHeader = {"Сколько тиражей прошло с момента последнего выпадения номера.",
                        "How many draws since a number last occurred"},
    .frequencyPromptCaption = {"Частота появления номеров в последних тиражах",
                               "Amount of numbers appearance in last draws"},
    .frequencyPrompt = {"Введите число последних тиражей, 1..%1",
                        "Enter number of last draws 1..%1"},
    .frequencyAnswer = LastNVariant::StandardFromZero,
    .frequencySortedTitle = {"Номер/Частота появления:", "Number/Occurence:"},
    .frequencyCaption = {"Частота появления номеров в последних %1 тиражах - Как часто выпадал "
                         "каждый номер",
                         "Amount of number appearance in last %1 draws - How often each number "
                         "has occurred"},
    .frequencyChartHeader = {"Как часто выпадал каждый номер",
                             "How often each number has occurred"},
    .positionsTitle = {"Номер/Частота появления на позиции A%1:",
                       "Number/Occurence for position A%1:"},
    // The positional captions are the other edition's, "A1..A6" included.
    .positionsCaption = {"Число выпадений в последних %1 тиражах - Как часто выпадал каждый шар "
                         "позиционно,  A1..A6",
                         "Amount of number appearance in last %1 draws - How often each number "
                         "has occurred by positions A1..A6"},
};

} // namespace core
