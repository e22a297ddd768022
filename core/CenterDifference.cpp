#include "core/CenterDifference.h"

#include "core/MeasureCommands.h"
#include "core/NumberRoutines.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace core {

int DrawCenter(const Draw& draw, int perDraw) {
    const int lowest = draw[0];
    const int highest = draw[std::clamp(perDraw, 1, MaxPerDraw) - 1];
    return lowest + (highest - lowest) / 2;
}

CommandResult CenterCommand(const DrawStore& store, const Edition& edition) {
    const int count = std::max(store.DrawCount, 0);
    CommandResult r;
    r.caption = "Center of a group of numbers";
    r.lines.reserve(count);
    PerDrawChart chart(edition, count);
    for (int i = 0; i < count; ++i) {
        const int c = DrawCenter(store[i], edition.game.perDraw);
        r.lines.push_back(ZeroPad(count - i, count) + ": " + ZeroPad(c, edition.game.pool));
        chart.Set(count - i, c);
    }
    r.charts.push_back(chart.Take(std::nullopt));
    return r;
}

std::array<int, 64> DrawDifferences(const Draw& newer, const Draw& older, const Game& game) {
    std::array<int, 64> counts{};
    const int table = std::min<int>(game.pool, counts.size());
    for (int a = 0; a < game.perDraw; ++a)
        for (int b = 0; b < game.perDraw; ++b) {
            const int d = std::abs(newer[a] - older[b]);
            if (d < table) ++counts[d];
        }
    return counts;
}

CommandResult DifferenceCommand(const DrawStore& store, const Edition& edition) {
    const Game& game = edition.game;
    const int count = std::max(store.DrawCount, 0);
    const int table = std::min(game.pool, 64);
    CommandResult r;
    r.caption = "Difference between current and previous draws";
    r.lines.reserve(count);
    std::string header = "        ";
    for (int d = 0; d < table; ++d) header += ZeroPad(d, game.pool) + " ";
    r.lines.push_back(std::move(header));
    // A count is at most perDraw squared; its text is worked out once.
    std::vector<std::string> cell(MaxPerDraw * MaxPerDraw + 1);
    cell[0] = "__ ";
    for (std::size_t c = 1; c < cell.size(); ++c) cell[c] = ZeroPad(c, game.pool) + " ";
    for (int i = 0; i + 1 < count; ++i) {
        const auto counts = DrawDifferences(store[i], store[i + 1], game);
        std::string line = ZeroPad(count - i, count);
        line.reserve(line.size() + 2 + 3 * table);
        line += ": ";
        for (int d = 0; d < table; ++d) line += cell[counts[d]];
        r.lines.push_back(std::move(line));
    }
    return r;
}

} // namespace core
