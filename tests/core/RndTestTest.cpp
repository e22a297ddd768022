#include "core/RndTest.h"

#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

using testing_support::StoreOf;
using Lines = std::vector<std::string>;

Lines RunAll(core::RndTestSearch& search, core::RandomGenerator& random, std::int64_t slice) {
    Lines lines;
    while (!search.Done()) {
        const auto part = search.Run(random, slice);
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

TEST(RndTest, SeededSearchOnThreeDraws) {
    core::RandomGenerator random;
    random.Seed(2024);
    const auto store = StoreOf({{3, 9, 17, 28, 36}, {1, 2, 3, 4, 5}, {10, 11, 20, 30, 31}});
    core::RndTestSearch search(store, core::Game5x36, 3);
    EXPECT_EQ(RunAll(search, random, std::int64_t{1} << 40),
              (Lines{"03: 199775", "02: 803294", "01: 113523"}));
}

TEST(RndTest, SlicesGiveTheLinesOfOneRun) {
    const auto store =
        StoreOf({{1, 4, 6, 8, 9}, {2, 3, 5, 7, 10}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
    const core::Game small{10, 5};
    core::RandomGenerator one;
    one.Seed(7);
    core::RndTestSearch whole(store, small, 4);
    const Lines lines = RunAll(whole, one, std::int64_t{1} << 40);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 4), "04: ");
    for (std::int64_t slice : {1, 7, 100}) {
        core::RandomGenerator other;
        other.Seed(7);
        core::RndTestSearch sliced(store, small, 4);
        EXPECT_EQ(RunAll(sliced, other, slice), lines) << slice;
    }
}

TEST(RndTest, CountIsKeptWithinTheDraws) {
    const struct {
        const char* answer;
        int draws, count;
    } cases[] = {{"", 3, 3},  {"2", 3, 2},           {"7", 3, 3}, {"0", 3, 0},
                 {"x", 3, 3}, {"99999999999", 3, 3}, {"", 0, 0},  {"4", 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(core::RndTestCount(c.answer, c.draws), c.count) << c.answer << " " << c.draws;

    core::RandomGenerator random;
    const auto store = StoreOf({{1, 4, 6, 8, 9}, {2, 3, 5, 7, 10}, {1, 2, 3, 4, 5}});
    core::RndTestSearch beyond(store, {10, 5}, 50);
    EXPECT_EQ(RunAll(beyond, random, 1 << 20).size(), 3u);
    core::RndTestSearch none(store, {10, 5}, 0);
    EXPECT_TRUE(none.Done());
    EXPECT_TRUE(none.Run(random, 100).empty());
}

TEST(RndTest, ADrawNoTicketCanEqualIsPassedOver) {
    const auto store = StoreOf({{1, 2, 3, 4, 40}, {1, 1, 2, 3, 4}, {1, 2, 3, 4, 5}});
    core::RandomGenerator random;
    random.Seed(1);
    core::RndTestSearch search(store, {5, 5}, 3);
    const Lines lines = RunAll(search, random, 100);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "1: 1");
}

} // namespace
