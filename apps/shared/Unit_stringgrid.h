#pragma once

#include "apps/shared/TableWindowEdition.h"
#include "core/TableColumns.h"
#include "core/TableMarking.h"
#include "platform/Form.h"
#include "platform/StringGrid.h"

#include <optional>
#include <string>

class EditionHost;
class TxpCheckBox;
class TxpComboBox;
class TxpWindow;
class QWheelEvent;

// The table window's grid: the wheel moves the top row by whole notches, gathering the small
// deltas of touchpads, and never past the last page.
class TStringGrid : public platform::TStringGrid {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);

    void SetTopRow(int row);
    // Wheel delta in 1/8 degree (120 a notch); positive turns away from the user (up).
    void MouseWheel(int delta);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int pendingDelta_ = 0;
};

// The table window: every draw (fill_grid) with the columns of the command that shows it.
//
// How a command hands over its table, in this order:
//   1. fill_grid(): row r (1..DrawCount) is draw r - 1, its draw number in column 0 and its
//      numbers, ascending, in columns 2 .. perDraw + 1; column count 15; other cells stay.
//   2. PutColumns(columns), or writes into StringGrid1 itself: its own columns from
//      perDraw + 3 on (it may raise the column count). Columns 1 and perDraw + 2 stay empty.
//   3. Filter Any only: EnterFilterMode() (FilterMode := true, UnlimitedMode := false, the
//      Unlimited box shown, width 650). The marking passes and HighLight run only then.
//   4. ShowTable(caption): sets the caption and shows the window modally.
// Closing the window clears FilterMode and hides the three mode controls again; their
// check and selection, UnlimitedMode and the cells stay for the next showing.
class TForm_StringGrid : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_StringGrid(const EditionHost& host, QWidget* parent = nullptr);
    TForm_StringGrid(const EditionHost& host, const TableWindowEdition& edition,
                     QWidget* parent = nullptr);

    // Marks where the selected draw's numbers occur again (step 3 sets it; closing clears it).
    bool FilterMode = false;
    // Set by the Unlimited box: the trace marks every older occurrence, not only the next.
    bool UnlimitedMode = false;
    // Marks the rows whose group count (column 14) is the HighLight choice (Groups sets it;
    // closing clears it).
    bool GroupMode = false;

    TStringGrid* StringGrid1;
    TxpCheckBox* CheckBox_unlimited;
    TxpCheckBox* CheckBox_number;
    TxpComboBox* ComboBox_highlight;
    TxpCheckBox* CheckBox_Separation; // shown only where the edition has it
    TxpWindow* xpWindow1;

    void fill_grid();
    void PutColumns(const core::TableColumns& columns);
    void EnterFilterMode();
    // Groups: the HighLight box and list shown, GroupMode set.
    void EnterGroupMode();
    void ShowTable(const std::string& caption);

    // What the marking passes read at this moment, and the mark of one grid cell.
    core::TableMarkState MarkState() const;
    core::TableMark CellMark(int col, int row) const;
    const TableWindowEdition& Edition() const { return edition_; }

    void StringGrid1Click();
    void StringGrid1DblClick();
    void CheckBox_unlimitedClick();
    void CheckBox_numberClick();
    void ComboBox_highlightChange();
    void CheckBox_SeparationClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    bool StringGrid1DrawCell(QPainter& painter, const QRect& rect, int col, int row, bool selected);

    const EditionHost& host_;
    const TableWindowEdition& edition_;
    // The marks of the state last painted, worked out once for all cells of a repaint.
    mutable std::optional<core::TableMarks> marks_;
    mutable core::TableMarkState marksState_;
};

extern TForm_StringGrid* Form_StringGrid;
