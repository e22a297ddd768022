#pragma once

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/Lang.h"

#include <string>
#include <string_view>

namespace core {

// An input box's texts.
struct Prompt {
    std::string caption;
    std::string prompt;
    std::string defaultText;
};

// Triples: every triple of the pool with the draws holding it, oldest first.
Prompt TriplesPrompt(const Edition& edition, Lang lang);
// Non-digits dropped; empty gives 2, 1000 and more 999. Throws ConversionError beyond 32 bits.
int TriplesMinimum(std::string_view answer);
CommandResult Triples(const DrawStore& store, const Edition& edition, int minimum, Lang lang);

// Numbers: per number, its partners in the newest lastN draws, most frequent first.
Prompt NumbersPrompt(int drawCount, Lang lang);
// lastN is kept within 0..DrawCount, so unloaded records are never read.
CommandResult Numbers(const DrawStore& store, const Edition& edition, int lastN, Lang lang);

// Stats duples: per draw, the older draws sharing at least level numbers with it.
Prompt DuplesPrompt(Lang lang);
// Non-digits dropped; empty or above the edition's highest level gives 3, below 1 gives 1.
// Throws ConversionError beyond 32 bits.
int DuplesLevel(std::string_view answer, const Edition& edition);
CommandResult StatsDuples(const DrawStore& store, const Game& game, int level, Lang lang);

// Match in draws: per draw, the older draws sharing two, three, four, five or more numbers.
CommandResult MatchInDraws(const DrawStore& store, const Game& game, Lang lang);

// Period: per draw, the distances to the newer draws sharing at least minimum numbers; the
// counts go to the chart at the draw's number (the newest draw, which has no newer one, 0).
Prompt PeriodPrompt(const Edition& edition);
CommandResult Period(const DrawStore& store, const Edition& edition, int minimum, Lang lang);

} // namespace core
