#pragma once

#include "core/BiText.h"

#include <QRect>

// What sets one edition's utilities window apart: layout, the tools it has, and the texts
// that differ.
struct UtilsEdition {
    int height;
    bool findCombinations; // the combination-by-rank box
    bool highlighter;      // the button that opens the HighLighter
    int memoHeightGap;     // the memo is the window height less this
    QRect remove, combine, highlighterButton;
    bool toolsOnWindow; // export and shuffle buttons sit on the window, not in their boxes
    QRect exportButton, shuffleButton, openBinary;
    int startWidth, generateLeft, generateWidth;
    bool setSaveFolder;
    core::BiText reverse;
    core::BiText openBinaryCaption;
    core::BiText merge;
    core::BiText nonlinearBox;
    core::BiText shuffleBox;
    core::BiText start;
    core::BiText stop;
    core::BiText reversedLines;
    core::BiText binaryCaption;
    bool exportInEnglish; // the export's prompt and final message
};

inline const UtilsEdition Utils6x45{
    664,
    true,
    false,
    360,
    QRect(8, 120, 185, 25),
    QRect(208, 120, 185, 25),
    QRect(),
    false,
    QRect(8, 20, 121, 25),
    QRect(8, 20, 105, 25),
    // Below the array tools, where the Russian caption has room; it lists into the text window.
    QRect(8, 176, 185, 25),
    105,
    120,
    121,
    true,
    {"Реверс", "Reverse"},
    {"Открыть бинарный файл", "Open binary file"},
    {"В один файл", "Merge"},
    {"Нелинейный генератор случайных чисел", "Nonlinear Random Generator"},
    {"Перемешать строку с числами", "Shuffle string"},
    {"Старт", "Start"},
    {"Стоп", "Stop"},
    {"Lines in reversed order", "Lines in reversed order"},
    {"Двоичный файл в текстовом формате", "Binary to text"},
    false,
};

inline const UtilsEdition Utils5x36{
    572,
    false,
    true,
    370,
    QRect(8, 120, 161, 25),
    QRect(176, 120, 161, 25),
    QRect(8, 168, 75, 25),
    true,
    QRect(16, 240, 121, 25),
    QRect(336, 424, 105, 25),
    QRect(184, 512, 153, 20),
    89,
    120,
    89,
    false,
    {"Перевернуть", "Reverse"},
    {"Открыть двоичный файл", "Open binary file"},
    {"Объединить", "Merge"},
    {"Нелинейный Генератор случайных чисел", "Nonlinear Random Generator"},
    {"Перемешать числа в строке", "Shuffle string"},
    {"Start", "Start"},
    {"Stop", "Stop"},
    {"Строки в обратном проядке", "Lines in reversed order"},
    {"Binary to text", "Binary to text"},
    true,
};
