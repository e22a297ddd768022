#include "core/CenterDifference.h"

#include "core/MeasureCommands.h"
#include "core/NumberWriter.h"
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
    PerDrawChart chart(edition, count);
    std::vector<std::uint8_t> centers(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int c = DrawCenter(store[i], edition.game.perDraw);
        centers[i] = static_cast<std::uint8_t>(c);
        chart.Set(count - i, c);
    }
    // "N: c" per draw, both zero-padded, made when it is shown.
    const int width = IntDigits(count);
    const int poolWidth = IntDigits(edition.game.pool);
    r.source = MakeRowLines(
        {}, static_cast<std::size_t>(count), std::move(centers),
        [width, poolWidth](const std::vector<std::uint8_t>& c, std::size_t i) {
            return static_cast<std::size_t>(width + 2 + std::max(poolWidth, IntDigits(c[i])));
        },
        [width, poolWidth, count](const std::vector<std::uint8_t>& c, std::size_t i,
                                  std::string& out) {
            AppendPadded(out, count - static_cast<int>(i), width);
            out += ": ";
            AppendPadded(out, c[i], poolWidth);
        });
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
    std::string header = "        ";
    for (int d = 0; d < table; ++d) header += ZeroPad(d, game.pool) + " ";
    // A count is at most perDraw squared; its text is worked out once.
    std::vector<std::string> cell(MaxPerDraw * MaxPerDraw + 1);
    cell[0] = "__ ";
    for (std::size_t c = 1; c < cell.size(); ++c) cell[c] = ZeroPad(c, game.pool) + " ";
    // "N: " and a cell per difference for each draw but the oldest, made when it is shown
    // from the draw and the one before it.
    struct Values {
        std::vector<Draw> draws;
        std::vector<std::string> cell;
    } values{store.Loaded(), std::move(cell)};
    const int width = IntDigits(count);
    const std::size_t rows = count > 1 ? static_cast<std::size_t>(count - 1) : 0;
    r.source = MakeRowLines(
        {std::move(header)}, rows, std::move(values),
        [game, width, table](const Values& v, std::size_t i) {
            const auto c = DrawDifferences(v.draws[i], v.draws[i + 1], game);
            std::size_t bytes = static_cast<std::size_t>(width) + 2;
            for (int d = 0; d < table; ++d) bytes += v.cell[c[d]].size();
            return bytes;
        },
        [game, width, table, count](const Values& v, std::size_t i, std::string& out) {
            const auto c = DrawDifferences(v.draws[i], v.draws[i + 1], game);
            AppendPadded(out, count - static_cast<int>(i), width);
            out += ": ";
            for (int d = 0; d < table; ++d) out += v.cell[c[d]];
        });
    return r;
}

} // namespace core
