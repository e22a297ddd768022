#include "core/HeldNumbers.h"

#include <gtest/gtest.h>

#include <vector>

// Triples, Numbers and the strategies read a draw as the set of pool numbers among its bytes.
TEST(HeldNumbers, TheDistinctPoolNumbersAmongTheDrawsBytesAscending) {
    const struct {
        core::Game game;
        core::Draw draw;
        std::vector<int> held;
    } cases[] = {
        {core::Game6x45, {3, 1, 2, 6, 5, 4}, {1, 2, 3, 4, 5, 6}},
        {core::Game6x45, {45, 5, 5, 7, 0, 46}, {5, 7, 45}},
        // Only the edition's bytes count: the sixth byte of a five-number draw is not read.
        {core::Game5x36, {36, 1, 36, 37, 0, 9}, {1, 36}},
    };
    for (const auto& c : cases) {
        std::array<int, core::MaxPerDraw> held{};
        const int count = core::HeldNumbers(c.draw, c.game, held);
        EXPECT_EQ(std::vector<int>(held.begin(), held.begin() + count), c.held)
            << c.game.tag() << " " << int(c.draw[0]);
    }
}
