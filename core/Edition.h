#pragma once

#include "core/FilterEdition.h"
#include "core/FrequencyTexts.h"
#include "core/Game.h"
#include "core/MeasureRules.h"
#include "core/PairEdition.h"
#include "core/StrategyEdition.h"
#include "core/ZoneTexts.h"

namespace core {

// What sets one edition apart from the other, as data: its game, and the texts and rule
// differences its commands take. A command family that differs between the editions keeps its
// own table in its own header and adds one field here pointing at it, so commands never ask
// which edition they serve.
struct Edition {
    Game game;
    const FrequencyTexts* frequency = &FrequencyTexts6x45;
    const MeasureRules* measures = &MeasureRules6x45;
    const ZoneTexts* zones = &ZoneTexts6x45;
    const PairRules* pairs = &PairRules6x45;
    const StrategyRules* strategy = &StrategyRules6x45;
    const FilterRules* filter = &FilterRules6x45;
};

inline constexpr Edition Edition6x45{Game6x45};
inline constexpr Edition Edition5x36{.game = Game5x36,
                                     .frequency = &FrequencyTexts5x36,
                                     .measures = &MeasureRules5x36,
                                     .zones = &ZoneTexts5x36,
                                     .pairs = &PairRules5x36,
                                     .strategy = &StrategyRules5x36,
                                     .filter = &FilterRules5x36};

} // namespace core
