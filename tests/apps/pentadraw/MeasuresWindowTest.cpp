#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/chart/KerfGraph.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"

#include <QAction>

#include <string>
#include <vector>

namespace {

// count draws, newest first: odd draw numbers 3 10 17 25 36, even ones 1 2 3 4 6.
std::string History(int count) {
    std::string file;
    for (int d = count; d >= 1; --d)
        file +=
            std::to_string(d) + " 01.01.2020 " + (d % 2 ? "3 10 17 25 36" : "1 2 3 4 6") + "\r\n";
    return file;
}

class PentadrawCommands : public PentadrawTest {
protected:
    void Run(const std::string& drawFile) {
        Start(drawFile);
        dialogs->messages.clear();
        dialogs->modals.clear();
    }
    void Russian() { form->PopupFileItem(2)->trigger(); }
};

TEST_F(PentadrawCommands, FrequencyAnswerZeroCountsNoDrawWithTheEditionsPrompt) {
    Run(History(3));
    Russian();
    dialogs->inputs.push_back("0");
    form->Button_Numbers_in_past_draws->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Частота появления номеров в последних тиражах");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Введите число последних тиражей, 1..3");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Частота появления номеров в последних 0 тиражах - Как часто выпадал каждый номер");
    EXPECT_NE(dialogs->modals[0].content.find("Среднее: 0.00"), std::string::npos);
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(Form_graph2->KerfsoftGraph1->Data.Header, "Как часто выпадал каждый номер");
}

TEST_F(PentadrawCommands, CenterListsThenPagesItsChartFromTheNewestDraws) {
    Run(History(1500));
    int first = -1, offset = -1;
    bool buttons = false;
    std::vector<std::string> labels;
    dialogs->onModal = [&](platform::TForm& f) {
        if (&f != Form_graph2) return;
        auto& g = *Form_graph2->KerfsoftGraph1;
        g.ResizeGraph();
        first = Form_graph2->Series.SeriesFirst;
        offset = g.XLabelOffset;
        buttons = !Form_graph2->xpButton_Left->isHidden();
        for (const auto& t : g.Layout().xLabels) labels.push_back(t.text);
    };
    form->Button_center->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Center of a group of numbers");
    EXPECT_EQ(dialogs->modals[0].content.substr(0, 20), "1500: 03\r\n1499: 19\r\n");
    EXPECT_EQ(dialogs->modals[1].caption, "Center of a group of numbers");
    EXPECT_EQ(first, 1400);
    EXPECT_EQ(offset, 1400);
    EXPECT_TRUE(buttons);
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels.front(), "1410");
    EXPECT_EQ(labels.back(), "1500");
    EXPECT_TRUE(Form_graph2->xpButton_Left->isHidden());
    EXPECT_EQ(Form_graph2->KerfsoftGraph1->XLabelOffset, 0);
}

TEST_F(PentadrawCommands, DifferenceListsTheCountsUnderTheirDistances) {
    Run(History(2));
    form->Button_Difference->click();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Difference between current and previous draws");
    const std::string& text = dialogs->modals[0].content;
    // 1 2 3 4 6 against 3 10 17 25 36.
    EXPECT_NE(text.find("\r\n2: 01 02 01 01 01 __ 01 01 01 01 __ 01 "), std::string::npos) << text;
}

TEST_F(PentadrawCommands, ColumnChartRefusesTheDateAndEmptyColumnsAndPagesTheOthers) {
    Run(History(3));
    auto& grid = *form->StringGrid1;
    for (int col : {1, 7, 8, 11, 16, 17}) {
        grid.setCurrentIndex(grid.model()->index(0, col));
        form->StringGrid1DblClick();
    }
    EXPECT_TRUE(dialogs->modals.empty());
    grid.setCurrentIndex(grid.model()->index(0, 10));
    form->StringGrid1DblClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Average");
    // 18.20, 3.20 and 18.20, oldest first.
    EXPECT_EQ(Form_graph2->Series.SeriesCount, 3);
    EXPECT_EQ(Form_graph2->Series.SeriesValues[1], 18);
    EXPECT_EQ(Form_graph2->Series.SeriesValues[2], 3);
    EXPECT_EQ(Form_graph2->Series.SeriesValues[3], 18);
}

TEST_F(PentadrawCommands, ZonesAskInRussianAndFinalSumsFillThirteenColumns) {
    Run(History(3));
    Russian();
    dialogs->inputs.push_back("3");
    form->Button_Zone->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Разбиение чисел по зонам");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Введите число зон");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Числа в 3 зонах");

    form->Button_final_sum_of_numbers->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].caption, "Таблица конечных сумм чисел (n mod 9)");
    const auto& g = *Form_StringGrid->StringGrid1;
    EXPECT_EQ(g.ColCount(), 13);
    EXPECT_EQ(g.Cells(8, 0), "S1");
    EXPECT_EQ(g.Cells(12, 0), "S5");
    EXPECT_EQ(g.Cells(12, 1), "9"); // 36
}

} // namespace
