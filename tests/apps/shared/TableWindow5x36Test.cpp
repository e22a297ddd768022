#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/chart/KerfGraph.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "components/skin/xpWindow.h"
#include "core/FilterCommands.h"
#include "core/Groups.h"
#include "core/ZoneCommands.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WindowTestHost.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using Host = testing_support::WindowTestHost;

void Select(TStringGrid& g, int col, int row) {
    g.setCurrentIndex(g.model()->index(row - 1, col));
}

// The table as the commands hand it over: fill_grid, the command's columns, its mode.
void HandOver(TForm_StringGrid& f, const core::TableResult& r) {
    f.fill_grid();
    f.PutColumns(r.table);
}

TEST(TableWindow5x36, ItsLayoutAndFilterAnyTracesTheBoxSeparatesAndCapsAtTwentyFourHits) {
    // Row 1 selected; its five numbers recur in every older draw.
    std::vector<core::Draw> d(30, core::Draw{1, 2, 3, 4, 5, 0});
    d[7] = {6, 7, 8, 9, 10, 0};
    Host host(Bundle5x36, d);
    TForm_StringGrid f(host, TableWindow5x36);
    EXPECT_EQ(f.Width(), 500);
    EXPECT_EQ(f.StringGrid1->FixedColor(), f.xpWindow1->WinBackground.StartColor);
    EXPECT_EQ(f.CheckBox_Separation->Caption(), "Separation");
    EXPECT_EQ(f.CheckBox_Separation->Color(), f.ComboBox_highlight->Color());
    EXPECT_TRUE(f.CheckBox_Separation->isHidden());
    testing_support::ScopedDialogs dialogs;
    bool separationShown = false;
    dialogs->onModal = [&](platform::TForm&) {
        separationShown = !f.CheckBox_Separation->isHidden();
        Select(*f.StringGrid1, 2, 1);
        // The box itself decides, without the Unlimited flag.
        f.CheckBox_unlimited->click();
        EXPECT_FALSE(f.UnlimitedMode);
        // Five hits a draw: the fifth draw below brings the 24th.
        EXPECT_EQ(f.CellMark(2, 6), core::TableMark::Trace);
        EXPECT_EQ(f.CellMark(2, 7), core::TableMark::None);
        f.CheckBox_unlimited->click();
        EXPECT_EQ(f.CellMark(2, 2), core::TableMark::Trace);
        EXPECT_EQ(f.CellMark(2, 3), core::TableMark::None);

        f.CheckBox_Separation->click();
        EXPECT_EQ(f.CellMark(2, 1), core::TableMark::Separation);
        EXPECT_EQ(f.CellMark(2, 2), core::TableMark::Trace);      // below it, the trace stays
        EXPECT_EQ(f.CellMark(2, 8), core::TableMark::Separation); // 6..10 at row 8
        EXPECT_EQ(f.CellMark(2, 9), core::TableMark::None);
    };
    const auto r = core::FilterAny(host.store, core::Edition5x36, core::Lang::English);
    HandOver(f, r);
    f.EnterFilterMode();
    f.ShowTable(r.caption);
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_TRUE(separationShown);
    EXPECT_TRUE(f.CheckBox_Separation->isHidden());
    EXPECT_FALSE(f.FilterMode);
}

TEST(TableWindow5x36, GroupsHighlightTheChosenCountAndNothingForANonNumber) {
    Host host(Bundle5x36, {{3, 12, 25, 33, 36}, {1, 2, 3, 4, 5}, {1, 11, 21, 31, 36}});
    TForm_StringGrid f(host, TableWindow5x36);
    testing_support::ScopedDialogs dialogs;
    dialogs->onModal = [&](platform::TForm&) {
        EXPECT_FALSE(f.CheckBox_number->isHidden());
        EXPECT_FALSE(f.ComboBox_highlight->isHidden());
        EXPECT_EQ(f.CellMark(14, 1), core::TableMark::None); // HighLight unchecked
        f.CheckBox_number->click();
        f.ComboBox_highlight->SetItemIndex(3); // 4
        EXPECT_EQ(f.CellMark(14, 1), core::TableMark::Group);
        EXPECT_EQ(f.CellMark(14, 2), core::TableMark::None);
        EXPECT_EQ(f.CellMark(14, 3), core::TableMark::Group);
        EXPECT_EQ(f.CellMark(13, 1), core::TableMark::None);
        f.StringGrid1->SetCells(14, 3, "x");
        EXPECT_EQ(f.CellMark(14, 3), core::TableMark::None);
    };
    const auto r = core::Groups(host.store, core::Game5x36, 0, core::Lang::English);
    HandOver(f, r);
    f.EnterGroupMode();
    f.ShowTable(r.caption);
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(f.StringGrid1->Cells(2, 0), "A1"); // the widths leave the draw columns
    EXPECT_EQ(f.StringGrid1->ColWidths(3), 20);
    EXPECT_FALSE(f.GroupMode);
    EXPECT_TRUE(f.CheckBox_number->isHidden());
}

TEST(TableWindow5x36, ColumnSevenDoesNothingAndColumnsChartEveryDraw) {
    Host host(Bundle5x36, std::vector<core::Draw>(250, core::Draw{1, 2, 3, 4, 5, 0}));
    TForm_StringGrid f(host, TableWindow5x36);
    TForm_graph2 chart(host);
    Form_graph2 = &chart;
    testing_support::ScopedDialogs dialogs;
    auto& g = *f.StringGrid1;
    g.SetCells(9, 0, "S");
    for (int r = 1; r <= 250; ++r) g.SetCells(9, r, std::to_string(r));
    Select(g, 7, 2);
    f.StringGrid1DblClick();
    EXPECT_TRUE(dialogs->modals.empty());
    Select(g, 9, 2);
    f.StringGrid1DblClick();
    Form_graph2 = nullptr;
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "S");
    // The newest page: draws 201..250 at points 1..50, row 1 (draw 250) holds 1.
    EXPECT_EQ(chart.KerfsoftGraph1->Values(1, 50), 1);
    EXPECT_EQ(chart.KerfsoftGraph1->Values(1, 1), 50);
}

TEST(TableWindow5x36, FinalSumsTakeColumnsEightToTwelveAndLeaveNothingBehind) {
    testing_support::ScopedDialogs dialogs;
    Host host(Bundle5x36, {{2, 9, 15, 35, 36}, {1, 2, 3, 4, 5}, {9, 18, 27, 28, 30}});
    TForm_StringGrid f(host);
    auto& g = *f.StringGrid1;
    // What another command left in the columns Final sums takes or hides.
    g.SetCells(8, 0, "G1");
    g.SetCells(14, 0, "Groups");
    g.SetCells(14, 2, "x");

    const auto r = core::FinalSums(host.store, core::Edition5x36, core::Lang::English);
    HandOver(f, r);
    f.ShowTable(r.caption);

    EXPECT_EQ(g.ColCount(), 13);
    EXPECT_EQ(g.Cells(8, 0), "S1");
    EXPECT_EQ(g.Cells(8, 1), "2");
    EXPECT_EQ(g.Cells(14, 0), "");
    EXPECT_EQ(g.Cells(14, 2), "");
    EXPECT_EQ(dialogs->modals.size(), 1u);
}

} // namespace
