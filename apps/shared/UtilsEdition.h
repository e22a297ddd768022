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
    .height = 664,
    .findCombinations = true,
    .highlighter = false,
    .memoHeightGap = 360,
    .remove = QRect(8, 120, 185, 25),
    .combine = QRect(208, 120, 185, 25),
    .highlighterButton = QRect(),
    .toolsOnWindow = false,
    .exportButton = QRect(8, 20, 121, 25),
    .shuffleButton = QRect(8, 20, 105, 25),
    // Below the array tools, where the Russian caption has room; it lists into the text window.
    .openBinary = QRect(8, 176, 185, 25),
    .startWidth = 105,
    .generateLeft = 120,
    .generateWidth = 121,
    .setSaveFolder = true,
    .reverse = {"Реверс", "Reverse"},
    .openBinaryCaption = {"Открыть бинарный файл", "Open binary file"},
    .merge = {"В один файл", "Merge"},
    .nonlinearBox = {"Нелинейный генератор случайных чисел", "Nonlinear Random Generator"},
    .shuffleBox = {"Перемешать строку с числами", "Shuffle string"},
    .start = {"Старт", "Start"},
    .stop = {"Стоп", "Stop"},
    .reversedLines = {"Lines in reversed order", "Lines in reversed order"},
    .binaryCaption = {"Двоичный файл в текстовом формате", "Binary to text"},
    .exportInEnglish = false,
};

inline const UtilsEdition Utils5x36{
    .height = 572,
    .findCombinations = false,
    .highlighter = true,
    .memoHeightGap = 370,
    .remove = QRect(8, 120, 161, 25),
    .combine = QRect(176, 120, 161, 25),
    .highlighterButton = QRect(8, 168, 75, 25),
    .toolsOnWindow = true,
    .exportButton = QRect(16, 240, 121, 25),
    .shuffleButton = QRect(336, 424, 105, 25),
    .openBinary = QRect(184, 512, 153, 20),
    .startWidth = 89,
    .generateLeft = 120,
    .generateWidth = 89,
    .setSaveFolder = false,
    .reverse = {"Перевернуть", "Reverse"},
    .openBinaryCaption = {"Открыть двоичный файл", "Open binary file"},
    .merge = {"Объединить", "Merge"},
    .nonlinearBox = {"Нелинейный Генератор случайных чисел", "Nonlinear Random Generator"},
    .shuffleBox = {"Перемешать числа в строке", "Shuffle string"},
    .start = {"Start", "Start"},
    .stop = {"Stop", "Stop"},
    .reversedLines = {"Строки в обратном проядке", "Lines in reversed order"},
    .binaryCaption = {"Binary to text", "Binary to text"},
    .exportInEnglish = true,
};
