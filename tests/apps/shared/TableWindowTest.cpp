#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Stores.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

class TableHost : public EditionHost {
public:
    explicit TableHost(const EditionBundle& bundle) : EditionHost(bundle) {}
    core::Lang Language() const override { return core::Lang::English; }
    const core::DrawStore& Store() const override { return store; }

    void Put(const std::vector<core::Draw>& newestFirst) {
        store.Clear();
        for (std::size_t i = 0; i < newestFirst.size(); ++i)
            store.PutDraw(newestFirst[i], static_cast<int>(i));
        store.DrawCount = static_cast<int>(newestFirst.size());
    }
    void PutRandom(int count, unsigned seed) {
        std::mt19937 rng(seed);
        std::vector<core::Draw> draws;
        for (int i = 0; i < count; ++i)
            draws.push_back(
                testing_support::RandomDraw(rng, GameRules().pool, GameRules().perDraw));
        Put(draws);
    }

    core::DrawStore store;
};

// A table window over a loaded store, shown so that its grid has its real size.
struct ShownTable {
    explicit ShownTable(TableHost& host) : form(host) {
        form.show();
        QApplication::processEvents();
    }
    ~ShownTable() { form.hide(); }
    TForm_StringGrid form;
};

QImage Render(TForm_StringGrid& f) {
    QApplication::processEvents();
    return f.StringGrid1->viewport()->grab().toImage();
}

// A pixel of the cell clear of its text (bottom right).
QColor CellPixel(const QImage& img, const TStringGrid& g, int col, int row) {
    const int x = g.columnViewportPosition(col) + g.columnWidth(col) - 4;
    const int y = g.rowViewportPosition(row - 1) + g.rowHeight(row - 1) - 4;
    return img.pixelColor(x, y);
}

QColor Q(core::TColor c) {
    return platform::ToQColor(c);
}

void Select(TStringGrid& g, int col, int row) {
    g.setCurrentIndex(g.model()->index(row - 1, col));
}

const std::vector<core::Draw> kSmall = {
    {1, 2, 3, 4, 5, 6},       // row 1
    {1, 10, 11, 12, 13, 14},  // row 2: 1 next
    {1, 2, 20, 21, 22, 23},   // row 3: 2 next
    {30, 31, 32, 33, 34, 35}, // row 4
    {1, 2, 3, 4, 5, 6},       // row 5: 3..6 next
};

TEST(TableWindowFill, DrawsInColumnsZeroAndTwoToSevenOtherCellsKept) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    auto& g = *f.StringGrid1;
    EXPECT_EQ(g.ColCount(), 15);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(0, 0), "№");
    for (int p = 0; p < 6; ++p) EXPECT_EQ(g.Cells(2 + p, 0), "A" + std::to_string(p + 1));
    EXPECT_EQ(g.Cells(0, 1), "5");
    EXPECT_EQ(g.Cells(0, 5), "1");
    EXPECT_EQ(g.Cells(2, 2), "1");
    EXPECT_EQ(g.Cells(7, 2), "14");
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(8, 1), "");
    EXPECT_EQ(g.ColWidths(0), 30);
    EXPECT_EQ(g.ColWidths(3), 20);
    EXPECT_EQ(g.FixedColor(), 0xC0C0C0u);

    g.SetCells(9, 3, "kept");
    host.Put({{7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}});
    f.fill_grid();
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(9, 3), "kept");
    EXPECT_EQ(g.Cells(0, 1), "3");
    EXPECT_EQ(g.Cells(2, 1), "7");
}

TEST(TableWindowFill, FiveOfThirtySixUsesFiveColumnsAndItsPool) {
    TableHost host(Bundle5x36);
    host.Put({{1, 2, 3, 4, 36, 0}});
    TForm_StringGrid f(host);
    EXPECT_EQ(f.StringGrid1->Cells(6, 0), "A5");
    EXPECT_EQ(f.StringGrid1->Cells(7, 0), "");
    EXPECT_EQ(f.StringGrid1->Cells(6, 1), "36");
    EXPECT_EQ(f.StringGrid1->Cells(7, 1), "");
    EXPECT_EQ(f.ComboBox_highlight->count(), 36);
}

TEST(TableWindowCreate, StartsOutOfFilterModeWithTheControlsHidden) {
    TableHost host(Bundle6x45);
    TForm_StringGrid f(host);
    EXPECT_FALSE(f.FilterMode);
    EXPECT_FALSE(f.UnlimitedMode);
    EXPECT_TRUE(f.CheckBox_unlimited->isHidden());
    EXPECT_TRUE(f.CheckBox_number->isHidden());
    EXPECT_TRUE(f.ComboBox_highlight->isHidden());
    ASSERT_EQ(f.ComboBox_highlight->count(), 45);
    EXPECT_EQ(f.ComboBox_highlight->itemText(0), "1");
    EXPECT_EQ(f.ComboBox_highlight->itemText(44), "45");
    EXPECT_EQ(f.ComboBox_highlight->ItemIndex(), 0);
    EXPECT_EQ(f.Width(), 650);
    EXPECT_EQ(f.Top(), 0);
    EXPECT_EQ(f.ComboBox_highlight->Color(), 0xF4DFD2u);
    EXPECT_EQ(f.CheckBox_number->Color(), 0xF4DFD2u);
    EXPECT_EQ(f.StringGrid1->height(), f.Height() - 70);
}

TEST(TableWindowShow, HighLightControlsOnlyInFilterModeAndClosingResetsIt) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    testing_support::ScopedDialogs dialogs;
    bool numberShown = true, comboShown = true;
    dialogs->onModal = [&](platform::TForm&) {
        numberShown = !f.CheckBox_number->isHidden();
        comboShown = !f.ComboBox_highlight->isHidden();
    };
    f.ShowTable("plain");
    EXPECT_FALSE(numberShown);
    EXPECT_FALSE(comboShown);
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "plain");

    bool unlimitedShown = false;
    dialogs->onModal = [&](platform::TForm&) {
        unlimitedShown = !f.CheckBox_unlimited->isHidden();
        numberShown = !f.CheckBox_number->isHidden();
        comboShown = !f.ComboBox_highlight->isHidden();
        f.CheckBox_number->SetChecked(true);
        f.ComboBox_highlight->SetItemIndex(4);
    };
    f.EnterFilterMode();
    f.ShowTable("filter");
    EXPECT_TRUE(unlimitedShown);
    EXPECT_TRUE(numberShown);
    EXPECT_TRUE(comboShown);
    EXPECT_FALSE(f.FilterMode);
    EXPECT_TRUE(f.CheckBox_unlimited->isHidden());
    EXPECT_TRUE(f.CheckBox_number->isHidden());
    EXPECT_TRUE(f.ComboBox_highlight->isHidden());
    // Their check and selection stay for the next showing.
    EXPECT_TRUE(f.CheckBox_number->Checked());
    EXPECT_EQ(f.ComboBox_highlight->ItemIndex(), 4);
}

TEST(TableWindowModes, FilterModeStartsLimitedEvenWithTheBoxStillChecked) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    f.CheckBox_unlimited->SetChecked(true);
    f.CheckBox_unlimitedClick();
    EXPECT_TRUE(f.UnlimitedMode);
    f.EnterFilterMode();
    EXPECT_TRUE(f.FilterMode);
    EXPECT_FALSE(f.UnlimitedMode);
    EXPECT_TRUE(f.CheckBox_unlimited->Checked());
    f.CheckBox_unlimited->click(); // unchecks
    f.CheckBox_unlimited->click(); // checks again, through the box's own handler
    EXPECT_TRUE(f.UnlimitedMode);
}

TEST(TableWindowMarking, CellMarksFollowSelectionUnlimitedAndHighLight) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    Select(*f.StringGrid1, 3, 1);
    EXPECT_EQ(f.CellMark(2, 2), core::TableMark::None); // no FilterMode
    f.EnterFilterMode();
    EXPECT_EQ(f.CellMark(0, 1), core::TableMark::SelectedRow);
    EXPECT_EQ(f.CellMark(2, 2), core::TableMark::Trace);
    EXPECT_EQ(f.CellMark(2, 3), core::TableMark::None);
    f.UnlimitedMode = true;
    EXPECT_EQ(f.CellMark(2, 3), core::TableMark::Trace);
    f.CheckBox_number->SetChecked(true);
    f.ComboBox_highlight->SetItemIndex(0); // number 1
    EXPECT_EQ(f.CellMark(2, 3), core::TableMark::HighLight);
    EXPECT_EQ(f.CellMark(2, 1), core::TableMark::HighLight);
    Select(*f.StringGrid1, 2, 4); // 30..35: no older draw holds them
    EXPECT_EQ(f.CellMark(2, 5), core::TableMark::HighLight);
    EXPECT_EQ(f.CellMark(3, 5), core::TableMark::None);
    EXPECT_EQ(f.CellMark(5, 4), core::TableMark::SelectedRow);
}

TEST(TableWindowPixels, NothingMarkedWithoutFilterMode) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    ShownTable t(host);
    auto& g = *t.form.StringGrid1;
    Select(g, 3, 1);
    const QImage img = Render(t.form);
    for (int row = 2; row <= 5; ++row)
        for (int col = 0; col < 15; ++col)
            EXPECT_EQ(CellPixel(img, g, col, row), QColor(Qt::white)) << col << "," << row;
    for (int col : {0, 2, 7}) EXPECT_NE(CellPixel(img, g, col, 1), Q(core::SelectedRowColor));
}

TEST(TableWindowPixels, LimitedTraceSelectionAndHighLightColours) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    ShownTable t(host);
    auto& f = t.form;
    auto& g = *f.StringGrid1;
    Select(g, 0, 1);
    f.EnterFilterMode();
    QImage img = Render(f);
    for (int col = 0; col < 15; ++col)
        EXPECT_EQ(CellPixel(img, g, col, 1), Q(core::SelectedRowColor)) << col;
    int traced = 0;
    for (int row = 2; row <= 5; ++row)
        for (int col = 0; col < 15; ++col) {
            const QColor c = CellPixel(img, g, col, row);
            if (c == Q(core::TraceColor))
                ++traced;
            else
                EXPECT_EQ(c, QColor(Qt::white)) << col << "," << row;
        }
    EXPECT_EQ(traced, 6);
    EXPECT_EQ(CellPixel(img, g, 2, 2), Q(core::TraceColor));
    EXPECT_EQ(CellPixel(img, g, 3, 3), Q(core::TraceColor));
    EXPECT_EQ(CellPixel(img, g, 2, 5), QColor(Qt::white));

    // Unlimited: every older occurrence.
    f.CheckBox_unlimited->click();
    img = Render(f);
    EXPECT_EQ(CellPixel(img, g, 2, 3), Q(core::TraceColor));
    EXPECT_EQ(CellPixel(img, g, 2, 5), Q(core::TraceColor));

    // HighLight over the trace and over the selected row.
    f.CheckBox_number->click();
    f.ComboBox_highlight->SetItemIndex(1); // number 2
    img = Render(f);
    EXPECT_EQ(CellPixel(img, g, 3, 1), Q(core::HighLightColor));
    EXPECT_EQ(CellPixel(img, g, 3, 3), Q(core::HighLightColor));
    EXPECT_EQ(CellPixel(img, g, 3, 5), Q(core::HighLightColor));
    EXPECT_EQ(CellPixel(img, g, 2, 3), Q(core::TraceColor));

    // The marks follow the selection at the next repaint.
    f.CheckBox_number->click();
    Select(g, 4, 5);
    img = Render(f);
    EXPECT_EQ(CellPixel(img, g, 0, 5), Q(core::SelectedRowColor));
    EXPECT_EQ(CellPixel(img, g, 0, 1), QColor(Qt::white));
    for (int row = 1; row <= 4; ++row)
        for (int col = 0; col < 15; ++col)
            EXPECT_EQ(CellPixel(img, g, col, row), QColor(Qt::white)) << col << "," << row;
}

// The hook's picture of one cell, for a cell text the test chooses.
QImage DrawnCell(TForm_StringGrid& f, int col, int row, const std::string& text) {
    f.StringGrid1->SetCells(col, row, text);
    QImage img(30, 20, QImage::Format_ARGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    f.StringGrid1->OnDrawCell(p, QRect(0, 0, 30, 20), col, row, false);
    p.end();
    return img;
}

TEST(TableWindowPixels, MarkedCellsInColumnZeroKeepTheirText) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    Select(*f.StringGrid1, 2, 1);
    f.EnterFilterMode();
    const QImage withText = DrawnCell(f, 0, 1, "5");
    const QImage empty = DrawnCell(f, 0, 1, "");
    EXPECT_EQ(empty.pixelColor(15, 10), Q(core::SelectedRowColor));
    EXPECT_NE(withText, empty);
    // So do traced cells in the number columns.
    EXPECT_NE(DrawnCell(f, 2, 2, "1"), DrawnCell(f, 2, 2, ""));
    EXPECT_EQ(DrawnCell(f, 2, 2, "").pixelColor(15, 10), Q(core::TraceColor));
}

TEST(TableWindowWheel, ScrollsByNotchesGathersSmallDeltasAndStopsAtTheEnds) {
    TableHost host(Bundle6x45);
    host.PutRandom(300, 7);
    ShownTable t(host);
    auto& g = *t.form.StringGrid1;
    QApplication::processEvents();
    EXPECT_EQ(g.TopRow(), 1);
    g.MouseWheel(120); // up at the top
    EXPECT_EQ(g.TopRow(), 1);
    g.MouseWheel(-240);
    EXPECT_EQ(g.TopRow(), 3);
    for (int k = 0; k < 3; ++k) g.MouseWheel(-40); // a touchpad's small steps
    EXPECT_EQ(g.TopRow(), 4);
    g.MouseWheel(-60);
    g.MouseWheel(120); // a turn back drops the half notch gathered downwards
    EXPECT_EQ(g.TopRow(), 3);
    g.MouseWheel(-120 * 10000);
    const int last = g.verticalScrollBar()->value();
    EXPECT_EQ(last, g.verticalScrollBar()->maximum());
    EXPECT_GT(last, 200);
    // The last row is on screen and the page below it is not empty.
    EXPECT_EQ(g.rowAt(g.viewport()->height() - 1) + 1, g.RowCount() - 1);
    g.MouseWheel(-120);
    EXPECT_EQ(g.verticalScrollBar()->value(), last);
    g.MouseWheel(120 * 10000);
    EXPECT_EQ(g.TopRow(), 1);

    // The event itself is used up by the grid.
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &down);
    EXPECT_TRUE(down.isAccepted());
    EXPECT_EQ(g.TopRow(), 2);
}

TEST(TableWindowWheel, AShortTableStaysOnTop) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    ShownTable t(host);
    auto& g = *t.form.StringGrid1;
    g.MouseWheel(-120 * 5);
    EXPECT_EQ(g.TopRow(), 1);
}

struct ChartWindow {
    explicit ChartWindow(const EditionHost& host) : form(host) { Form_graph2 = &form; }
    ~ChartWindow() { Form_graph2 = nullptr; }
    TForm_graph2 form;
};

TEST(TableWindowChart, DoubleClickChartsTheColumnUnderItsHeader) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    ChartWindow chart(host);
    testing_support::ScopedDialogs dialogs;
    auto& g = *f.StringGrid1;
    g.SetCells(9, 0, "S1");
    for (int r = 1; r <= 5; ++r) g.SetCells(9, r, std::to_string(r));
    Select(g, 9, 2);
    f.StringGrid1DblClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, &chart.form);
    EXPECT_EQ(dialogs->modals[0].caption, "S1");

    for (int col : {1, 8}) {
        Select(g, col, 2);
        f.StringGrid1DblClick();
    }
    EXPECT_EQ(dialogs->modals.size(), 1u);

    g.SetCells(10, 0, "bad");
    g.SetCells(10, 3, "x");
    Select(g, 10, 1);
    f.StringGrid1DblClick();
    EXPECT_EQ(dialogs->modals.size(), 1u);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "'x' is not a valid floating point value");
}

TEST(TableWindowColumns, PutColumnsWritesHeadersCellsWidthsAndCount) {
    TableHost host(Bundle6x45);
    host.Put(kSmall);
    TForm_StringGrid f(host);
    core::TableColumns t;
    t.colCount = 18;
    t.columns.push_back(
        {16, "X", 40, std::make_shared<core::TextColumn>(std::vector<std::string>{"a", "b"})});
    f.PutColumns(t);
    auto& g = *f.StringGrid1;
    EXPECT_EQ(g.ColCount(), 18);
    EXPECT_EQ(g.Cells(16, 0), "X");
    EXPECT_EQ(g.Cells(16, 1), "a");
    EXPECT_EQ(g.Cells(16, 2), "b");
    EXPECT_EQ(g.ColWidths(16), 40);
    f.fill_grid();
    EXPECT_EQ(g.ColCount(), 15);
    EXPECT_EQ(g.Cells(16, 1), "a");
}

} // namespace
