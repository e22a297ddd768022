#pragma once

#include "core/BiText.h"
#include "core/NumberRoutines.h"

namespace core {

// The texts of Statistics, Delta, Average, Cold numbers, Frequency and the positional
// frequency, and the one rule in which the editions differ: how Frequency reads its answer.
struct FrequencyTexts {
    BiText statisticsCaption; // + N + statisticsCaptionEnd
    BiText statisticsCaptionEnd;
    BiText coldCaption;
    BiText coldSortedTitle;
    BiText coldChartHeader;
    BiText frequencyPromptCaption;
    BiText frequencyPrompt; // + DrawCount + frequencyPromptEnd
    BiText frequencyPromptEnd;
    LastNVariant frequencyAnswer;
    BiText frequencySortedTitle;
    BiText frequencyCaption; // + N + frequencyCaptionEnd
    BiText frequencyCaptionEnd;
    BiText frequencyChartHeader;
    BiText positionsTitle;   // + p + ":"
    BiText positionsCaption; // + N + positionsCaptionEnd
    BiText positionsCaptionEnd;
};

inline constexpr FrequencyTexts FrequencyTexts6x45{
    .statisticsCaption = {"Стстистика: Самые частовыпадающие номера в последних ",
                          "Statistics - Most Frequently Numbers for last "},
    .statisticsCaptionEnd = {" games", " games"},
    .coldCaption = {"Холодные номера - сколько тиражей назад номер выпадал последний раз",
                    "Cold Numbers - How many draws since a number last occurred"},
    .coldSortedTitle = {"Number/Last Hit Sorted:", "Number/Last Hit Sorted:"},
    .coldChartHeader = {"Сколько тиражей назад номер выпадал последний раз",
                        "How many draws since a number last occurred"},
    .frequencyPromptCaption = {"Количиство выпадений в последних тиражах",
                               "Amount of numbers appearance in last draws"},
    .frequencyPrompt = {"Введите число последних тиражей [1..", "Enter number of last draws 1.."},
    .frequencyPromptEnd = {"]", ""},
    .frequencyAnswer = LastNVariant::Standard,
    .frequencySortedTitle = {"Number/Occurence:", "Number/Occurence:"},
    .frequencyCaption = {"Число выпадений в последних ", "Amount of number appearance in last "},
    .frequencyCaptionEnd = {" тиражах - Как часто выпадал каждый шар",
                            " draws - How often each number has occurred"},
    .frequencyChartHeader = {"Как часто выпадал каждый шар", "How often each number has occurred"},
    .positionsTitle = {"Number/Occurence for position A", "Number/Occurence for position A"},
    .positionsCaption = {"Число выпадений в последних ", "Amount of number appearance in last "},
    .positionsCaptionEnd = {" тиражах - Как часто выпадал каждый шар позиционно,  A1..A6",
                            " draws - How often each number has occurred by positions A1..A6"},
};

inline constexpr FrequencyTexts FrequencyTexts5x36{
    .statisticsCaption = {"Статистика: Самые частовыпадающие номера в последних ",
                          "Statistics - Most Frequently Numbers for last "},
    .statisticsCaptionEnd = {" тиражах", " games"},
    .coldCaption = {"Холодные номера - количество тиражей, прошедших после последнего выпадения",
                    "Cold Numbers - How many draws since a number last occurred"},
    .coldSortedTitle = {"Номер/Последнее выпадение (сортировано по убыванию):",
                        "Number/Last Hit Sorted:"},
    .coldChartHeader = {"Сколько тиражей прошло с момента последнего выпадения номера.",
                        "How many draws since a number last occurred"},
    .frequencyPromptCaption = {"Частота появления номеров в последних тиражах",
                               "Amount of numbers appearance in last draws"},
    .frequencyPrompt = {"Введите число последних тиражей, 1..", "Enter number of last draws 1.."},
    .frequencyPromptEnd = {"", ""},
    .frequencyAnswer = LastNVariant::StandardFromZero,
    .frequencySortedTitle = {"Номер/Частота появления:", "Number/Occurence:"},
    .frequencyCaption = {"Частота появления номеров в последних ",
                         "Amount of number appearance in last "},
    .frequencyCaptionEnd = {" тиражах - Как часто выпадал каждый номер",
                            " draws - How often each number has occurred"},
    .frequencyChartHeader = {"Как часто выпадал каждый номер",
                             "How often each number has occurred"},
    .positionsTitle = {"Номер/Частота появления на позиции A", "Number/Occurence for position A"},
    // The positional captions are the other edition's, "A1..A6" included.
    .positionsCaption = {"Число выпадений в последних ", "Amount of number appearance in last "},
    .positionsCaptionEnd = {" тиражах - Как часто выпадал каждый шар позиционно,  A1..A6",
                            " draws - How often each number has occurred by positions A1..A6"},
};

} // namespace core
