#include "tests/core/StrategyReference.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using core::Lang;

class StrategyAgainstLiteral : public testing::TestWithParam<core::Edition> {};

std::vector<std::string> ColumnsOfRow(const core::TableColumns& t, std::size_t first,
                                      std::size_t count, int row) {
    std::vector<std::string> cells;
    for (std::size_t c = first; c < first + count; ++c) cells.push_back(t.columns[c].Cell(row));
    return cells;
}

TEST_P(StrategyAgainstLiteral, SkipStrategyWalksEveryNumberThroughTheDraws) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = strategy_reference::RandomStore(400, g, 21, true);
    for (int n : {0, 1, 2, 150, 400}) {
        const auto lines = core::SkipStrategy(s, e, n, Lang::English).lines;
        for (int x = 1; x <= g.pool; ++x) {
            // The literal walk: oldest first, a skip closes at each later draw of x.
            std::string want;
            int hits = 0, open = 0;
            for (int p = 0; p < n; ++p) {
                if (strategy_reference::Holds(s, n - 1 - p, x, g.perDraw)) {
                    if (hits++ > 0) want += std::to_string(open - 1) + " ";
                    open = 0;
                }
                if (hits > 0 && p != n - 1) ++open;
            }
            want += std::to_string(open);
            const auto heading =
                std::find(lines.begin(), lines.end(), e.strategy->numberHeading(Lang::English, x));
            ASSERT_NE(heading, lines.end()) << x;
            EXPECT_EQ(*(heading + 1), want) << "n " << n << " x " << x;
        }
    }
}

TEST_P(StrategyAgainstLiteral, FrequencyStrategyKeepsRunningCounts) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    for (bool odd : {false, true}) {
        const auto s = strategy_reference::RandomStore(400, g, odd ? 11 : 12, odd);
        for (int n : {0, 1, 2, 7, 150, 399, 400}) {
            const auto r = core::FrequencyStrategy(s, e, n, Lang::English);
            const auto want =
                strategy_reference::FrequencyStrategy(s, g, n, core::FrequencyGroupsOf(e));
            // The oldest draw's row is written empty or not at all.
            const std::size_t oldest = e.strategy->emptiesOldestRow ? 1 : 0;
            ASSERT_EQ(r.table.columns[0].Rows(), want.size() + oldest);
            for (int i = 0; i < static_cast<int>(want.size()); ++i)
                ASSERT_EQ(ColumnsOfRow(r.table, 0, 3, i), want[i])
                    << "n " << n << " row " << i << " odd " << odd;
            if (oldest == 1) {
                EXPECT_EQ(ColumnsOfRow(r.table, 0, 3, s.DrawCount - 1),
                          (std::vector<std::string>{"", "", ""}));
            }
        }
    }
}

TEST_P(StrategyAgainstLiteral, FreqAnalyseCountsAllNumbersInOnePass) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    for (bool odd : {false, true}) {
        const auto s = strategy_reference::RandomStore(300, g, odd ? 21 : 22, odd);
        for (int n : {0, 1, 2, 15, 300})
            ASSERT_EQ(core::FreqAnalyse(s, g, n, Lang::English).lines,
                      strategy_reference::FreqAnalyse(s, g, n))
                << n;
    }
}

TEST_P(StrategyAgainstLiteral, FilterAnyWalksOnceWithNextOccurrences) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    for (bool odd : {false, true}) {
        // A narrow band of 8 leaves the other numbers hundreds of draws apart.
        const auto s = strategy_reference::RandomStore(1500, g, odd ? 31 : 32, odd, 8);
        const auto r = core::FilterAny(s, e, Lang::English);
        const auto want = strategy_reference::FilterAny(s, g);
        const std::size_t per = g.perDraw;
        bool beyondAByte = false;
        for (int i = 0; i < s.DrawCount; ++i) {
            auto got = ColumnsOfRow(r.table, 0, per, i);
            const auto pos = ColumnsOfRow(r.table, per + 1, per, i);
            got.insert(got.end(), pos.begin(), pos.end());
            ASSERT_EQ(got, want[i]) << "row " << i << " odd " << odd;
            for (const auto& c : got) beyondAByte |= !c.empty() && std::stoi(c) >= 255;
        }
        EXPECT_TRUE(beyondAByte) << "the history should hold distances beyond a byte";
    }
}

TEST_P(StrategyAgainstLiteral, SeparationRemovesWithOneSeenSet) {
    const core::Edition& e = GetParam();
    const core::Game g = e.game;
    const auto s = strategy_reference::RandomStore(600, g, 41, false, 10);
    for (int a : {1, 2, 3, 50, 300, 599, 600}) {
        const auto r = core::Separation(s, g, a, Lang::English);
        ASSERT_TRUE(r.has_value());
        ASSERT_EQ(r->lines, strategy_reference::Separation(s, g, a)) << a;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, StrategyAgainstLiteral,
                         testing::Values(core::Edition6x45, core::Edition5x36),
                         [](const auto& info) {
                             return info.param.game.tag() == "6x45" ? "Six" : "Five";
                         });

} // namespace
