#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_stringgrid.h"
#include "core/ZoneCommands.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Stores.h"

#include <gtest/gtest.h>

namespace {

class Host : public EditionHost {
public:
    bool IsRussian() const override { return false; }
    const core::DrawStore& Store() const override { return store; }
    const core::Game& GameRules() const override { return core::Game5x36; }
    const core::Edition& EditionRules() const override { return core::Edition5x36; }

    core::DrawStore store =
        testing_support::StoreOf({{2, 9, 15, 35, 36}, {1, 2, 3, 4, 5}, {9, 18, 27, 28, 30}});
};

TEST(FinalSumsTable5x36, ThirteenColumnsSColumnsEightToTwelveNothingLeftBehind) {
    testing_support::ScopedDialogs dialogs;
    Host host;
    TForm_StringGrid f(host);
    auto& g = *f.StringGrid1;
    // What another command left in the columns Final sums takes or hides.
    g.SetCells(8, 0, "G1");
    g.SetCells(14, 0, "Groups");
    g.SetCells(14, 2, "x");

    const auto r = core::FinalSums(host.store, core::Edition5x36, core::Lang::English);
    f.fill_grid();
    f.PutColumns(r.table);
    f.ShowTable(r.caption);

    EXPECT_EQ(g.ColCount(), 13);
    EXPECT_EQ(g.Cells(6, 0), "A5");
    const std::vector<std::string> row1 = {"2", "9", "6", "8", "9"};
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(g.Cells(8 + p, 0), "S" + std::to_string(p + 1));
        EXPECT_EQ(g.ColWidths(8 + p), 20);
        EXPECT_EQ(g.Cells(8 + p, 1), row1[p]);
    }
    EXPECT_EQ(g.Cells(12, 3), "3");
    EXPECT_EQ(g.Cells(14, 0), "");
    EXPECT_EQ(g.Cells(14, 2), "");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Table - Final summary of numbers (n mod 9)");
}

} // namespace
