#include "core/DrawStore.h"

#include <gtest/gtest.h>

TEST(DrawStore, LoadedCopiesTheDrawsUpToTheCountNewestFirst) {
    core::DrawStore store;
    for (int i = 0; i < core::MaxDraws; ++i)
        store.PutDraw(core::Draw{static_cast<std::uint8_t>(i % 200 + 1)}, i);
    for (int count : {0, -1, 3, core::MaxDraws}) {
        store.DrawCount = count;
        const std::vector<core::Draw> loaded = store.Loaded();
        ASSERT_EQ(static_cast<int>(loaded.size()), std::max(count, 0)) << count;
        for (int i = 0; i < static_cast<int>(loaded.size()); ++i)
            ASSERT_EQ(loaded[i], store[i]) << count << " " << i;
    }
}
