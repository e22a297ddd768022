#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"
#include "core/Shuffle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The count of last draws the random test runs on: the prompt's answer (non-digits dropped,
// unusable gives drawCount) kept within 0..drawCount.
int RndTestCount(std::string_view answer, int drawCount);

// Counts, for each of the last count draws (newest first), how many random tickets it takes
// to draw exactly that draw. The search runs in slices, so a window can stay responsive and
// stop it between two slices.
class RndTestSearch {
public:
    RndTestSearch(const DrawStore& store, const Game& game, int count);

    // Makes at most maxAttempts attempts; returns the lines of the draws finished meanwhile
    // ("NN: attempts"). Done() tells when every draw is through.
    std::vector<std::string> Run(RandomGenerator& random, std::int64_t maxAttempts);
    bool Done() const { return next_ >= count_; }

private:
    // One ticket: perDraw distinct numbers of 1..pool, drawn one after the other, sorted.
    bool Attempt(RandomGenerator& random, const Draw& target);

    const DrawStore& store_;
    Game game_;
    int count_;
    int next_ = 0;
    std::uint32_t attempts_ = 0;
};

} // namespace core
