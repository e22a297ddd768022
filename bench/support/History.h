#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace bench_support {

// A generated history of count draws, newest first, as draw-file lines.
inline std::vector<std::string> HistoryLines(int count, const core::Game& game = core::Game6x45,
                                             unsigned seed = 645) {
    std::mt19937 rng(seed);
    std::vector<int> pool(game.pool);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        std::vector<int> d(pool.begin(), pool.begin() + game.perDraw);
        std::sort(d.begin(), d.end());
        std::string line;
        for (int n : d) line += (line.empty() ? "" : " ") + std::to_string(n);
        lines.push_back(line);
    }
    return lines;
}

// A store holding such a history.
inline core::DrawStore HistoryStore(int count, const core::Game& game = core::Game6x45,
                                    unsigned seed = 645) {
    core::DrawStore store;
    const auto lines = HistoryLines(count, game, seed);
    std::mt19937 rng(seed);
    for (int i = 0; i < count; ++i) {
        core::Draw d{};
        int k = 0;
        std::size_t p = 0;
        const std::string& l = lines[i];
        while (p < l.size() && k < game.perDraw) {
            d[k++] = static_cast<std::uint8_t>(std::stoi(l.substr(p)));
            p = l.find(' ', p);
            if (p == std::string::npos) break;
            ++p;
        }
        store.PutDraw(d, i);
    }
    store.DrawCount = count;
    return store;
}

} // namespace bench_support
