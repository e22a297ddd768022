#pragma once

#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Edition.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace bench_support {

// A random history with more coincidences than chance gives, so the commands that list them
// (Match in draws, Stats duples, Triples) have more to write than on a real one: one draw in 500
// repeats an earlier draw and 24 in 500 take exactly three numbers of the draw before them. At
// 10,000 draws of 6 of 45, 704 draws share three or more numbers with the one before (chance
// alone gives about 238) and 37 repeat an earlier draw (about 6); of 5 of 36, 577 (about 127) and
// 160 (about 132). Every draw's numbers in the order they came out; oldest first.
inline std::vector<std::vector<int>> HistoryDraws(int count, const core::Game& game,
                                                  unsigned seed = 645) {
    std::mt19937 rng(seed);
    std::vector<int> pool(game.pool);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<std::vector<int>> draws;
    draws.reserve(count);
    for (int t = 0; t < count; ++t) {
        const unsigned roll = rng() % 500;
        std::vector<int> d;
        if (t > 0 && roll == 0) {
            d = draws[rng() % draws.size()];
        } else if (t > 0 && roll < 25) {
            // Three of the previous draw's numbers, the rest from outside it.
            const auto& previous = draws.back();
            std::vector<int> kept = previous;
            std::shuffle(kept.begin(), kept.end(), rng);
            d.assign(kept.begin(), kept.begin() + 3);
            std::shuffle(pool.begin(), pool.end(), rng);
            for (int n : pool) {
                if (static_cast<int>(d.size()) == game.perDraw) break;
                if (std::find(previous.begin(), previous.end(), n) == previous.end())
                    d.push_back(n);
            }
        } else {
            std::shuffle(pool.begin(), pool.end(), rng);
            d.assign(pool.begin(), pool.begin() + game.perDraw);
        }
        std::shuffle(d.begin(), d.end(), rng);
        draws.push_back(std::move(d));
    }
    return draws;
}

// Such a history as the edition's draw file holds it: newest first, the numbers unsorted,
// with the draw number and date in front where the edition's lines carry them.
inline std::vector<std::string> HistoryLines(int count, const core::Edition& edition,
                                             unsigned seed = 645) {
    const auto draws = HistoryDraws(count, edition.game, seed);
    const bool labelled = edition.drawFile.rule == core::LineRule::NumberDateNumbers;
    std::vector<std::string> lines;
    lines.reserve(draws.size());
    for (int i = count - 1; i >= 0; --i) {
        std::string line;
        if (labelled) {
            char label[32];
            std::snprintf(label, sizeof label, "%d %02d.%02d.%04d", i + 1, 1 + i % 28,
                          1 + i / 28 % 12, 1990 + i / 336);
            line = label;
        }
        for (int n : draws[i]) line += (line.empty() ? "" : " ") + std::to_string(n);
        lines.push_back(std::move(line));
    }
    return lines;
}

// A store holding such a history, read from its lines as the program loads its file.
inline core::DrawStore HistoryStore(int count, const core::Edition& edition, unsigned seed = 645) {
    core::DrawStore store;
    core::LoadDrawLines(HistoryLines(count, edition, seed), edition.drawFile, store);
    return store;
}

} // namespace bench_support
