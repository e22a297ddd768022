#include "core/Combinations.h"

#include "core/BiText.h"
#include "core/Game.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"

#include <algorithm>

namespace core {

std::string CombinationsQuestion(Lang lang) {
    return BiText{"Расчёт займёт некоторое время. Продолжить?",
                  "It takes a while. Continue?"}(lang);
}

std::int32_t CombinationRank(const std::uint8_t* numbers, const Game& game) {
    const int k = game.perDraw;
    int previous = 0;
    for (int i = 0; i < k; ++i) {
        if (numbers[i] <= previous || numbers[i] > game.pool) return 0;
        previous = numbers[i];
    }
    // Before the combination come, for each position i, those that agree on the positions
    // before it and hold a smaller number at i; for each such number v there are
    // C(pool - v, k - 1 - i) of them, and the sum over v telescopes.
    long long before = 0;
    previous = 0;
    for (int i = 0; i < k; ++i) {
        const int rest = k - i; // positions from i on
        before += Binomial(game.pool - previous, rest) - Binomial(game.pool - numbers[i] + 1, rest);
        previous = numbers[i];
    }
    return static_cast<std::int32_t>(before + 1);
}

CommandResult Combinations(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    const int n = std::max(store.DrawCount, 0);
    const bool paged = edition.filter->pagedSeries;
    CommandResult r;
    r.caption = BiText{"Комбинации", "Combinations"}(lang);
    ChartData chart;
    if (paged) chart.pagedSeries.emplace(n, 0);
    std::vector<std::int32_t> ranks(static_cast<std::size_t>(n));
    for (int q = 0; q < n; ++q) {
        const std::int32_t rank = CombinationRank(store[q].data(), game);
        ranks[q] = rank;
        if (paged) {
            (*chart.pagedSeries)[n - q - 1] = rank;
        } else if (n - q <= 100) { // the chart keeps points 1..100 only
            chart.values.push_back({1, n - q, static_cast<double>(rank)});
        }
    }
    // "N:rank" per draw, made when it is shown.
    const int width = IntDigits(n);
    r.source = MakeRowLines(
        {}, static_cast<std::size_t>(n), std::move(ranks),
        [width](const std::vector<std::int32_t>& v, std::size_t q) {
            return static_cast<std::size_t>(width + 1 + IntDigits(v[q]));
        },
        [width, n](const std::vector<std::int32_t>& v, std::size_t q, std::string& out) {
            AppendPadded(out, n - static_cast<int>(q), width);
            out += ':';
            AppendInt(out, v[q]);
        });
    chart.yMax = 255;
    chart.yMin = 0;
    r.charts.push_back(std::move(chart));
    return r;
}

} // namespace core
