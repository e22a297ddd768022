#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpCheckBox.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// Four draws, newest first: draw 4 shares 1, 2 and 3 with draw 3; draw 1 is the oldest.
const char* FourDraws = "1 2 3 10 20 30\r\n"
                        "1 2 3 4 5 6\r\n"
                        "4 5 6 7 8 9\r\n"
                        "40 41 42 43 44 45\r\n";

class StrategyWindow : public testing::Test {
protected:
    StrategyWindow() {
        dir.write("6x45.txt", FourDraws);
        platform::SetProgramFolder(dir.path());
        windows = std::make_unique<VovuvWindows>();
        dialogs->messages.clear();
        dialogs->modals.clear();
    }
    ~StrategyWindow() override {
        windows.reset();
        platform::SetProgramFolder("");
    }

    const platform::TStringGrid& Table() const { return *Form_StringGrid->StringGrid1; }

    testing_support::TempDir dir;
    testing_support::ScopedDialogs dialogs;
    std::unique_ptr<VovuvWindows> windows;
};

TEST_F(StrategyWindow, SkipStrategyShowsTheTextThenTheLastSkipChart) {
    Form1->Button_Skip_strategyClick(); // cancelled: all four draws
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Skips in last draws");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Enter number of last draws 1..4");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "4");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Skip strategy in last 4 draws");
    const auto lines = Form_memo->Memo1->Lines();
    ASSERT_GE(lines.size(), 6u);
    // 1 is in draws 3 and 4: no draw between them, none after the newest.
    EXPECT_EQ(lines[0], "Number 1:");
    EXPECT_EQ(lines[1], "0 0");
    EXPECT_EQ(lines[2], "Sorted:");
    EXPECT_EQ(lines[3], "0 0");
    EXPECT_EQ(lines[4], "Skip Median: -1        Summary: 0        Average: 0.00");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, "Last skip's chart");
}

TEST_F(StrategyWindow, SkipStrategyInRussianTakesZeroAsAnEmptyWindow) {
    Form1->SetRussian();
    dialogs->inputs.push_back("0");
    Form1->Button_Skip_strategyClick();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Пропуски в последних розыгрышах");
    EXPECT_EQ(dialogs->prompts.at(0).prompt, "Введите число последних розыгрышей [1..4]");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Стратегия пропусков в последних 0 тиражах");
    EXPECT_EQ(dialogs->modals[1].caption, "Последний пропуск");
    EXPECT_EQ(Form_memo->Memo1->Lines().at(1), "0");
}

TEST_F(StrategyWindow, TooLongAnswersAreToldAndEndTheCommands) {
    for (int k = 0; k < 3; ++k) dialogs->inputs.push_back("123456789012");
    Form1->Button_Skip_strategyClick();
    Form1->Button_Freq_strategyClick();
    Form1->Button_Freq_AnalyseClick();
    EXPECT_EQ(dialogs->messages,
              std::vector<std::string>(3, "'123456789012' is not a valid integer value"));
    EXPECT_TRUE(dialogs->modals.empty());
}

TEST_F(StrategyWindow, FrequencyStrategyFillsTheGroupColumns) {
    Form_StringGrid->fill_grid();
    Form_StringGrid->StringGrid1->SetCells(9, 4, "kept");
    dialogs->inputs.push_back("1");
    Form1->Button_Freq_strategyClick();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Amount of numbers appearance in last draws");
    EXPECT_EQ(dialogs->prompts.at(0).prompt, "Enter number of last draws 1..4");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_StringGrid);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Lottery Strategy, Systems Based On Number Frequency of 1 previous draws");
    const auto& g = Table();
    EXPECT_EQ(g.ColCount(), 12);
    EXPECT_EQ(g.Cells(9, 0), "G1");
    EXPECT_EQ(g.Cells(10, 0), "G2");
    EXPECT_EQ(g.Cells(11, 0), "G3");
    // G1 is the previous draw; G2 and G3 follow in number order, as nothing else was drawn.
    const std::vector<std::vector<std::string>> want = {
        {"3", "2", "1"}, {"3", "3", "0"}, {"0", "6", "0"}};
    for (int row = 1; row <= 3; ++row)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(g.Cells(9 + c, row), want[row - 1][c]) << row << " " << c;
    EXPECT_EQ(g.Cells(9, 4), "kept"); // the oldest row is not written
    EXPECT_EQ(g.Cells(2, 1), "1");
    EXPECT_FALSE(Form_StringGrid->FilterMode);

    Form1->SetRussian();
    Form1->Button_Freq_strategyClick(); // cancelled: 4
    EXPECT_EQ(dialogs->prompts.at(1).caption, "Количество шаров, выпавших в последних тиражах");
    EXPECT_EQ(dialogs->prompts.at(1).prompt, "Введите число последних тиражей [1..4]");
    EXPECT_EQ(dialogs->modals.at(1).caption,
              "Стратегия, основанная на частоте выпадений в 4 предыдущих тиражах");
}

TEST_F(StrategyWindow, FreqAnalyseShowsTheFollowers) {
    dialogs->inputs.push_back("0");
    Form1->Button_Freq_AnalyseClick();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Frequency Analyse in last draws");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Frequency Analyse in last 0 draws");

    Form1->SetRussian();
    Form1->Button_Freq_AnalyseClick(); // cancelled: 4
    EXPECT_EQ(dialogs->prompts.at(1).caption, "Частотный анализ в последних тиражах");
    EXPECT_EQ(dialogs->prompts.at(1).prompt, "Введите число полседних тиражей, 1..4");
    EXPECT_EQ(dialogs->modals.at(1).caption, "Частотный анализ в последних 4 тиражах");
    const auto lines = Form_memo->Memo1->Lines();
    EXPECT_EQ(lines.at(0), "Номер/Частота");
    EXPECT_EQ(lines.at(2), "Номер 1:");
    // 1 (in draw 3) is followed by draw 4's numbers.
    EXPECT_EQ(lines.at(3).substr(0, 21), "01 02 03 10 20 30 04 ");
}

TEST_F(StrategyWindow, FilterAnyShowsInFilterMode) {
    bool filterDuringShow = false, unlimitedDuringShow = true, boxShown = false;
    dialogs->onModal = [&](platform::TForm&) {
        filterDuringShow = Form_StringGrid->FilterMode;
        unlimitedDuringShow = Form_StringGrid->UnlimitedMode;
        boxShown = !Form_StringGrid->CheckBox_unlimited->isHidden();
    };
    Form_StringGrid->UnlimitedMode = true;
    Form1->Button_FilterClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_StringGrid);
    EXPECT_EQ(dialogs->modals[0].caption, "Filter Any and Var position");
    EXPECT_TRUE(filterDuringShow);
    EXPECT_FALSE(unlimitedDuringShow);
    EXPECT_TRUE(boxShown);
    EXPECT_FALSE(Form_StringGrid->FilterMode); // closing clears it
    EXPECT_EQ(Form_StringGrid->Width(), 650);
    const auto& g = Table();
    EXPECT_EQ(g.ColCount(), 23);
    EXPECT_EQ(g.Cells(9, 0), "Any1");
    EXPECT_EQ(g.Cells(21, 0), "Pos6");
    EXPECT_EQ(g.ColWidths(12), 30);
    EXPECT_EQ(g.ColWidths(18), 30);
    // Draw 4: 1 2 3 in draw 3 (none between), 10 20 30 never again.
    const std::vector<std::string> any4 = {"0", "0", "0", "", "", ""};
    const std::vector<std::string> pos4 = {"0", "0", "0", "", "", ""};
    // Draw 3: 4 5 6 in draw 2 (positions 3..5 there are 7 8 9), 1 2 3 never again.
    const std::vector<std::string> any3 = {"0", "0", "0", "", "", ""};
    const std::vector<std::string> pos3 = {"", "", "", "", "", ""};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(g.Cells(9 + k, 1), any4[k]) << k;
        EXPECT_EQ(g.Cells(16 + k, 1), pos4[k]) << k;
        EXPECT_EQ(g.Cells(9 + k, 2), any3[k]) << k;
        EXPECT_EQ(g.Cells(16 + k, 2), pos3[k]) << k;
        EXPECT_EQ(g.Cells(9 + k, 4), "") << k;
        EXPECT_EQ(g.Cells(16 + k, 4), "") << k;
    }
    for (int row = 0; row <= 4; ++row) EXPECT_EQ(g.Cells(15, row), "") << row;

    Form1->SetRussian();
    Form1->Button_FilterClick();
    EXPECT_EQ(dialogs->modals.at(1).caption, "Фильтр Any и фильтр позиций Pos");
}

TEST_F(StrategyWindow, SeparationFromTheOldestDrawIsNotCompleted) {
    dialogs->inputs.push_back("1");
    Form1->Button_SeparationClick();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Separation by groups");
    EXPECT_EQ(dialogs->prompts.at(0).prompt, "Enter number of draw, 1..4");
    EXPECT_EQ(dialogs->prompts.at(0).defaultText, "4");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Starting from draw number 1");
    EXPECT_EQ(Form_memo->Memo1->Lines(),
              (std::vector<std::string>{"40 41 42 43 44 45", "", "Not Completed"}));
}

TEST_F(StrategyWindow, SeparationMarksTheNewerDraw) {
    Form1->SetRussian();
    dialogs->inputs.push_back("3");
    Form1->Button_SeparationClick();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Сепарация по группам");
    EXPECT_EQ(dialogs->prompts.at(0).prompt, "Введите номер тиража, 1..4");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Расчёт начиная с тиража 3");
    EXPECT_EQ(Form_memo->Memo1->Lines(),
              (std::vector<std::string>{"[01][02][03]04 05 06   ", "07 08 09   ",
                                        "40 41 42 43 44 45", "", "Не полный расёчт"}));
}

TEST_F(StrategyWindow, SeparationRefusesADrawNumberOutsideTheDraws) {
    for (const char* answer : {"0", "5", "99999"}) {
        dialogs->inputs.push_back(answer);
        Form1->Button_SeparationClick();
    }
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_EQ(dialogs->messages, std::vector<std::string>(3, "The draw number must be 1..4"));
}

TEST_F(StrategyWindow, ShowCopiesTheDerivedColumnsBesideTheDrawsInUse) {
    Form1->Button_FilterClick();
    dir.write("other.txt", "11 12 13 14 15 16\r\n21 22 23 24 25 26\r\n");
    ASSERT_TRUE(Form1->LoadDrawFile(dir.file("other.txt")));
    Form1->Button_showClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].form, Form_StringGrid);
    EXPECT_EQ(dialogs->modals[1].caption, "Table");
    EXPECT_FALSE(Form_StringGrid->FilterMode);
    const auto& g = Table();
    const auto& main = *Form1->StringGrid1;
    EXPECT_EQ(g.ColCount(), main.ColCount());
    EXPECT_EQ(g.RowCount(), main.RowCount());
    EXPECT_EQ(g.RowCount(), 3);
    for (int c = 9; c < main.ColCount(); ++c) {
        EXPECT_EQ(g.Cells(c, 0), main.Cells(c, 0)) << c;
        EXPECT_EQ(g.ColWidths(c), main.ColWidths(c)) << c;
        for (int row = 1; row < main.RowCount(); ++row)
            EXPECT_EQ(g.Cells(c, row), main.Cells(c, row)) << c << " " << row;
    }
    EXPECT_EQ(g.Cells(9, 0), "Max-Min");
    EXPECT_EQ(g.Cells(9, 1), "5");
    // The draws are those of the file now open, not of the earlier table.
    EXPECT_EQ(g.Cells(0, 1), "2");
    EXPECT_EQ(g.Cells(2, 1), "11");
    EXPECT_EQ(g.Cells(7, 2), "26");

    Form1->SetRussian();
    Form1->Button_showClick();
    EXPECT_EQ(dialogs->modals.at(2).caption, "Таблица");
}

} // namespace
