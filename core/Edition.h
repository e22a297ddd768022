#pragma once

#include "core/BoardLayout.h"
#include "core/DrawFile.h"
#include "core/Game.h"
#include "core/Lang.h"

namespace core {

// A text in both languages; an edition that shows it in English only gives the English twice.
struct BiText {
    const char* russian;
    const char* english;

    const char* operator()(Lang lang) const { return Tr(lang, russian, english); }
};

// Where the text window's two controls stand and how wide the window opens.
struct MemoLayout {
    int width;
    int reverseX, reverseY, reverseW, reverseH;
    int wrapX, wrapY, wrapW, wrapH;
    BiText reverse;
};

// What sets one edition apart from the other, as data: its game, its draw file, its board, its
// settings file and the texts and rule differences its windows and commands take. A command
// family that differs between the editions keeps its own table in its own header and adds one
// field here pointing at it, so commands never ask which edition they serve.
struct Edition {
    Game game;
    DrawFileRules drawFile;
    BoardRules board;
    int settingsLineCount; // 8 with login and password, 6 without
    bool versionCheck;     // the update compares the site's version file with the build date
    // Load and update messages in English whatever the language.
    bool englishFileMessages;
    BiText findCaption;
    MemoLayout memo;
    int mapStartZoom;
    int mapWindowWidth;
};

inline constexpr Edition Edition6x45{
    Game6x45,
    DrawFileRules{Game6x45},
    Board6x45,
    8,
    true,
    false,
    {"Поиск номеров в предыдущих тиражах", "Draws where selected numbers were found"},
    {710, 8, 4, 65, 17, 112, 4, 89, 17, {"Реверс", "Reverse"}},
    10,
    500,
};

inline constexpr Edition Edition5x36{
    Game5x36,
    DrawFileRules{Game5x36, LineRule::NumberDateNumbers, true},
    Board5x36,
    6,
    false,
    true,
    {"Draws where selected numbers were found", "Draws where selected numbers were found"},
    {600, 8, 3, 97, 20, 128, 5, 97, 17, {"Перевернуть", "Reverse"}},
    13,
    510,
};

} // namespace core
