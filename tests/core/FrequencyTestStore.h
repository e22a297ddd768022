#pragma once

#include "core/DrawStore.h"
#include "tests/support/Stores.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace freq_test {

using testing_support::StoreOf;

// count random 6-of-45 draws, each sorted ascending.
inline core::DrawStore RandomStore(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int> pool(45);
    std::iota(pool.begin(), pool.end(), 1);
    core::DrawStore store;
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        core::Draw d{};
        for (int k = 0; k < 6; ++k) d[k] = static_cast<std::uint8_t>(pool[k]);
        std::sort(d.begin(), d.end());
        store.PutDraw(d, i);
    }
    store.DrawCount = count;
    return store;
}

// The three draws most tests use: numbers 3, 2 and 1, newest first.
inline core::DrawStore ThreeDraws() {
    return StoreOf({{3, 15, 20, 31, 40, 44}, {1, 2, 3, 4, 5, 6}, {2, 9, 15, 28, 31, 44}});
}

} // namespace freq_test
