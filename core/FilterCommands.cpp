#include "core/FilterCommands.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/Sentence.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace core {

int IndexOfNumber(int x, const std::uint8_t* a, int n) {
    for (int i = 0; i < n; ++i)
        if (a[i] == x) return i;
    return -1;
}

void CompactNonZero(std::uint8_t* a, int n) {
    std::stable_partition(a, a + std::max(n, 0), [](std::uint8_t v) { return v != 0; });
}

void DropLeadingZeros(std::uint8_t* a, int n) {
    int zeros = 0;
    while (zeros < n && a[zeros] == 0) ++zeros;
    if (zeros == n) return;
    std::copy(a + zeros, a + n, a);
    std::fill(a + n - zeros, a + n, std::uint8_t{0});
}

TableResult FilterAny(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    const int dc = std::max(store.DrawCount, 0);
    const int perDraw = std::clamp(game.perDraw, 0, MaxPerDraw);
    const int anyFirst = perDraw + 3;         // 9; 8 for five numbers
    const int separator = anyFirst + perDraw; // 15; 13
    const int posFirst = separator + 1;       // 16; 14

    TableResult r;
    r.caption = edition.filter->anyCaption(lang);
    r.table.colCount = edition.filter->anyColCount;
    auto& cols = r.table.columns;
    for (int p = 0; p < perDraw; ++p)
        cols.push_back({anyFirst + p, "Any" + std::to_string(p + 1), 30, {}});
    cols.push_back({separator, "", 0, {}});
    for (int p = 0; p < perDraw; ++p)
        cols.push_back({posFirst + p, "Pos" + std::to_string(p + 1), 30, {}});
    std::vector<std::shared_ptr<NumberColumn>> values;
    for (auto& c : cols) {
        values.push_back(std::make_shared<NumberColumn>(static_cast<std::size_t>(dc)));
        c.cells = values.back();
    }

    // Walking from the oldest draw to the newest, the last draw seen holding a number (at any
    // position, and at each position) is the next older occurrence of the draw in hand: one
    // pass instead of a walk back per draw.
    std::array<int, 256> lastAny;
    lastAny.fill(-1);
    std::vector<std::array<int, 256>> lastAt(perDraw);
    for (auto& a : lastAt) a.fill(-1);
    for (int i = dc - 1; i >= 0; --i) {
        const Draw& d = store[i];
        // The distances, sorted by a fixed network of compare-exchanges (no branch to
        // mispredict); a number seen for the first time, or a 0, has none and sorts last.
        std::array<int, MaxPerDraw> dist;
        dist.fill(INT_MAX);
        for (int p = 0; p < perDraw; ++p) {
            const int last = d[p] != 0 ? lastAny[d[p]] : -1;
            dist[p] = last >= 0 ? last - i : INT_MAX;
        }
        static_assert(MaxPerDraw == 6);
        auto order = [&dist](int a, int b) {
            const int lo = std::min(dist[a], dist[b]), hi = std::max(dist[a], dist[b]);
            dist[a] = lo;
            dist[b] = hi;
        };
        order(0, 5), order(1, 3), order(2, 4), order(1, 2), order(3, 4), order(0, 3);
        order(2, 5), order(0, 1), order(2, 3), order(4, 5), order(1, 2), order(3, 4);
        for (int s = 0; s < perDraw; ++s)
            values[s]->Set(i, dist[s] == INT_MAX ? NumberColumn::NoValue : dist[s] - 1);
        for (int p = 0; p < perDraw; ++p) {
            const int k = lastAt[p][d[p]];
            if (k >= 0) values[perDraw + 1 + p]->Set(i, k - i - 1);
        }
        for (int p = 0; p < perDraw; ++p) {
            lastAny[d[p]] = i;
            lastAt[p][d[p]] = i;
        }
    }
    return r;
}

Prompt SeparationPrompt(int drawCount, Lang lang) {
    const std::string n = std::to_string(drawCount);
    return {BiText{"Сепарация по группам", "Separation by groups"}(lang),
            Sentence{"Введите номер тиража, 1..%1", "Enter number of draw, 1..%1"}(lang, n), n};
}

std::string SeparationRangeMessage(int drawCount, Lang lang) {
    if (drawCount < 1) return BiText{"Нет тиражей", "There are no draws"}(lang);
    return Sentence{"Номер тиража должен быть от 1 до %1",
                    "The draw number must be 1..%1"}(lang, drawCount);
}

std::string SeparationLine(const std::uint8_t* record, const std::uint8_t* marked, int perDraw,
                           int pool) {
    std::array<std::uint8_t, MaxPerDraw> rec{};
    std::copy(record, record + perDraw, rec.begin());
    CompactNonZero(rec.data(), perDraw);
    const std::string full = NumbersToText(rec.data(), true, " ", perDraw, pool);
    // Removing every "00" leaves the blanks that separated the removed numbers.
    std::string text;
    for (std::size_t i = 0; i < full.size();) {
        if (full.compare(i, 2, "00") == 0) {
            i += 2;
        } else {
            text += full[i++];
        }
    }
    if (!marked) return text;
    for (int p = 0; p < perDraw; ++p) {
        const std::string t = ZeroPad(marked[p], pool);
        std::size_t at = text.find(t);
        if (at == std::string::npos) continue;
        text += ' ';
        if (at == 0) {
            text.insert(0, " ");
            at = 1;
        }
        // A marked neighbour keeps its bracket: the two share no character.
        if (text[at - 1] == ']') {
            text.insert(at, "[");
            ++at;
        } else {
            text[at - 1] = '[';
        }
        const std::size_t after = at + t.size();
        if (text[after] == '[') {
            text.insert(after, "]");
        } else {
            text[after] = ']';
        }
    }
    return text;
}

SeparationSpan SeparationRange(const DrawStore& store, const Game& game, int s) {
    const int dc = store.DrawCount;
    // Reach: the step to the first older draw holding each number; one walk finds them all.
    std::vector<int> reach(game.pool + 1, 0);
    int missing = game.pool;
    for (int k = s + 1; k < dc && missing > 0; ++k)
        for (int p = 0; p < game.perDraw; ++p) {
            const int v = store[k][p];
            if (v >= 1 && v <= game.pool && reach[v] == 0) {
                reach[v] = k - s;
                --missing;
            }
        }
    return {std::min(s + *std::max_element(reach.begin(), reach.end()), dc - 1), missing > 0};
}

std::vector<Draw> SeparationRecords(const DrawStore& store, int perDraw, int s, int last) {
    std::vector<Draw> records;
    if (s < 0 || last < s) return records;
    records.reserve(last - s + 1);
    // A number stays only in its newest record of the range: drop what a newer one held.
    std::array<bool, 256> seen{};
    for (int k = s; k <= last; ++k) {
        Draw rec = store[k];
        for (int p = 0; p < perDraw; ++p)
            if (seen[rec[p]]) rec[p] = 0;
        for (int p = 0; p < perDraw; ++p) seen[store[k][p]] = true;
        records.push_back(rec);
    }
    return records;
}

std::optional<CommandResult> Separation(const DrawStore& store, const Game& game, int drawNumber,
                                        Lang lang) {
    const int dc = store.DrawCount;
    if (drawNumber < 1 || drawNumber > dc) return std::nullopt;
    const int perDraw = game.perDraw;
    const int s = dc - drawNumber;
    const SeparationSpan span = SeparationRange(store, game, s);

    const std::uint8_t* marked = s >= 1 ? store[s - 1].data() : nullptr;
    CommandResult r;
    for (const Draw& rec : SeparationRecords(store, perDraw, s, span.last))
        r.lines.push_back(SeparationLine(rec.data(), marked, perDraw, game.pool));
    r.lines.emplace_back();
    if (span.incomplete) r.lines.push_back(BiText{"Не полный расёчт", "Not Completed"}(lang));
    r.caption =
        Sentence{"Расчёт начиная с тиража %1", "Starting from draw number %1"}(lang, dc - s);
    return r;
}

} // namespace core
