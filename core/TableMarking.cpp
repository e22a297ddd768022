#include "core/TableMarking.h"

#include "core/NumberRoutines.h"

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

namespace {

bool Holds(const Draw& d, int perDraw, int n) {
    for (int p = 0; p < perDraw; ++p)
        if (d[p] == n) return true;
    return false;
}

bool Traced(const DrawStore& store, int perDraw, const TableMarkState& s, int e, int n) {
    if (e < s.selectedRow || !Holds(s.selected, MaxPerDraw, n)) return false;
    if (s.unlimited) return true;
    // Limited: only the next occurrence below the selected row, so no draw between may hold n.
    for (int k = e - 1; k >= s.selectedRow; --k)
        if (Holds(store[k], perDraw, n)) return false;
    return true;
}

} // namespace

TableMark MarkOf(const DrawStore& store, int perDraw, const TableMarkState& s, int col, int row,
                 int colCount) {
    if (!s.filterMode || row < 1 || col < 0 || col >= colCount) return TableMark::None;
    const int e = row - 1;
    const int j = col - 2;
    if (j >= 0 && j < perDraw && e < store.DrawCount) {
        const int n = store[e][j];
        if (n != 0) {
            if (s.highlight != 0 && n == s.highlight) return TableMark::HighLight;
            if (Traced(store, perDraw, s, e, n)) return TableMark::Trace;
        }
    }
    return row == s.selectedRow ? TableMark::SelectedRow : TableMark::None;
}

TColor MarkColor(TableMark mark) {
    switch (mark) {
    case TableMark::SelectedRow:
        return SelectedRowColor;
    case TableMark::Trace:
        return TraceColor;
    case TableMark::HighLight:
        return HighLightColor;
    case TableMark::None:
        break;
    }
    return clWhite;
}

} // namespace core
