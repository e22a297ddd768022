#include "core/GridColumns.h"

#include "core/Format.h"
#include "core/NumberWriter.h"

#include <algorithm>

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

void WriteMainGridCell(const DrawStore& store, int index, const Game& game, const DrawLabel* label,
                       int col, std::string& out) {
    out.clear();
    const int n = game.perDraw;
    const Draw& d = store[index];
    auto sum = [&] {
        int s = 0;
        for (int k = 0; k < n; ++k) s += d[k];
        return s;
    };
    if (col == 0) {
        if (label)
            out = label->drawNumber;
        else
            AppendInt(out, store.DrawCount - index);
    } else if (col == 1) {
        if (label) out = label->date;
    } else if (col >= 2 && col < 2 + n) {
        AppendInt(out, d[col - 2]);
    } else if (col == 9) {
        AppendInt(out, DrawSpan(d, n));
    } else if (col == 10) {
        AppendRatio(out, sum(), n, 2);
    } else if (col >= 12 && col < 12 + n - 1) {
        Draw deltas = d;
        DrawDeltas(deltas, n);
        AppendInt(out, deltas[col - 12]);
    } else if (col == 18) {
        AppendInt(out, CountOdd(d, n));
    } else if (col == 19) {
        AppendInt(out, CountEven(d, n));
    } else if (col == 20) {
        AppendInt(out, sum());
    } else if (col == 21 && index + 1 < store.DrawCount) {
        AppendInt(out, CountEqualPairs(d, store[index + 1], n));
    }
}

namespace {

// The draws and labels a main grid shows, shared by its columns.
struct MainGridData {
    DrawStore store;
    Game game;
    std::vector<DrawLabel> labels;
};

class MainGridColumn final : public CellColumn {
public:
    MainGridColumn(std::shared_ptr<const MainGridData> data, int col)
        : data_(std::move(data)), col_(col) {}

    std::size_t Count() const override {
        return static_cast<std::size_t>(std::max(data_->store.DrawCount, 0));
    }
    void Write(std::size_t i, std::string& out) const override {
        const DrawLabel* label = i < data_->labels.size() ? &data_->labels[i] : nullptr;
        WriteMainGridCell(data_->store, static_cast<int>(i), data_->game, label, col_, out);
    }

private:
    std::shared_ptr<const MainGridData> data_;
    int col_;
};

} // namespace

std::vector<std::shared_ptr<const CellColumn>>
MainGridSources(const DrawStore& store, const Game& game, const std::vector<DrawLabel>& labels) {
    auto data = std::make_shared<MainGridData>(MainGridData{store, game, labels});
    std::vector<std::shared_ptr<const CellColumn>> columns;
    for (int c = 0; c < MainGridColumns; ++c)
        columns.push_back(std::make_shared<MainGridColumn>(data, c));
    return columns;
}

} // namespace core
