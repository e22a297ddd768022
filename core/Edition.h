#pragma once

#include "core/FilterEdition.h"
#include "core/Game.h"
#include "core/PairEdition.h"
#include "core/StrategyEdition.h"

namespace core {

// What sets one edition apart from the other, as data: its game, and the texts and rule
// differences its commands take. A command family that differs between the editions keeps its
// own table in its own header and adds one field here pointing at it, so commands never ask
// which edition they serve.
struct Edition {
    Game game;
    const PairRules* pairs;
    const StrategyRules* strategy;
    const FilterRules* filter;
};

inline constexpr Edition Edition6x45{
    .game = Game6x45,
    .pairs = &PairRules6x45,
    .strategy = &StrategyRules6x45,
    .filter = &FilterRules6x45,
};
inline constexpr Edition Edition5x36{
    .game = Game5x36,
    .pairs = &PairRules5x36,
    .strategy = &StrategyRules5x36,
    .filter = &FilterRules5x36,
};

} // namespace core
