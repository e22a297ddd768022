#pragma once

#include "core/DrawStore.h"

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

} // namespace testing_support
