#include "apps/shared/Unit_stringgrid.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_graph2.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "components/skin/xpWindow.h"
#include "core/ColumnChart.h"
#include "core/GridColumns.h"
#include "core/Groups.h"
#include "platform/Dialogs.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

TForm_StringGrid* Form_StringGrid = nullptr;

TStringGrid::TStringGrid(QWidget* parent) : platform::TStringGrid(parent) {
    // TopRow is the scroll position, whatever the style prefers.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void TStringGrid::SetTopRow(int row) {
    // The scroll bar's range ends at the last full page.
    verticalScrollBar()->setValue(std::max(row, 1) - 1);
}

void TStringGrid::MouseWheel(int delta) {
    // A turn the other way drops what was gathered the old way.
    if ((pendingDelta_ > 0 && delta < 0) || (pendingDelta_ < 0 && delta > 0)) pendingDelta_ = 0;
    pendingDelta_ += delta;
    const int steps = pendingDelta_ / 120;
    pendingDelta_ -= steps * 120;
    if (steps == 0) return;
    // The scroll position, not the first row on screen: at the end the first row shows only
    // in part.
    SetTopRow(verticalScrollBar()->value() + 1 - steps);
}

void TStringGrid::wheelEvent(QWheelEvent* event) {
    MouseWheel(event->angleDelta().y());
    event->accept();
}

TForm_StringGrid::TForm_StringGrid(const EditionHost& host, QWidget* parent)
    : TForm_StringGrid(host, host.TableRules(), parent) {}

TForm_StringGrid::TForm_StringGrid(const EditionHost& host, const TableWindowEdition& edition,
                                   QWidget* parent)
    : TForm(parent), host_(host), edition_(edition) {
    SetCaption("Form_StringGrid");
    xpWindow1 = new TxpWindow(this);
    StringGrid1 = new TStringGrid(clientArea());
    StringGrid1->setGeometry(0, edition_.gridTop, 642, 400);
    StringGrid1->SetDefaultColWidth(20);
    StringGrid1->SetDefaultRowHeight(20);
    StringGrid1->OnDrawCell = [this](QPainter& p, const QRect& r, int col, int row, bool sel) {
        return StringGrid1DrawCell(p, r, col, row, sel);
    };
    StringGrid1->OnClick = [this] { StringGrid1Click(); };
    StringGrid1->OnDblClick = [this] { StringGrid1DblClick(); };

    CheckBox_unlimited = new TxpCheckBox(clientArea());
    CheckBox_unlimited->setGeometry(8, 8, 97, 17);
    CheckBox_unlimited->SetCaption("Unlimited");
    CheckBox_unlimited->CheckColor = 0x00A000;
    CheckBox_unlimited->Alignment = cbaRight;
    CheckBox_unlimited->OnClick = [this] { CheckBox_unlimitedClick(); };

    CheckBox_number = new TxpCheckBox(clientArea());
    CheckBox_number->setGeometry(edition_.numberBoxX, 7, 73, 17);
    CheckBox_number->SetCaption("HighLight");
    CheckBox_number->OnClick = [this] { CheckBox_numberClick(); };

    ComboBox_highlight = new TxpComboBox(clientArea());
    ComboBox_highlight->setGeometry(edition_.numberBoxX + 80, 5, 57, 22);
    ComboBox_highlight->hide();

    CheckBox_Separation = new TxpCheckBox(clientArea());
    CheckBox_Separation->setGeometry(184, 8, 81, 17);
    CheckBox_Separation->SetCaption("Separation");
    CheckBox_Separation->OnClick = [this] { CheckBox_SeparationClick(); };
    CheckBox_Separation->hide();

    // FormCreate
    FilterMode = false;
    GroupMode = false;
    PlaceAsResultWindow(edition_.width);
    fill_grid();
    for (int n = 1; n <= host_.GameRules().pool; ++n)
        ComboBox_highlight->addItem(QString::number(n));
    ComboBox_highlight->SetItemIndex(0);
    ComboBox_highlight->OnChange = [this] { ComboBox_highlightChange(); };
    CheckBox_unlimited->hide();
    CheckBox_number->hide();
    ComboBox_highlight->SetColor(xpWindow1->WinBackground.StartColor);
    CheckBox_unlimited->SetColor(ComboBox_highlight->Color());
    CheckBox_number->SetColor(ComboBox_highlight->Color());
    CheckBox_Separation->SetColor(ComboBox_highlight->Color());
    FormResize();
}

void TForm_StringGrid::fill_grid() {
    const core::DrawStore& store = host_.Store();
    const int perDraw = host_.GameRules().perDraw;
    auto& g = *StringGrid1;
    g.BeginUpdate();
    g.SetColCount(15);
    g.SetRowCount(store.DrawCount + 1);
    g.SetCells(0, 0, "№");
    for (int p = 0; p < perDraw; ++p) g.SetCells(2 + p, 0, "A" + std::to_string(p + 1));
    const core::TColor fixed =
        edition_.skinFixedColor ? xpWindow1->WinBackground.StartColor : core::TColor{0xC0C0C0};
    if (g.FixedColor() != fixed) g.SetFixedColor(fixed);
    g.SetColumn(0, core::DrawNumberColumn(store));
    for (int p = 0; p < perDraw; ++p) g.SetColumn(2 + p, core::PositionColumn(store, p));
    g.EndUpdate();
    g.SetColWidths(0, 30);
}

void TForm_StringGrid::PutColumns(const core::TableColumns& columns) {
    auto& g = *StringGrid1;
    g.BeginUpdate();
    g.SetColCount(columns.colCount);
    for (const auto& c : columns.columns) {
        g.SetCells(c.index, 0, c.header);
        if (auto cells = core::ClearedColumn(c)) g.SetColumn(c.index, std::move(cells));
    }
    g.EndUpdate();
    for (const auto& c : columns.columns)
        if (c.width > 0) g.SetColWidths(c.index, c.width);
    for (const auto& w : columns.widths) g.SetColWidths(w.index, w.width);
}

void TForm_StringGrid::EnterFilterMode() {
    FilterMode = true;
    UnlimitedMode = false;
    CheckBox_unlimited->show();
    SetBounds(Left(), Top(), 650, Height());
}

void TForm_StringGrid::EnterGroupMode() {
    GroupMode = true;
    CheckBox_number->show();
    ComboBox_highlight->show();
}

void TForm_StringGrid::ShowTable(const std::string& caption) {
    SetCaption(caption);
    ShowModal();
}

void TForm_StringGrid::FormShow() {
    marks_.reset();
    if (FilterMode) {
        CheckBox_number->show();
        ComboBox_highlight->show();
        if (edition_.separationBox) CheckBox_Separation->show();
    }
}

void TForm_StringGrid::FormClose() {
    FilterMode = false;
    GroupMode = false;
    CheckBox_unlimited->hide();
    CheckBox_number->hide();
    ComboBox_highlight->hide();
    CheckBox_Separation->hide();
    marks_.reset();
}

void TForm_StringGrid::FormResize() {
    // Aligned to the bottom of the window.
    const int h = std::max(Height() - 70, 0);
    StringGrid1->setGeometry(0, clientArea()->height() - h, clientArea()->width(), h);
}

core::TableMarkState TForm_StringGrid::MarkState() const {
    core::TableMarkState s;
    s.filterMode = FilterMode;
    s.unlimited = edition_.unlimitedMode ? UnlimitedMode : CheckBox_unlimited->Checked();
    s.separation = FilterMode && edition_.separationBox && CheckBox_Separation->Checked();
    s.highlight = CheckBox_number->Checked() ? ComboBox_highlight->ItemIndex() + 1 : 0;
    s.selectedRow = StringGrid1->Row();
    const int perDraw = host_.GameRules().perDraw;
    std::vector<std::string> cells;
    for (int c = 2; c < 2 + perDraw; ++c) cells.push_back(StringGrid1->Cells(c, s.selectedRow));
    s.selected = core::SelectedNumbers(cells);
    return s;
}

core::TableMark TForm_StringGrid::CellMark(int col, int row) const {
    if (GroupMode && col == core::GroupCountColumn && CheckBox_number->Checked() &&
        core::GroupHighlighted(StringGrid1->Cells(col, row), ComboBox_highlight->ItemIndex() + 1))
        return core::TableMark::Group;
    if (!FilterMode) return core::TableMark::None;
    const core::TableMarkState state = MarkState();
    if (!marks_ || !(state == marksState_)) {
        marks_.emplace(host_.Store(), host_.GameRules(), state, edition_.rules);
        marksState_ = state;
    }
    return marks_->At(col, row, StringGrid1->ColCount());
}

bool TForm_StringGrid::StringGrid1DrawCell(QPainter& painter, const QRect& rect, int col, int row,
                                           bool selected) {
    StringGrid1->DefaultDrawCell(painter, rect, col, row, selected);
    if ((!FilterMode && !GroupMode) || rect.isEmpty()) return true;
    const core::TableMark mark = CellMark(col, row);
    if (mark == core::TableMark::None) return true;
    painter.fillRect(rect, platform::ToQColor(core::MarkColor(mark)));
    // The text is the cell's own, in every column (column 0 keeps its draw number).
    const std::string text = StringGrid1->Cells(col, row);
    painter.setPen(platform::ToQColor(core::MarkTextColor));
    painter.drawText(rect.adjusted(2, 2, -1, -1), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(text));
    return true;
}

void TForm_StringGrid::StringGrid1Click() {
    if (FilterMode) StringGrid1->Invalidate();
}

void TForm_StringGrid::CheckBox_unlimitedClick() {
    if (edition_.unlimitedMode) UnlimitedMode = CheckBox_unlimited->Checked();
    StringGrid1Click();
}

void TForm_StringGrid::CheckBox_numberClick() {
    StringGrid1->Invalidate();
}

void TForm_StringGrid::ComboBox_highlightChange() {
    StringGrid1->Invalidate();
}

void TForm_StringGrid::CheckBox_SeparationClick() {
    StringGrid1->Invalidate();
}

void TForm_StringGrid::StringGrid1DblClick() {
    const int c = StringGrid1->Col();
    const int perDraw = host_.GameRules().perDraw;
    if (c == 1 || c == perDraw + 2) return;
    std::vector<std::string> cells;
    cells.reserve(StringGrid1->RowCount());
    for (int r = 1; r < StringGrid1->RowCount(); ++r) cells.push_back(StringGrid1->Cells(c, r));
    const core::ColumnChartOutcome out =
        edition_.pagedChart
            ? core::PagedColumnChart(cells, StringGrid1->Cells(c, 0), host_.Store().DrawCount)
            : core::ColumnChart(cells, StringGrid1->Cells(c, 0));
    if (!out.chart) {
        platform::Dialogs().ShowMessage(out.error);
        return;
    }
    if (Form_graph2) Form_graph2->ShowChart(*out.chart, out.chart->caption);
}
