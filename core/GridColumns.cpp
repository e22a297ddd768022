#include "core/GridColumns.h"

#include "core/Format.h"
#include "core/NumberWriter.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace core {

std::shared_ptr<const CellColumn> DrawNumberColumn(const DrawStore& store) {
    const int dc = std::max(store.DrawCount, 0);
    std::vector<std::int32_t> values(static_cast<std::size_t>(dc));
    for (int i = 0; i < dc; ++i) values[static_cast<std::size_t>(i)] = dc - i;
    return std::make_shared<NumberColumn>(std::move(values));
}

std::shared_ptr<const CellColumn> PositionColumn(const DrawStore& store, int p) {
    const int dc = std::max(store.DrawCount, 0);
    std::vector<std::int32_t> values(static_cast<std::size_t>(dc));
    for (int i = 0; i < dc; ++i) values[static_cast<std::size_t>(i)] = store[i][p];
    return std::make_shared<NumberColumn>(std::move(values));
}

namespace {

int Sum(const Draw& d, int n) {
    int s = 0;
    for (int k = 0; k < n; ++k) s += d[k];
    return s;
}

const Draw& DrawOf(const MainGridRecord& r) {
    return r.store[r.index];
}

void WriteDrawNumber(const MainGridRecord& r, int, std::string& out) {
    if (r.label)
        out = r.label->drawNumber;
    else
        AppendInt(out, r.store.DrawCount - r.index);
}
void WriteDate(const MainGridRecord& r, int, std::string& out) {
    if (r.label) out = r.label->date;
}
void WriteNumber(const MainGridRecord& r, int position, std::string& out) {
    AppendInt(out, DrawOf(r)[position]);
}
void WriteSpan(const MainGridRecord& r, int, std::string& out) {
    AppendInt(out, DrawSpan(DrawOf(r), r.game.perDraw));
}
void WriteAverage(const MainGridRecord& r, int, std::string& out) {
    AppendRatio(out, Sum(DrawOf(r), r.game.perDraw), r.game.perDraw, 2);
}
void WriteDifference(const MainGridRecord& r, int position, std::string& out) {
    Draw deltas = DrawOf(r);
    DrawDeltas(deltas, r.game.perDraw);
    AppendInt(out, deltas[position]);
}
void WriteOdd(const MainGridRecord& r, int, std::string& out) {
    AppendInt(out, CountOdd(DrawOf(r), r.game.perDraw));
}
void WriteEven(const MainGridRecord& r, int, std::string& out) {
    AppendInt(out, CountEven(DrawOf(r), r.game.perDraw));
}
void WriteSum(const MainGridRecord& r, int, std::string& out) {
    AppendInt(out, Sum(DrawOf(r), r.game.perDraw));
}
// Numbers shared with the draw before; the oldest draw has none to compare with.
void WritePrevious(const MainGridRecord& r, int, std::string& out) {
    if (r.index + 1 < r.store.DrawCount)
        AppendInt(out, CountEqualPairs(DrawOf(r), r.store[r.index + 1], r.game.perDraw));
}

using C = MainGridColumn;
using enum GridCell;
// The numbers from column 2 and their differences from column 12, as many as a draw has.
// clang-format off
constexpr MainGridColumn kColumns[] = {
    {0, {"№", "№"}, 30, 0, DrawNumber, WriteDrawNumber},
    {1, {"", ""}, C::EditionWidth, 0, Date, WriteDate},
    {2, {"A1", "A1"}, 0, 0, Number, WriteNumber, 0, 1},
    {3, {"A2", "A2"}, 0, 0, Number, WriteNumber, 1, 2},
    {4, {"A3", "A3"}, 0, 0, Number, WriteNumber, 2, 3},
    {5, {"A4", "A4"}, 0, 0, Number, WriteNumber, 3, 4},
    {6, {"A5", "A5"}, 0, 0, Number, WriteNumber, 4, 5},
    {7, {"A6", "A6"}, 0, 0, Number, WriteNumber, 5, 6},
    {9, {"Макс-Мин", "Max-Min"}, 50, 60, Figure, WriteSpan},
    {10, {"Среднее", "Average"}, 50, 0, Figure, WriteAverage},
    {12, {"d1", "d1"}, 0, 0, Figure, WriteDifference, 0, 2},
    {13, {"d2", "d2"}, 0, 0, Figure, WriteDifference, 1, 3},
    {14, {"d3", "d3"}, 0, 0, Figure, WriteDifference, 2, 4},
    {15, {"d4", "d4"}, 0, 0, Figure, WriteDifference, 3, 5},
    {16, {"d5", "d5"}, 0, 0, Figure, WriteDifference, 4, 6},
    {18, {"Нечет", "Odd"}, 30, 40, Figure, WriteOdd},
    {19, {"Чёт", "Even"}, 30, 30, Figure, WriteEven},
    {20, {"Сумма", "Sum"}, 30, 40, Figure, WriteSum},
    {21, {"Пред", "Prev"}, 30, 35, Figure, WritePrevious},
};
// clang-format on
static_assert(MaxPerDraw == 6, "the table has a number and a difference column per position");

// The table's row of each grid column, -1 for an empty one.
constexpr std::array<int, MainGridColumns> kRowOfColumn = [] {
    std::array<int, MainGridColumns> rows{};
    rows.fill(-1);
    for (int r = 0; r < static_cast<int>(std::size(kColumns)); ++r) rows[kColumns[r].index] = r;
    return rows;
}();

const MainGridColumn* ColumnAt(int col, const Game& game) {
    if (col < 0 || col >= MainGridColumns) return nullptr;
    const int row = kRowOfColumn[static_cast<std::size_t>(col)];
    if (row < 0 || !kColumns[row].ShownFor(game)) return nullptr;
    return &kColumns[row];
}

} // namespace

std::span<const MainGridColumn> MainGridTable() {
    return kColumns;
}

bool ChartsColumn(std::span<const MainGridColumn> table, int col, const Game& game) {
    for (const MainGridColumn& c : table)
        if (c.index == col) return c.ShownFor(game) && c.cell != GridCell::Date;
    return false;
}

std::vector<int> NumberColumns(std::span<const MainGridColumn> table, const Game& game) {
    std::vector<const MainGridColumn*> numbers;
    for (const MainGridColumn& c : table)
        if (c.cell == GridCell::Number && c.ShownFor(game)) numbers.push_back(&c);
    std::ranges::sort(numbers, {}, &MainGridColumn::position);
    std::vector<int> columns;
    for (const MainGridColumn* c : numbers) columns.push_back(c->index);
    return columns;
}

void WriteMainGridCell(const DrawStore& store, int index, const Game& game, const DrawLabel* label,
                       int col, std::string& out) {
    out.clear();
    if (const MainGridColumn* c = ColumnAt(col, game))
        c->write({store, index, game, label}, c->position, out);
}

namespace {

// The draws and labels a main grid shows, shared by its columns.
struct MainGridData {
    DrawStore store;
    Game game;
    std::vector<DrawLabel> labels;
};

// One grid column's cells; an empty column has no table row.
class MainGridCells final : public CellColumn {
public:
    MainGridCells(std::shared_ptr<const MainGridData> data, const MainGridColumn* column)
        : data_(std::move(data)), column_(column) {}

    std::size_t Count() const override {
        return static_cast<std::size_t>(std::max(data_->store.DrawCount, 0));
    }
    void Write(std::size_t i, std::string& out) const override {
        out.clear();
        if (!column_) return;
        const DrawLabel* label = i < data_->labels.size() ? &data_->labels[i] : nullptr;
        column_->write({data_->store, static_cast<int>(i), data_->game, label}, column_->position,
                       out);
    }

private:
    std::shared_ptr<const MainGridData> data_;
    const MainGridColumn* column_;
};

} // namespace

std::vector<std::shared_ptr<const CellColumn>>
MainGridSources(const DrawStore& store, const Game& game, const std::vector<DrawLabel>& labels) {
    auto data = std::make_shared<MainGridData>(MainGridData{store, game, labels});
    std::vector<std::shared_ptr<const CellColumn>> columns;
    for (int c = 0; c < MainGridColumns; ++c)
        columns.push_back(std::make_shared<MainGridCells>(data, ColumnAt(c, game)));
    return columns;
}

} // namespace core
