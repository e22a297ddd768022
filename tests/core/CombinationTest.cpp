#include "core/Combination.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

TEST(CombinationRank, InputIsCleanedAndKeptInRange) {
    struct Case {
        const char* text;
        const char* shown;
        long long rank;
    };
    const Case cases[] = {
        {"1", "1", 1},
        {"41", "41", 41},
        {"8145060", "8145060", 8145060},
        {"12a3", "123", 123},
        {" 1 2 ", "12", 12},
        {"0", "1", 1},
        {"0000", "1", 1},
        {"", "8145060", 8145060},
        {"abc", "8145060", 8145060},
        {"12345678", "1234567", 1234567},
        {"99999999", "8145060", 8145060},
        {"8145061", "8145060", 8145060},
    };
    for (const auto& c : cases) {
        const auto r = core::CombinationRankInput(c.text, 8145060);
        EXPECT_EQ(r.text, c.shown) << c.text;
        EXPECT_EQ(r.rank, c.rank) << c.text;
    }
}

TEST(CombinationRank, KnownRanks) {
    struct Case {
        long long rank;
        const char* text;
    };
    const Case cases[] = {
        {1, "01 02 03 04 05 06"},   {40, "01 02 03 04 05 45"},      {41, "01 02 03 04 06 07"},
        {123, "01 02 03 04 08 14"}, {8145060, "40 41 42 43 44 45"}, {8145059, "39 41 42 43 44 45"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::CombinationText(core::CombinationByRank(c.rank, 45, 6), 45), c.text)
            << c.rank;
    EXPECT_THROW(core::CombinationByRank(0, 45, 6), std::out_of_range);
    EXPECT_THROW(core::CombinationByRank(8145061, 45, 6), std::out_of_range);
}

// The walk through every combination in order, as the lookup was first written.
template <class Visit> void WalkCombinations(int pool, int count, Visit visit) {
    std::vector<int> c(count);
    for (int i = 0; i < count; ++i) c[i] = i + 1;
    long long rank = 0;
    for (;;) {
        visit(++rank, c);
        int i = count - 1;
        while (i >= 0 && c[i] == pool - count + i + 1) --i;
        if (i < 0) return;
        ++c[i];
        for (int j = i + 1; j < count; ++j) c[j] = c[j - 1] + 1;
    }
}

TEST(CombinationRank, MatchesTheLiteralWalk) {
    struct Game {
        int pool, count;
    };
    for (const Game g : {Game{45, 6}, Game{36, 5}, Game{10, 3}, Game{5, 5}}) {
        std::mt19937 rng(g.pool);
        std::set<long long> sample;
        long long total = 0;
        WalkCombinations(g.pool, g.count, [&](long long, const std::vector<int>&) { ++total; });
        std::uniform_int_distribution<long long> pick(1, total);
        for (int i = 0; i < 300; ++i) sample.insert(pick(rng));
        sample.insert(1);
        sample.insert(total);
        int checked = 0;
        WalkCombinations(g.pool, g.count, [&](long long rank, const std::vector<int>& c) {
            if (!sample.count(rank)) return;
            ++checked;
            EXPECT_EQ(core::CombinationByRank(rank, g.pool, g.count), c) << rank;
        });
        EXPECT_EQ(checked, static_cast<int>(sample.size()));
    }
}

} // namespace
