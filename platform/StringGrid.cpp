#include "platform/StringGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace platform {

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(TStringGrid* grid) : grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : std::max(rows_ - 1, 0);
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : cols_;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole) {
            std::string text;
            Cell(index.column(), index.row() + 1, text);
            return QString::fromStdString(text);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromStdString(Stored(section, 0));
        if (orientation == Qt::Horizontal && role == Qt::BackgroundRole)
            return ToQColor(grid_->fixedColor_);
        return {};
    }

    const core::CellColumn* SourceOf(int col, int row) const {
        if (row < 1 || col < 0 || col >= static_cast<int>(sources_.size())) return nullptr;
        const core::CellColumn* s = sources_[col].get();
        return s && static_cast<std::size_t>(row - 1) < s->Count() ? s : nullptr;
    }

    const std::string& Stored(int col, int row) const {
        static const std::string empty;
        if (row < 0 || row >= static_cast<int>(cells_.size())) return empty;
        const auto& r = cells_[row];
        if (col < 0 || col >= static_cast<int>(r.size())) return empty;
        return r[col];
    }

    void Cell(int col, int row, std::string& out) const {
        if (const core::CellColumn* s = SourceOf(col, row))
            s->Write(static_cast<std::size_t>(row - 1), out);
        else
            out = Stored(col, row);
    }

    void SetSource(int col, std::shared_ptr<const core::CellColumn> source) {
        if (col < 0) return;
        if (col >= static_cast<int>(sources_.size())) sources_.resize(col + 1);
        sources_[col] = std::move(source);
    }

    // A cell written by hand in a column made on demand: the column becomes written cells.
    void Detach(int col) {
        if (col < 0 || col >= static_cast<int>(sources_.size()) || !sources_[col]) return;
        const auto source = std::move(sources_[col]);
        std::string text;
        for (std::size_t i = 0; i < source->Count(); ++i) {
            source->Write(i, text);
            CellRef(col, static_cast<int>(i) + 1) = text;
        }
    }

    std::string& CellRef(int col, int row) {
        if (row >= 1) Detach(col);
        if (row >= static_cast<int>(cells_.size())) cells_.resize(row + 1);
        auto& r = cells_[row];
        if (col >= static_cast<int>(r.size())) r.resize(col + 1);
        return r[col];
    }

    void Changed(int col, int row) {
        if (updating_ > 0) return;
        if (row == 0 && col < cols_) {
            emit headerDataChanged(Qt::Horizontal, col, col);
        } else if (row >= 1 && row < rows_ && col < cols_) {
            const QModelIndex i = index(row - 1, col);
            emit dataChanged(i, i);
        }
    }

    void SetCounts(int cols, int rows) {
        if (cols == cols_ && rows == rows_) return;
        if (updating_ == 0) beginResetModel();
        cols_ = cols;
        rows_ = rows;
        if (updating_ == 0) endResetModel();
    }

    void Begin() {
        if (updating_++ == 0) beginResetModel();
    }
    void End() {
        if (updating_ > 0 && --updating_ == 0) endResetModel();
    }

    std::vector<std::vector<std::string>> cells_;
    // Columns made on demand, over rows 1..Count(); below them the written cells show.
    std::vector<std::shared_ptr<const core::CellColumn>> sources_;
    int cols_ = 5;
    int rows_ = 5;
    int updating_ = 0;
    std::string paintText_; // reused by every painted cell

private:
    TStringGrid* grid_;
};

// The fixed row, drawn as the grid draws its cells: the text at 2,2 on the fixed colour, cut at
// the column's edge, in the grid's own font.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        if (!rect.isValid()) return;
        painter->save();
        painter->setFont(font());
        painter->fillRect(rect, ToQColor(grid_->fixedColor_));
        painter->setPen(ToQColor(core::clBtnShadow));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->setPen(Qt::black);
        painter->setClipRect(rect.adjusted(0, 0, -1, -1));
        painter->drawText(rect.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop,
                          QString::fromStdString(grid_->Cells(section, 0)));
        painter->restore();
    }

private:
    TStringGrid* grid_;
};

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const int col = index.column(), row = index.row() + 1;
        painter->save();
        if (!grid_->OnDrawCell || !grid_->OnDrawCell(*painter, option.rect, col, row, selected))
            grid_->DefaultDrawCell(*painter, option.rect, col, row, selected);
        painter->restore();
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(QWidget* parent)
    : QTableView(parent), model_(std::make_unique<GridModel>(this)) {
    setHorizontalHeader(new GridHeader(this));
    setModel(model_.get());
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(20);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    SetFixedColor(core::clBtnFace);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (userChange_ && OnClick) OnClick();
    });
}

TStringGrid::~TStringGrid() {
    setModel(nullptr);
}

std::string TStringGrid::Cells(int col, int row) const {
    std::string text;
    model_->Cell(col, row, text);
    return text;
}

void TStringGrid::SetColumn(int col, std::shared_ptr<const core::CellColumn> cells) {
    if (col < 0) return;
    model_->SetSource(col, std::move(cells));
    if (model_->updating_ == 0) Invalidate();
}

void TStringGrid::SetCells(int col, int row, std::string text) {
    if (col < 0 || row < 0) return;
    model_->CellRef(col, row) = std::move(text);
    model_->Changed(col, row);
}

std::shared_ptr<const core::CellColumn> TStringGrid::Column(int col) const {
    const std::size_t rows = static_cast<std::size_t>(RowCount() - 1);
    if (col >= 0 && col < static_cast<int>(model_->sources_.size())) {
        const auto& source = model_->sources_[col];
        if (source && source->Count() == rows) return source;
    }
    std::vector<std::string> cells(rows);
    for (std::size_t i = 0; i < rows; ++i) model_->Cell(col, static_cast<int>(i) + 1, cells[i]);
    return std::make_shared<core::TextColumn>(std::move(cells));
}

void TStringGrid::SetRowCells(int row, std::vector<std::string> cells) {
    if (row < 0) return;
    if (row >= static_cast<int>(model_->cells_.size())) model_->cells_.resize(row + 1);
    for (std::size_t c = 0; c < cells.size(); ++c)
        model_->CellRef(static_cast<int>(c), row) = std::move(cells[c]);
    if (model_->updating_ == 0) Invalidate();
}

void TStringGrid::ClearCells() {
    BeginUpdate();
    for (auto& r : model_->cells_)
        for (auto& c : r) c.clear();
    model_->sources_.clear();
    EndUpdate();
}

int TStringGrid::ColCount() const {
    return model_->cols_;
}

void TStringGrid::SetColCount(int n) {
    const int row = Row(), col = Col();
    userChange_ = false;
    model_->SetCounts(std::max(n, 1), model_->rows_);
    userChange_ = true;
    if (model_->updating_ == 0) {
        userChange_ = false;
        setCurrentIndex(
            model_->index(std::min(row, RowCount() - 1) - 1, std::min(col, ColCount() - 1)));
        userChange_ = true;
    }
}

int TStringGrid::RowCount() const {
    return model_->rows_;
}

void TStringGrid::SetRowCount(int n) {
    const int row = Row(), col = Col();
    userChange_ = false;
    model_->SetCounts(model_->cols_, std::max(n, 1));
    if (model_->updating_ == 0)
        setCurrentIndex(model_->index(std::min(row, RowCount() - 1) - 1, std::max(col, 0)));
    userChange_ = true;
}

int TStringGrid::ColWidths(int col) const {
    return horizontalHeader()->sectionSize(col);
}

void TStringGrid::SetColWidths(int col, int width) {
    horizontalHeader()->resizeSection(col, width);
}

void TStringGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = width;
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < ColCount(); ++c) horizontalHeader()->resizeSection(c, width);
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

int TStringGrid::Row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

void TStringGrid::SetRow(int row) {
    if (row < 1 || row >= RowCount()) return;
    userChange_ = false;
    setCurrentIndex(model_->index(row - 1, std::max(Col(), 0)));
    scrollTo(currentIndex());
    userChange_ = true;
}

int TStringGrid::Col() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 0;
}

int TStringGrid::TopRow() const {
    return rowAt(0) + 1;
}

void TStringGrid::SetFixedColor(TColor color) {
    fixedColor_ = color;
    horizontalHeader()->viewport()->update();
}

void TStringGrid::BeginUpdate() {
    model_->Begin();
}

void TStringGrid::EndUpdate() {
    const int row = Row(), col = Col();
    userChange_ = false;
    model_->End();
    if (model_->updating_ == 0 && RowCount() > 1)
        setCurrentIndex(
            model_->index(std::min(row, RowCount() - 1) - 1, std::min(col, ColCount() - 1)));
    userChange_ = true;
}

void TStringGrid::DefaultDrawCell(QPainter& p, const QRect& rect, int col, int row,
                                  bool selected) const {
    p.fillRect(rect, selected ? ToQColor(core::clHighlight) : QColor(Qt::white));
    p.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    std::string& text = model_->paintText_;
    model_->Cell(col, row, text);
    p.drawText(rect.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop,
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TStringGrid::Invalidate() {
    viewport()->update();
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (OnDblClick) OnDblClick();
}

} // namespace platform
