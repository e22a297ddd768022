#include "core/DrawMap.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"

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
    // "N:" and the row's marks per draw, made when it is shown from a copy of the rows (the
    // map is rebuilt by the next Map).
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(count) * columns);
    for (int i = 0; i < count; ++i)
        std::copy(map.row(i).begin(), map.row(i).begin() + columns,
                  rows.begin() + static_cast<std::ptrdiff_t>(i) * columns);
    const int drawCount = store.DrawCount;
    const int width = IntDigits(drawCount);
    result.source = MakeRowLines(
        {}, static_cast<std::size_t>(count), std::move(rows),
        [width, columns](const std::vector<std::uint8_t>& v, std::size_t i) {
            std::size_t bytes = static_cast<std::size_t>(width) + 1;
            for (int c = 0; c < columns; ++c) bytes += IntDigits(v[i * columns + c]);
            return bytes;
        },
        [width, columns, drawCount](const std::vector<std::uint8_t>& v, std::size_t i,
                                    std::string& out) {
            AppendPadded(out, drawCount - static_cast<int>(i), width);
            out += ':';
            for (int c = 0; c < columns; ++c) AppendInt(out, v[i * columns + c]);
        });
    return result;
}

} // namespace core
