#pragma once

#include "core/BiText.h"
#include "core/BoardLayout.h"
#include "core/DrawFile.h"
#include "core/FilterEdition.h"
#include "core/FrequencyTexts.h"
#include "core/Game.h"
#include "core/Lang.h"
#include "core/MeasureRules.h"
#include "core/PairEdition.h"
#include "core/StrategyEdition.h"
#include "core/ZoneTexts.h"

namespace core {

// Where the text window's two controls stand and how wide the window opens.
struct MemoLayout {
    int width;
    int reverseX, reverseY, reverseW, reverseH;
    int wrapX, wrapY, wrapW, wrapH;
    BiText reverse;
};

// One of an edition's tables. It cannot be made empty, so an edition that leaves a table out
// does not compile instead of falling back on another edition's. It keeps the table's address,
// so it takes only a table that outlives it, never a temporary.
template <class Table> class EditionTable {
public:
    constexpr EditionTable(const Table& table) : table_(&table) {}
    EditionTable(const Table&&) = delete;
    constexpr const Table& operator*() const { return *table_; }
    constexpr const Table* operator->() const { return table_; }

private:
    const Table* table_;
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
    EditionTable<FrequencyTexts> frequency;
    EditionTable<MeasureRules> measures;
    EditionTable<ZoneTexts> zones;
    EditionTable<PairRules> pairs;
    EditionTable<StrategyRules> strategy;
    EditionTable<FilterRules> filter;
};

inline constexpr Edition Edition6x45{
    .game = Game6x45,
    .drawFile = {.game = Game6x45, .rule = LineRule::Numbers, .emptyFileClears = false},
    .board = Board6x45,
    .settingsLineCount = 8,
    .versionCheck = true,
    .englishFileMessages = false,
    .findCaption = {"Поиск номеров в предыдущих тиражах",
                    "Draws where selected numbers were found"},
    .memo = {710, 8, 4, 65, 17, 112, 4, 93, 17, {"Реверс", "Reverse"}},
    .mapStartZoom = 10,
    .mapWindowWidth = 500,
    .frequency = FrequencyTexts6x45,
    .measures = MeasureRules6x45,
    .zones = ZoneTexts6x45,
    .pairs = PairRules6x45,
    .strategy = StrategyRules6x45,
    .filter = FilterRules6x45,
};

inline constexpr Edition Edition5x36{
    .game = Game5x36,
    .drawFile = {.game = Game5x36, .rule = LineRule::NumberDateNumbers, .emptyFileClears = true},
    .board = Board5x36,
    .settingsLineCount = 6,
    .versionCheck = false,
    .englishFileMessages = true,
    .findCaption = {"Draws where selected numbers were found",
                    "Draws where selected numbers were found"},
    .memo = {600, 8, 3, 97, 20, 128, 5, 97, 17, {"Перевернуть", "Reverse"}},
    .mapStartZoom = 13,
    .mapWindowWidth = 510,
    .frequency = FrequencyTexts5x36,
    .measures = MeasureRules5x36,
    .zones = ZoneTexts5x36,
    .pairs = PairRules5x36,
    .strategy = StrategyRules5x36,
    .filter = FilterRules5x36,
};

} // namespace core
