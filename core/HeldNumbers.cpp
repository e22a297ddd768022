#include "core/HeldNumbers.h"

namespace core {

int HeldNumbers(const Draw& d, const Game& game, std::array<int, MaxPerDraw>& held) {
    int count = 0;
    for (int k = 0; k < game.perDraw; ++k) {
        const int v = d[k];
        if (v < 1 || v > game.pool) continue;
        // Insertion in order; a number already there is left out.
        int at = count;
        while (at > 0 && held[at - 1] > v) --at;
        if (at > 0 && held[at - 1] == v) continue;
        for (int m = count; m > at; --m) held[m] = held[m - 1];
        held[at] = v;
        ++count;
    }
    return count;
}

} // namespace core
