#include "core/TableMarking.h"

#include "core/FilterCommands.h"
#include "core/NumberRoutines.h"

#include <algorithm>

namespace core {

Draw SelectedNumbers(const std::vector<std::string>& numberCells) {
    Draw d{};
    try {
        ParseNumbers(RowNumbersText(numberCells), d.data(), MaxPerDraw);
    } catch (const ConversionError&) {
        d = Draw{}; // the marking has no failure path: an unreadable row selects nothing
    }
    return d;
}

TableMarks::TableMarks(const DrawStore& store, const Game& game, const TableMarkState& state,
                       const TableRules& rules)
    : store_(store), perDraw_(std::clamp(game.perDraw, 0, MaxPerDraw)), state_(state) {
    const int dc = std::max(store.DrawCount, 0);
    if (!state.filterMode) return;
    traced_.assign(dc, 0);
    // From the draw below the selected row towards the oldest; in limited mode each selected
    // number is used up at its first hit.
    bool used[MaxPerDraw] = {};
    int hits = 0;
    for (int e = std::max(state.selectedRow, 0); e < dc; ++e) {
        const Draw& d = store[e];
        for (int k = 0; k < MaxPerDraw; ++k) {
            const int n = state.selected[k];
            if (used[k] || n == 0) continue;
            for (int j = 0; j < perDraw_; ++j) {
                if (d[j] != n) continue;
                traced_[e] |= static_cast<std::uint8_t>(1u << j);
                ++hits;
                if (!state.unlimited) used[k] = true;
            }
        }
        if (rules.traceCap > 0 && hits >= rules.traceCap) break;
    }
    if (state.separation) {
        separated_.assign(dc, 0);
        const int s = state.selectedRow - 1;
        if (s >= 0 && s < dc) {
            const SeparationSpan span = SeparationRange(store, game, s);
            const std::vector<Draw> kept = SeparationRecords(store, perDraw_, s, span.last);
            for (std::size_t i = 0; i < kept.size(); ++i)
                for (int j = 0; j < perDraw_; ++j)
                    if (kept[i][j] != 0) separated_[s + i] |= static_cast<std::uint8_t>(1u << j);
        }
    }
}

TableMark TableMarks::At(int col, int row, int colCount) const {
    if (!state_.filterMode || row < 1 || col < 0 || col >= colCount) return TableMark::None;
    const int e = row - 1;
    const int j = col - 2;
    if (j >= 0 && j < perDraw_ && e < store_.DrawCount) {
        const int n = store_[e][j];
        const unsigned bit = 1u << j;
        if (!separated_.empty() && (separated_[e] & bit)) return TableMark::Separation;
        if (n != 0) {
            if (state_.highlight != 0 && n == state_.highlight) return TableMark::HighLight;
            if (traced_[e] & bit) return TableMark::Trace;
        }
    }
    return row == state_.selectedRow ? TableMark::SelectedRow : TableMark::None;
}

TableMark MarkOf(const DrawStore& store, int perDraw, const TableMarkState& state, int col, int row,
                 int colCount) {
    return TableMarks(store, Game{.pool = 0, .perDraw = perDraw}, state, TableRules{.traceCap = 0})
        .At(col, row, colCount);
}

TColor MarkColor(TableMark mark) {
    switch (mark) {
    case TableMark::SelectedRow:
        return SelectedRowColor;
    case TableMark::Trace:
        return TraceColor;
    case TableMark::HighLight:
        return HighLightColor;
    case TableMark::Separation:
        return SeparationColor;
    case TableMark::Group:
        return GroupColor;
    case TableMark::None:
        break;
    }
    return clWhite;
}

} // namespace core
