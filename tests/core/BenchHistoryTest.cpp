#include "bench/support/History.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

// The benchmarks' history is what its comment says it is.
TEST(BenchHistory, HasTheCoincidencesItsCommentStates) {
    const struct {
        core::Game game;
        int sharingThree, repeats;
    } cases[] = {{core::Game6x45, 704, 37}, {core::Game5x36, 577, 160}};
    for (const auto& c : cases) {
        auto draws = bench_support::HistoryDraws(10000, c.game);
        int sharingThree = 0, repeats = 0;
        std::set<std::vector<int>> seen;
        for (std::size_t t = 0; t < draws.size(); ++t) {
            int shared = 0;
            for (int x : draws[t]) shared += t > 0 ? int(std::ranges::count(draws[t - 1], x)) : 0;
            sharingThree += shared >= 3;
            std::ranges::sort(draws[t]); // the next draw counts in it all the same
            repeats += !seen.insert(draws[t]).second;
        }
        // Within a tenth, so another standard library's shuffle still fits the comment.
        EXPECT_NEAR(sharingThree, c.sharingThree, c.sharingThree / 10) << c.game.pool;
        EXPECT_NEAR(repeats, c.repeats, c.repeats / 10 + 2) << c.game.pool;
    }
}
