#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "core/FrequencyCommands.h"
#include "core/MeasureCommands.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Lines = std::vector<std::string>;

std::string MemoContent(const Lines& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// The main window over a draw file of three draws (or none), with the scripted dialogs.
class FrequencyWindowTest : public VovuvTest {
protected:
    void Start(const std::string& drawFile) {
        VovuvTest::Start(drawFile);
        dialogs->messages.clear();
        dialogs->modals.clear();
    }
    TForm1& Form() { return *form; }
};

constexpr const char* ThreeDraws = "3 15 20 31 40 44\n1 2 3 4 5 6\n2 9 15 28 31 44\n";

TEST_F(FrequencyWindowTest, StatisticsAsksForNThenShowsTextAndChart) {
    Start(ThreeDraws);
    dialogs->inputs.push_back("2");
    Form().Button_stat->click();

    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Statistics of last draws");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Enter number of last draws 1..3");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "3");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Statistics - Most Frequently Numbers for last 2 games");
    EXPECT_EQ(dialogs->modals[0].content,
              MemoContent({"02: 03", "01: 01 02 04 05 06 15 20 31 40 44",
                           "00: 07 08 09 10 11 12 13 14 16 17 18 19 21 22 23 24 25 26 27 28 29 30 "
                           "32 33 34 35 36 37 38 39 41 42 43 45"}));
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, dialogs->modals[0].caption);

    // The chart the window was handed: a bar per number over the newest two draws.
    const auto result =
        core::StatisticsCommand(Form().Draws, core::Edition6x45, 2, Form().Language());
    ASSERT_EQ(result.charts.size(), 1u);
    const auto& values = result.charts[0].values;
    ASSERT_EQ(values.size(), 45u);
    EXPECT_EQ(values[2].value, 2);  // 03
    EXPECT_EQ(values[0].value, 1);  // 01
    EXPECT_EQ(values[6].value, 0);  // 07
    EXPECT_EQ(values[43].value, 1); // 44
}

TEST_F(FrequencyWindowTest, CheckSumShowsTextThenBothCharts) {
    Start(ThreeDraws);
    Form().Button_Check_sum->click();

    EXPECT_TRUE(dialogs->prompts.empty());
    ASSERT_EQ(dialogs->modals.size(), 3u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "check sums");
    EXPECT_EQ(dialogs->modals[0].content, MemoContent({"3:153", "2:21", "1:129"}));
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, "check sums");
    EXPECT_EQ(dialogs->modals[2].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[2].caption, "Distribution");

    const auto result = core::CheckSumCommand(Form().Draws, core::Edition6x45, Form().Language());
    const auto& dist = result.charts.at(1).values;
    ASSERT_EQ(dist.size(), 6u);
    EXPECT_EQ(dist[1].value, 21);
    EXPECT_EQ(dist[3].value, 129);
    EXPECT_EQ(dist[5].value, 153);
    EXPECT_EQ(dist[4].value, 25);
}

TEST_F(FrequencyWindowTest, ColdNumbersInRussianNeedsNoPrompt) {
    Start(ThreeDraws);
    Form().SetRussian();
    Form().Button_Cold_numbers->click();

    EXPECT_TRUE(dialogs->prompts.empty());
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Холодные номера - сколько тиражей назад номер выпадал последний раз");
    EXPECT_EQ(dialogs->modals[0].content.substr(0, 18), "01:1\r\n02:1\r\n03:0\r\n");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, dialogs->modals[0].caption);
}

TEST_F(FrequencyWindowTest, FrequencyPromptsInRussian) {
    Start(ThreeDraws);
    Form().SetRussian();
    dialogs->inputs.push_back("1 0"); // joined to 10, beyond the three draws: 20, kept at 3
    Form().Button_Numbers_in_past_draws->click();

    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Количиство выпадений в последних тиражах");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Введите число последних тиражей [1..3]");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Число выпадений в последних 3 тиражах - Как часто выпадал каждый шар");
    EXPECT_NE(dialogs->modals[0].content.find("\r\nСреднее: 0.40\r\n"), std::string::npos);
}

TEST_F(FrequencyWindowTest, AnswerBeyondThirtyTwoBitsStopsTheCommand) {
    Start(ThreeDraws);
    dialogs->inputs.push_back("99999999999");
    Form().Button_delta->click();
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->modals.empty());
}

TEST_F(FrequencyWindowTest, FreqA1A6ShowsOnlyTheTextWindow) {
    Start(ThreeDraws);
    dialogs->inputs.push_back("1");
    Form().Button_freq_A1_A6->click();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
}

TEST_F(FrequencyWindowTest, EmptyStoreShowsTheEmptyResult) {
    Start("");
    Form().Button_probability->click(); // cancelled prompt: its default "0"
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Average numbers for 1..6 positions of last 0 draws");
    EXPECT_EQ(dialogs->modals[0].content,
              MemoContent({"1: 0", "2: 0", "3: 0", "4: 0", "5: 0", "6: 0", "", "0 0 0 0 0 0 "}));

    dialogs->modals.clear();
    Form().Button_Character->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].content, "");
}

class ColumnChartWindowTest : public FrequencyWindowTest {
protected:
    void DoubleClick(int col) {
        auto& grid = *Form().StringGrid1;
        grid.setCurrentIndex(grid.model()->index(0, col));
        Form().StringGrid1DblClick();
    }
};

TEST_F(ColumnChartWindowTest, SeparatorColumnsOpenNothing) {
    Start(ThreeDraws);
    for (int col : {1, 8, 11, 17}) DoubleClick(col);
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ColumnChartWindowTest, ColumnIsChartedUnderItsHeader) {
    Start(ThreeDraws);
    DoubleClick(10);
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[0].caption, "Average");

    DoubleClick(21);
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].caption, "Prev");

    // The chart of the grid's cells: the oldest draw has no "Prev" value.
    const auto& grid = *Form().StringGrid1;
    std::vector<std::string> cells;
    for (int row = 0; row < grid.RowCount(); ++row) cells.push_back(grid.Cells(21, row));
    const auto chart = core::ColumnChart(21, cells, core::Edition6x45);
    ASSERT_TRUE(chart);
    ASSERT_EQ(chart->values.size(), 2u);
    EXPECT_EQ(chart->values[0].point, 3);
    EXPECT_EQ(chart->values[0].value, 1); // 3 shared with the draw before
    EXPECT_EQ(chart->values[1].point, 2);
    EXPECT_EQ(chart->values[1].value, 1); // 2 shared with the oldest
}

TEST_F(ColumnChartWindowTest, CellThatIsNotANumberIsReported) {
    Start(ThreeDraws);
    Form().StringGrid1->SetCells(20, 2, "abc");
    DoubleClick(20);
    EXPECT_TRUE(dialogs->modals.empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "'abc' is not a valid floating point value");
}

} // namespace
