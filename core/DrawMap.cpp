#include "core/DrawMap.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"

#include <algorithm>

namespace core {

void BuildDrawMap(const DrawStore& store, const Game& game, DrawMapTable& map) {
    const int columns = std::min(game.pool, DrawMapTable::Columns);
    const int count = std::clamp(store.DrawCount, 0, DrawMapTable::Rows);
    for (int i = 0; i < count; ++i) {
        std::array<std::uint8_t, DrawMapTable::Columns> presence{};
        const Draw& d = store[i];
        for (int k = 0; k < game.perDraw; ++k)
            if (d[k] >= 1 && d[k] <= columns) presence[d[k] - 1] = 1;
        std::copy(presence.begin(), presence.begin() + columns, map.row(i).begin());
    }
}

CommandResult MapCommand(const DrawStore& store, const Game& game, Lang lang,
                         const DrawMapTable& map) {
    CommandResult result;
    result.caption = BiText{"Карта", "Map"}(lang);
    const int columns = std::min(game.pool, DrawMapTable::Columns);
    const int count = std::clamp(store.DrawCount, 0, DrawMapTable::Rows);
    result.lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::string line = ZeroPad(store.DrawCount - i, store.DrawCount) + ":";
        line += NumbersToText(map.row(i).data(), false, "", columns, game.pool);
        result.lines.push_back(std::move(line));
    }
    return result;
}

} // namespace core
