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

// Draws of the game in no order, over a history long enough for 4-digit numbers.
core::DrawStore Shuffled(const core::Game& game) {
    std::mt19937 rng(37);
    std::vector<core::Draw> draws(1234);
    for (core::Draw& d : draws) d = testing_support::RandomDraw(rng, game.pool, game.perDraw);
    return testing_support::StoreOf(draws);
}

// The results made on demand keep their own values, and each line's size, told before it is made,
// is the size of the line made, so the text window scrolls and copies by the right sizes.
TEST(PerDrawSources, LinesOutliveTheStoreAndTheirSizesAgree) {
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
        auto store = Shuffled(edition.game);
        const auto r = make(store, edition);
        ASSERT_TRUE(r.source);
        EXPECT_TRUE(r.lines.empty());
        const std::vector<std::string> lines = r.source->Lines();
        store.Clear(); // a file loaded afterwards leaves a shown result as it was
        std::size_t total = 0, widest = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(r.source->Line(i), lines[i]) << i;
            EXPECT_EQ(r.source->LineBytes(i), lines[i].size()) << i;
            total += lines[i].size();
            widest = std::max(widest, lines[i].size());
        }
        EXPECT_EQ(r.source->TextBytes(), total);
        EXPECT_EQ(r.source->MaxLineBytes(), widest);
    }
}

} // namespace
