#pragma once

#include "core/DrawStore.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace testing_support {

// A store holding the given draws, newest first.
inline core::DrawStore StoreOf(const std::vector<core::Draw>& newestFirst) {
    core::DrawStore store;
    for (std::size_t i = 0; i < newestFirst.size(); ++i)
        store.PutDraw(newestFirst[i], static_cast<int>(i));
    store.DrawCount = static_cast<int>(newestFirst.size());
    return store;
}

// A draw of perDraw distinct numbers out of 1..pool, sorted. The numbers are sorted before they
// go into the fixed-size record, so a perDraw above its size can never write past it.
inline core::Draw RandomDraw(std::mt19937& rng, int pool, int perDraw) {
    std::vector<int> numbers(pool);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), rng);
    const auto used = std::min<std::size_t>(perDraw, core::MaxPerDraw);
    std::sort(numbers.begin(), numbers.begin() + used);
    core::Draw d{};
    std::copy_n(numbers.begin(), used, d.begin());
    return d;
}

} // namespace testing_support
