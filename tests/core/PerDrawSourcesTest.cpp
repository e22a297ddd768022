#include "core/CenterDifference.h"
#include "core/Combinations.h"
#include "core/DrawMap.h"
#include "core/PairCommands.h"
#include "core/ZoneCommands.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

namespace {

using testing_support::StoreOf;

// Draws of the game, unsorted as in a file, over a history long enough for 4-digit numbers.
core::DrawStore Shuffled(const core::Game& game, int count) {
    std::mt19937 rng(37);
    std::vector<int> pool(game.pool);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<core::Draw> draws;
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        core::Draw d{};
        for (int k = 0; k < game.perDraw; ++k) d[k] = static_cast<std::uint8_t>(pool[k]);
        std::sort(d.begin(), d.begin() + game.perDraw);
        draws.push_back(d);
    }
    return StoreOf(draws);
}

// The per-draw and per-triple results made on demand: each line's size, told before it is made, is
// the size of the line made, so the text window scrolls and copies by the right sizes.
TEST(PerDrawSources, LineSizesAgreeWithTheLines) {
    core::DrawMapTable map;
    const struct {
        const char* name;
        const core::Edition* edition;
        std::function<core::CommandResult(const core::DrawStore&, const core::Edition&)> make;
    } cases[] = {
        {"Zones 2", &core::Edition6x45,
         [](auto& s, auto& e) { return core::Zones(s, e, 2, core::Lang::English); }},
        {"Zones 36", &core::Edition5x36,
         [](auto& s, auto& e) { return core::Zones(s, e, 36, core::Lang::English); }},
        {"Center", &core::Edition5x36, [](auto& s, auto& e) { return core::CenterCommand(s, e); }},
        {"Difference", &core::Edition6x45,
         [](auto& s, auto& e) { return core::DifferenceCommand(s, e); }},
        {"Combinations", &core::Edition5x36,
         [](auto& s, auto& e) { return core::Combinations(s, e, core::Lang::English); }},
        {"Triples 0", &core::Edition6x45,
         [](auto& s, auto& e) { return core::Triples(s, e, 0, core::Lang::English); }},
        {"Triples 2", &core::Edition5x36,
         [](auto& s, auto& e) { return core::Triples(s, e, 2, core::Lang::English); }},
        {"Map", &core::Edition6x45,
         [&map](auto& s, auto& e) {
             core::BuildDrawMap(s, e.game, map);
             return core::MapCommand(s, e.game, core::Lang::English, map);
         }},
    };
    for (const auto& c : cases) {
        const auto store = Shuffled(c.edition->game, 1234);
        const auto r = c.make(store, *c.edition);
        ASSERT_TRUE(r.source) << c.name;
        EXPECT_TRUE(r.lines.empty()) << c.name;
        std::size_t total = 0, widest = 0;
        for (std::size_t i = 0; i < r.source->Count(); ++i) {
            const std::string line = r.source->Line(i);
            EXPECT_EQ(r.source->LineBytes(i), line.size()) << c.name << " line " << i;
            total += line.size();
            widest = std::max(widest, line.size());
        }
        EXPECT_EQ(r.source->TextBytes(), total) << c.name;
        EXPECT_EQ(r.source->MaxLineBytes(), widest) << c.name;
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
