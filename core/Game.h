#pragma once

#include <string>

namespace core {

// n choose k; 0 outside 0 <= k <= n.
inline long long Binomial(int n, int k) {
    if (k < 0 || n < k) return 0;
    long long c = 1;
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return c;
}

// The game an edition serves: the pool of numbers and how many a draw holds.
struct Game {
    int pool;    // 45 or 36
    int perDraw; // 6 or 5

    std::string tag() const { return std::to_string(perDraw) + "x" + std::to_string(pool); }
    std::string drawFileName() const { return tag() + ".txt"; }
    std::string settingsFileName() const { return "settings_" + tag() + ".ini"; }
    std::string versionFileName() const { return tag() + "_version.txt"; }
    // Count of all combinations of perDraw numbers out of pool.
    long long combinations() const;
};

inline constexpr Game Game6x45{.pool = 45, .perDraw = 6};
inline constexpr Game Game5x36{.pool = 36, .perDraw = 5};

inline long long Game::combinations() const {
    return Binomial(pool, perDraw);
}

} // namespace core
