#include "core/RndTest.h"

#include "core/NumberRoutines.h"

#include <algorithm>

namespace core {

namespace {

// A target no ticket can equal would keep the search going for ever.
bool Reachable(const Draw& d, const Game& game) {
    for (int k = 0; k < game.perDraw; ++k) {
        if (d[k] < 1 || d[k] > game.pool) return false;
        if (k > 0 && d[k] <= d[k - 1]) return false;
    }
    return true;
}

} // namespace

int RndTestCount(std::string_view answer, int drawCount) {
    const int n = AskNumberAnswer(answer, drawCount);
    return std::clamp(n, 0, std::max(drawCount, 0));
}

RndTestSearch::RndTestSearch(const DrawStore& store, const Game& game, int count)
    : store_(store), game_(game),
      count_(std::clamp(count, 0, std::clamp(store.DrawCount, 0, MaxDraws))) {}

bool RndTestSearch::Attempt(RandomGenerator& random, const Draw& target) {
    Draw ticket{};
    for (int k = 0; k < game_.perDraw; ++k) {
        int n = 0;
        do n = random.Next(game_.pool) + 1;
        while (HasNumber(n, ticket.data(), k));
        ticket[k] = static_cast<std::uint8_t>(n);
    }
    SortNumbers(ticket.data(), game_.perDraw);
    return std::equal(ticket.begin(), ticket.begin() + game_.perDraw, target.begin());
}

std::vector<std::string> RndTestSearch::Run(RandomGenerator& random, std::int64_t maxAttempts) {
    std::vector<std::string> lines;
    std::int64_t made = 0;
    while (!Done() && made < maxAttempts) {
        const Draw& target = store_[next_];
        const std::string number = ZeroPad(store_.DrawCount - next_, game_.pool);
        if (!Reachable(target, game_)) {
            ++next_;
            continue;
        }
        bool hit = false;
        while (!hit && made < maxAttempts) {
            hit = Attempt(random, target);
            ++attempts_;
            ++made;
        }
        if (!hit) break;
        lines.push_back(number + ": " + std::to_string(attempts_));
        attempts_ = 0;
        ++next_;
    }
    return lines;
}

} // namespace core
