#include "core/DrawStore.h"

#include <gtest/gtest.h>

using core::Draw;
using core::DrawStore;

TEST(DrawStore, LoadedCopiesTheDrawsUpToTheCountNewestFirst) {
    DrawStore store;
    for (int i = 0; i < core::MaxDraws; ++i)
        store.PutDraw(Draw{static_cast<std::uint8_t>(i % 200 + 1)}, i);
    for (int count : {0, -1, 1, 3, core::MaxDraws - 1, core::MaxDraws}) {
        store.DrawCount = count;
        const std::vector<Draw> loaded = store.Loaded();
        ASSERT_EQ(static_cast<int>(loaded.size()), std::max(count, 0)) << count;
        for (int i = 0; i < static_cast<int>(loaded.size()); ++i)
            ASSERT_EQ(loaded[i], store[i]) << count << " " << i;
    }
    // The records beyond the count are not the result's.
    store.DrawCount = 2;
    store.PutDraw(Draw{9, 9}, 2);
    EXPECT_EQ(store.Loaded(), (std::vector<Draw>{store[0], store[1]}));
}
