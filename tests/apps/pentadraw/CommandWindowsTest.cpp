#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "platform/StringGrid.h"

#include <string>
#include <vector>

namespace {

const char* kThreeDraws = "1236 12.03.2013 36 3 25 17 12\r\n"
                          "1235\t09.03.2013\t1 2 3 4 5\r\n"
                          "1234 05.03.2013 3 12 17 25 36\r\n";

using CommandWindows = PentadrawTest;

TEST_F(CommandWindows, ButtonsShowTheirCommandsResultUnderTheEditionsCaption) {
    const struct Case {
        TxpButton* TForm1::*button;
        const char* answer; // none: the command asks nothing
        bool russian;
        const char *caption, *line;
        const char* chart; // the caption of the chart after the text (empty: the text's), if any
        bool paged;        // the chart pages over the draws
    } cases[] = {
        {&TForm1::Button_triples, "2", true, "Тройки", "03 12 17 :  01 03 ", nullptr, false},
        {&TForm1::Button_Period, "2", false, "Period of Repeating", "1 2 ", "Number of Repeating",
         true},
        {&TForm1::Button_Combinations, nullptr, false, "Combinations", "2:1", "", false},
        {&TForm1::Button_Numbers_in_past_draws, "0", true,
         "Частота появления номеров в последних 0 тиражах - Как часто выпадал каждый номер",
         "Среднее: 0.00", "", false},
        {&TForm1::Button_center, nullptr, false, "Center of a group of numbers",
         "3: 19\r\n2: 03\r\n", "Center of a group of numbers", true},
        {&TForm1::Button_Difference, nullptr, false,
         "Difference between current and previous draws", "\r\n2: 01 02 02 __ __ __ __ 01 ",
         nullptr, false},
        {&TForm1::Button_Zone, "3", true, "Числа в 3 зонах", "", nullptr, false},
        {&TForm1::Button_final_sum_of_numbers, nullptr, true,
         "Таблица конечных сумм чисел (n mod 9)", "", nullptr, false},
    };
    Start(kThreeDraws);
    bool pagingShown = false;
    dialogs->onModal = [&](platform::TForm& f) {
        if (&f == Form_graph2) pagingShown = !Form_graph2->xpButton_Left->isHidden();
    };
    for (const auto& c : cases) {
        c.russian ? form->SetRussian() : form->SetEnglish();
        dialogs->prompts.clear();
        dialogs->modals.clear();
        pagingShown = false;
        if (c.answer) dialogs->inputs = {c.answer};
        (form->*c.button)->click();
        EXPECT_EQ(dialogs->prompts.size(), c.answer ? 1u : 0u) << c.caption;
        ASSERT_EQ(dialogs->modals.size(), c.chart ? 2u : 1u) << c.caption;
        EXPECT_EQ(dialogs->modals[0].caption, c.caption);
        EXPECT_NE(dialogs->modals[0].content.find(c.line), std::string::npos)
            << c.caption << "\n"
            << dialogs->modals[0].content;
        if (c.chart) {
            EXPECT_EQ(dialogs->modals[1].form, Form_graph2) << c.caption;
            EXPECT_EQ(dialogs->modals[1].caption, *c.chart ? c.chart : c.caption);
        }
        EXPECT_TRUE(pagingShown || !c.paged) << c.caption;
        EXPECT_TRUE((form->*c.button)->isEnabled()) << c.caption;
    }
}

TEST_F(CommandWindows, ColumnChartRefusesTheDateAndEmptyColumnsAndChartsTheOthers) {
    Start(kThreeDraws);
    auto& grid = *form->StringGrid1;
    for (int col : {1, 16}) {
        grid.setCurrentIndex(grid.model()->index(0, col));
        form->StringGrid1DblClick();
    }
    EXPECT_TRUE(dialogs->modals.empty());
    grid.setCurrentIndex(grid.model()->index(0, 10));
    form->StringGrid1DblClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Average");
    // 18.60, 3.00 and 18.60, oldest first.
    EXPECT_EQ(Form_graph2->Series.SeriesCount, 3);
    EXPECT_EQ(Form_graph2->Series.SeriesValues[2], 3);
}

TEST_F(CommandWindows, AnyGroupsAndShowSetTheTableWindowsModeAndWidth) {
    Start(kThreeDraws);
    TForm_StringGrid& t = *Form_StringGrid;
    bool separationShown = false, numberShown = false, groupMode = false;
    dialogs->onModal = [&](platform::TForm&) {
        groupMode = t.GroupMode;
        separationShown = !t.CheckBox_Separation->isHidden();
        numberShown = !t.CheckBox_number->isHidden();
    };
    form->Button_Any->click();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Any positiion");
    EXPECT_TRUE(separationShown);
    EXPECT_EQ(t.Width(), 650);

    dialogs->inputs = {"0"};
    form->Button_Groups->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].caption, "Numbers in 5 groups");
    EXPECT_TRUE(groupMode);
    EXPECT_TRUE(numberShown);
    EXPECT_FALSE(separationShown);

    form->Button_show->click();
    ASSERT_EQ(dialogs->modals.size(), 3u);
    EXPECT_EQ(dialogs->modals[2].caption, "Table");
    EXPECT_EQ(t.Width(), 640);
    EXPECT_EQ(t.StringGrid1->Cells(9, 0), "Max-Min");
}

} // namespace
