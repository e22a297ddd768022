#include "bench/support/History.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// The benchmarks' history is what its comment says it is.
TEST(BenchHistory, HasTheCoincidencesItsCommentStates) {
    const struct {
        core::Game game;
        int sharingThree, repeats;
    } cases[] = {{core::Game6x45, 704, 37}, {core::Game5x36, 577, 160}};
    for (const auto& c : cases) {
        const auto draws = bench_support::HistoryDraws(10000, c.game);
        int sharingThree = 0, repeats = 0;
        std::set<std::vector<int>> seen;
        for (std::size_t t = 0; t < draws.size(); ++t) {
            if (t > 0) {
                int shared = 0;
                for (int x : draws[t])
                    shared += std::count(draws[t - 1].begin(), draws[t - 1].end(), x);
                sharingThree += shared >= 3;
            }
            std::vector<int> sorted = draws[t];
            std::sort(sorted.begin(), sorted.end());
            repeats += !seen.insert(sorted).second;
        }
        // Within a tenth, so another standard library's shuffle still fits the comment.
        EXPECT_NEAR(sharingThree, c.sharingThree, c.sharingThree / 10) << c.game.pool;
        EXPECT_NEAR(repeats, c.repeats, c.repeats / 10 + 2) << c.game.pool;
    }
}

} // namespace
