#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/pentadraw/RndTestRun.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_utils.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"
#include "tests/support/CaptionFit.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

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
    EXPECT_EQ(grid.Cells(21, 3), ""); // the oldest draw has no previous one
    for (auto [col, width] : {std::pair{0, 30}, {1, 70}, {2, 20}, {9, 50}, {21, 30}})
        EXPECT_EQ(grid.ColWidths(col), width) << col;
    EXPECT_EQ(form->UpDown1->Max, 18);
}

TEST_F(MainWindow, UtilsListsTheDrawsAndOpensTheHighLighter) {
    Start(kThreeDraws);
    form->SetRussian();
    dialogs->onModal = [this](platform::TForm& shown) {
        if (&shown == Form_Utils) Form_Utils->xpButton_Highlighter->click();
    };
    form->Button_Utils->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Утилиты");
    EXPECT_EQ(dialogs->modals[1].caption, " HighLighter");
    EXPECT_EQ(Form_Utils->GroupBox1->title().toStdString(), "Экспорт картинок в файл");
    EXPECT_EQ(Form_Utils->Memo1->Lines(),
              (std::vector<std::string>{"03 12 17 25 36", "01 02 03 04 05", "03 12 17 25 36"}));
    // The text window names its Reverse button this edition's way.
    windows->memo->ShowLines("t", {"a"});
    EXPECT_EQ(windows->memo->Button_Reverse->text().toStdString(), "Перевернуть");
}

TEST_F(MainWindow, MapListsThirtySixDigitsAndMap2TakesTheButtonCaption) {
    Start(kThreeDraws);
    form->Button_map->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Map");
    EXPECT_EQ(Form_memo->Memo1->Lines().at(1), "2:111110000000000000000000000000000000");
    form->SetRussian();
    form->xpButton_Map_2->click();
    EXPECT_EQ(dialogs->modals.back().caption, "Карта 2");
    EXPECT_EQ(Form_map_2->Grid().Cell(2, 5), "1");
}

TEST_F(MainWindow, RndTestAppendsToTheTextWindowAfterItClosed) {
    Start(kThreeDraws);
    form->Button_map->click();
    const auto map = Form_memo->Memo1->Lines();
    Form_memo->show();
    Form_memo->close();
    dialogs->modals.clear();
    dialogs->inputs.push_back("1");
    form->xpButton_Rnd_Test->click();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Enter number of last draws 1..3");
    EXPECT_EQ(dialogs->prompts.at(0).defaultText, "3");
    EXPECT_FALSE(form->xpButton_Rnd_Test->Enabled());
    QTRY_VERIFY_WITH_TIMEOUT(!form->RndTest->Running(), 120000);
    EXPECT_TRUE(form->xpButton_Rnd_Test->Enabled());
    auto lines = Form_memo->Memo1->Lines();
    ASSERT_EQ(lines.size(), map.size() + 1);
    EXPECT_EQ(lines.back().substr(0, 4), "03: ");
    lines.pop_back();
    EXPECT_EQ(lines, map);
    EXPECT_EQ(dialogs->modals.size(), 1u);
}

} // namespace

TEST_F(MainWindow, EveryCaptionFitsItsControlInBothLanguages) {
    Start(kThreeDraws);
    for (bool russian : {false, true}) {
        russian ? form->SetRussian() : form->SetEnglish();
        dialogs->onModal = [](platform::TForm& shown) {
            if (&shown == Form_Utils) Form_Utils->xpButton_Highlighter->click();
        };
        form->Button_Utils->click();
        windows->memo->ShowLines("t", {"a"});
        for (const QWidget* w : QApplication::topLevelWidgets())
            EXPECT_EQ(testing_support::CutCaptions(*w), std::vector<std::string>{})
                << (russian ? "ru " : "en ") << w->metaObject()->className();
    }
}
