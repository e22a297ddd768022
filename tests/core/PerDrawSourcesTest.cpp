#include "core/CenterDifference.h"
#include "core/Combinations.h"
#include "core/DrawMap.h"
#include "core/PairCommands.h"
#include "core/ZoneCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using core::Lang;
using testing_support::StoreOf;

// Draws of the game in no order, over a history long enough for 4-digit numbers.
core::DrawStore Shuffled(const core::Game& game) {
    std::mt19937 rng(37);
    std::vector<core::Draw> draws(1234);
    for (core::Draw& d : draws) d = testing_support::RandomDraw(rng, game.pool, game.perDraw);
    return StoreOf(draws);
}

// The results made on demand: each line's size, told before it is made, is the size of the line
// made, so the text window scrolls and copies by the right sizes.
TEST(PerDrawSources, LineSizesAgreeWithTheLines) {
    core::DrawMapTable map;
    using Make = std::function<core::CommandResult(const core::DrawStore&, const core::Edition&)>;
    const std::pair<const core::Edition&, Make> cases[] = {
        {core::Edition6x45, [](auto& s, auto& e) { return core::Zones(s, e, 2, Lang::English); }},
        {core::Edition5x36, [](auto& s, auto& e) { return core::Zones(s, e, 36, Lang::English); }},
        {core::Edition5x36, [](auto& s, auto& e) { return core::CenterCommand(s, e); }},
        {core::Edition6x45, [](auto& s, auto& e) { return core::DifferenceCommand(s, e); }},
        {core::Edition5x36,
         [](auto& s, auto& e) { return core::Combinations(s, e, Lang::English); }},
        {core::Edition6x45, [](auto& s, auto& e) { return core::Triples(s, e, 0, Lang::English); }},
        {core::Edition5x36, [](auto& s, auto& e) { return core::Triples(s, e, 2, Lang::English); }},
        {core::Edition6x45,
         [&map](auto& s, auto& e) {
             core::BuildDrawMap(s, e.game, map);
             return core::MapCommand(s, e.game, Lang::English, map);
         }},
    };
    int n = 0;
    for (const auto& [edition, make] : cases) {
        SCOPED_TRACE(n++);
        const auto store = Shuffled(edition.game);
        const auto r = make(store, edition);
        ASSERT_TRUE(r.source);
        EXPECT_TRUE(r.lines.empty());
        std::size_t total = 0, widest = 0;
        for (std::size_t i = 0; i < r.source->Count(); ++i) {
            const std::string line = r.source->Line(i);
            EXPECT_EQ(r.source->LineBytes(i), line.size()) << i;
            total += line.size();
            widest = std::max(widest, line.size());
        }
        EXPECT_EQ(r.source->TextBytes(), total);
        EXPECT_EQ(r.source->MaxLineBytes(), widest);
    }
}

// The result keeps its own values: a store loaded afterwards leaves a shown result as it was.
TEST(PerDrawSources, ResultOutlivesTheStoreItCameFrom) {
    core::CommandResult r;
    {
        auto store = StoreOf({{1, 2, 3, 4, 5, 6}, {40, 41, 42, 43, 44, 45}});
        r = core::Zones(store, core::Edition6x45, 2, core::Lang::English);
        store.Clear();
    }
    EXPECT_EQ(core::AllLines(r),
              (std::vector<std::string>{"    1..22 23..45 ", "2:   6 : 0", "1:   0 : 6"}));
}

} // namespace
