#include "core/Groups.h"

#include "core/NumberRoutines.h"
#include "core/Sentence.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace core {

int GroupOfNumber(int x, int n, int pool) {
    if (x < 1 || x > pool || n < 1 || n > pool) return 0;
    const int size = pool / n;
    return std::min((x - 1) / size + 1, pool / size);
}

int DecadeOfNumber(int x) {
    if (x < 1 || x > 45) return 0;
    return x / 10 + 1;
}

int GroupCount(int n, int pool) {
    if (n < 1) return 5;
    n = std::min(n, pool);
    return pool / (pool / n);
}

Prompt GroupsPrompt() {
    return {"Numbers in groups", "Enter number of groups (use 0 for groups 1-9..40-45)", "0"};
}

int GroupsAnswer(std::string_view answer, int pool) {
    return std::min(AskNumberAnswer(answer, 0), pool);
}

TableResult Groups(const DrawStore& store, const Game& game, int n, Lang lang) {
    const int dc = std::max(store.DrawCount, 0);
    const int perDraw = game.perDraw;
    const int first = perDraw + 3;         // 8
    const int separator = first + perDraw; // 13
    const int groups = GroupCount(n, game.pool);

    TableResult r;
    r.caption = Sentence{"Числа в %1 группах", "Numbers in %1 groups"}(lang, groups);
    r.table.colCount = GroupCountColumn + 1;
    for (int c = 1; c <= GroupCountColumn; ++c) r.table.widths.push_back({c, 20});
    auto& cols = r.table.columns;
    for (int p = 0; p < perDraw; ++p)
        cols.push_back({first + p, "g" + std::to_string(p + 1), 0, {}});
    cols.push_back({separator, "", 0, {}});
    cols.push_back({GroupCountColumn, "N", 0, {}});
    std::vector<std::shared_ptr<NumberColumn>> values;
    for (auto& c : cols) {
        values.push_back(std::make_shared<NumberColumn>(static_cast<std::size_t>(dc)));
        c.cells = values.back();
    }

    // The group of every value a draw can hold, worked out once.
    std::array<std::uint8_t, 256> groupOf{};
    for (int x = 0; x < 256; ++x)
        groupOf[x] =
            static_cast<std::uint8_t>(n > 0 ? GroupOfNumber(x, n, game.pool) : DecadeOfNumber(x));
    for (int i = 0; i < dc; ++i) {
        std::uint64_t hit = 0;
        for (int p = 0; p < perDraw; ++p) {
            const int g = groupOf[store[i][p]];
            values[p]->Set(i, g);
            // N counts every group the cut makes, so no number goes uncounted.
            if (g >= 1 && g <= groups) hit |= std::uint64_t{1} << (g & 63);
        }
        values.back()->Set(i, std::popcount(hit));
    }
    return r;
}

bool GroupHighlighted(std::string_view cell, int chosen) {
    const auto first = cell.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const auto last = cell.find_last_not_of(' ');
    const std::string_view digits = cell.substr(first, last - first + 1);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    try {
        return StrToInt(digits) == chosen;
    } catch (const ConversionError&) {
        return false;
    }
}

} // namespace core
