#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_graph2.h"
#include "components/chart/KerfGraph.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"

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
};

TEST_F(PentadrawCommands, FrequencyAnswerZeroCountsNoDrawWithTheEditionsPrompt) {
    Run(History(3));
    form->SetRussian();
    dialogs->inputs.push_back("0");
    form->Button_Numbers_in_past_draws->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Частота появления номеров в последних тиражах");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Введите число последних тиражей, 1..3");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Частота появления номеров в последних 0 тиражах - Как часто выпадал каждый номер");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(Form_graph2->KerfsoftGraph1->Data.Header, "Как часто выпадал каждый номер");
}

TEST_F(PentadrawCommands, CenterListsThenPagesItsChartFromTheNewestDraws) {
    Run(History(1500));
    int first = -1;
    bool buttons = false;
    dialogs->onModal = [&](platform::TForm& f) {
        if (&f != Form_graph2) return;
        first = Form_graph2->Series.SeriesFirst;
        buttons = !Form_graph2->xpButton_Left->isHidden();
    };
    form->Button_center->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Center of a group of numbers");
    EXPECT_EQ(dialogs->modals[0].content.substr(0, 20), "1500: 03\r\n1499: 19\r\n");
    EXPECT_EQ(dialogs->modals[1].caption, "Center of a group of numbers");
    EXPECT_EQ(first, 1400);
    EXPECT_TRUE(buttons);
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

} // namespace
