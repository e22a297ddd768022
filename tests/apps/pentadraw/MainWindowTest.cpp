#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"

#include <QAction>

#include <vector>

namespace {

const char* kThreeDraws = "1236 12.03.2013 36 3 25 17 12\r\n"
                          "1235\t09.03.2013\t1 2 3 4 5\r\n"
                          "1234 05.03.2013 3 12 17 25 36\r\n";

std::vector<std::string> Row(const platform::TStringGrid& grid, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < grid.ColCount(); ++c) cells.push_back(grid.Cells(c, row));
    return cells;
}

using MainWindow = PentadrawTest;

TEST_F(MainWindow, GridListsDrawNumberDateAndMeasures) {
    Start(kThreeDraws);
    const platform::TStringGrid& grid = *form->StringGrid1;
    ASSERT_EQ(grid.ColCount(), 22);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(form->DrawCount, 3);
    EXPECT_TRUE(dialogs->messages.empty());
    using V = std::vector<std::string>;
    EXPECT_EQ(Row(grid, 0),
              (V{"№", "",   "A1", "A2", "A3", "A4", "A5", "",    "",     "Max-Min", "Average",
                 "",  "d1", "d2", "d3", "d4", "",   "",   "Odd", "Even", "Sum",     "Prev"}));
    EXPECT_EQ(Row(grid, 1),
              (V{"1236", "12.03.2013", "3", "12", "17", "25", "36", "",  "",  "33", "18.60",
                 "",     "9",          "5", "8",  "11", "",   "",   "3", "2", "93", "1"}));
    // The oldest draw has no previous one.
    EXPECT_EQ(grid.Cells(0, 3), "1234");
    EXPECT_EQ(grid.Cells(21, 3), "");
    for (auto [col, width] :
         {std::pair{0, 30}, {1, 70}, {2, 20}, {9, 50}, {10, 50}, {18, 30}, {21, 30}})
        EXPECT_EQ(grid.ColWidths(col), width) << col;
}

TEST_F(MainWindow, TheButtonsStandInTwoColumns) {
    Start();
    EXPECT_EQ(form->Button_stat->geometry(), QRect(405, 8, 128, 20));
    EXPECT_EQ(form->xpButton_Map_2->geometry(), QRect(405, 344, 128, 20));
    EXPECT_EQ(form->Button_probability->geometry(), QRect(545, 8, 128, 20));
    EXPECT_EQ(form->xpButton_Rnd_Test->geometry(), QRect(545, 320, 128, 20));
    EXPECT_EQ(form->Button_triples->y(), 128);
    EXPECT_EQ(form->UpDown1->Max, 18);
}

TEST_F(MainWindow, TheTextWindowIsNarrowerAndNamesReverseItsOwnWay) {
    Start();
    TForm_memo& memo = *windows->memo;
    EXPECT_EQ(memo.Width(), 600);
    EXPECT_EQ(memo.Button_Reverse->geometry(), QRect(8, 3, 97, 20));
    form->SetRussian();
    memo.ShowLines("t", {"a"});
    EXPECT_EQ(memo.Button_Reverse->text().toStdString(), "Перевернуть");
}

} // namespace
