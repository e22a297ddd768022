#pragma once

#include "core/CellColumn.h"
#include "platform/Colors.h"

#include <QTableView>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class GridModel;

// The string grid addressed as Cells(col, row), column first, row 0 the header row.
// Cells are kept apart from the counts, so shrinking and growing ColCount or RowCount keeps
// what was written.
class TStringGrid : public QTableView {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, std::string text);
    // Rows 1..cells->Count() of the column, made when they are painted or asked for; writing
    // one of its cells turns the column into written cells.
    void SetColumn(int col, std::shared_ptr<const core::CellColumn> cells);
    // Rows 1..RowCount() - 1 of the column: the column made on demand when it covers them,
    // otherwise a copy of the cells.
    std::shared_ptr<const core::CellColumn> Column(int col) const;
    // Writes a whole row of cells from column 0 on.
    void SetRowCells(int row, std::vector<std::string> cells);
    // Empties every cell (the counts stay).
    void ClearCells();

    int ColCount() const;
    void SetColCount(int n);
    int RowCount() const;
    void SetRowCount(int n);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    // The selected row (1.. RowCount-1; 1 when there is none) and column.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    int TopRow() const;
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);

    // Bulk filling: no repaint or model signal until EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // Cell painting hook: return true when the cell was painted. row is the grid row.
    std::function<bool(QPainter&, const QRect&, int col, int row, bool selected)> OnDrawCell;
    std::function<void()> OnClick;    // the selected cell changed by the user
    std::function<void()> OnDblClick; // double click on a cell
    // Paints a cell the default way (text at 2,2 on white, or highlighted when selected).
    void DefaultDrawCell(QPainter& p, const QRect& rect, int col, int row, bool selected) const;

    // Repaints the visible cells (after the marking rules changed).
    void Invalidate();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class GridModel;
    friend class GridDelegate;
    friend class GridHeader;
    std::unique_ptr<GridModel> model_;
    TColor fixedColor_ = core::clBtnFace;
    int defaultColWidth_ = 64;
    bool userChange_ = true;
};

} // namespace platform
