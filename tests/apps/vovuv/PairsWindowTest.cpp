#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// Three draws, newest first: draw 3 and draw 2 share three numbers.
class PairsWindow : public VovuvTest {
protected:
    void SetUp() override { Start("1 2 3 4 5 6\r\n1 2 3 7 8 9\r\n10 11 12 13 14 15\r\n"); }
};

TEST_F(PairsWindow, TriplesAsksThenShowsTheText) {
    dialogs->inputs.push_back("3 or more"); // digits only: 3
    Form1->Button_triplesClick();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Number of triples");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "2");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Triples");
    EXPECT_EQ(dialogs->modals[0].content, "Triples        Draws\r\n\r\n\r\nCount = 14190\r\n");
}

TEST_F(PairsWindow, AnswerTooLargeIsToldAndEndsTheCommand) {
    dialogs->inputs.push_back("99999999999");
    dialogs->inputs.push_back("99999999999");
    Form1->Button_triplesClick();
    Form1->Button_stat_duplesClick();
    EXPECT_EQ(dialogs->messages,
              (std::vector<std::string>(2, "'99999999999' is not a valid integer value")));
    EXPECT_TRUE(dialogs->modals.empty());
}

TEST_F(PairsWindow, NumbersShowsTextThenChart) {
    Form1->SetRussian();
    dialogs->inputs.push_back("500"); // kept to the three draws loaded
    Form1->Button_NumbersClick();
    EXPECT_EQ(dialogs->prompts.at(0).prompt, "Введите число последних тиражей, 1..3");
    EXPECT_EQ(dialogs->prompts.at(0).defaultText, "3");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Числа в парах");
    EXPECT_EQ(dialogs->modals[0].content.substr(0, 10), "Number 1:\r");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, "Статистика пар чисел за 3 последних тиража");
}

TEST_F(PairsWindow, DuplesMatchAndPeriodShowTheirTexts) {
    dialogs->inputs.push_back("9"); // above 6: 3
    Form1->Button_stat_duplesClick();
    Form1->Button_Match_in_drawsClick();
    Form1->Button_PeriodClick(); // cancelled: 3
    ASSERT_EQ(dialogs->modals.size(), 4u);
    EXPECT_EQ(dialogs->modals[0].caption, "Statistics of duples for 3 and more numbers");
    EXPECT_EQ(dialogs->modals[0].content, "3:   3 № 2\r\n2\r\n1\r\n");
    EXPECT_EQ(dialogs->modals[1].caption, "Matches between draws");
    EXPECT_EQ(dialogs->modals[1].content,
              "Three and more numbers matches:\r\n\r\n3: [3 ->  2 ] \r\n2: \r\n\r\n"
              "Two numbers matches:\r\n\r\n3: \r\n2: \r\n");
    EXPECT_EQ(dialogs->prompts.back().caption, "Minimum Number for matches");
    EXPECT_EQ(dialogs->modals[2].caption, "Period of Repeating");
    EXPECT_EQ(dialogs->modals[2].content,
              "Matches for 3 and more:\r\n\r\nDraw Period\r\n1 \r\n2 1 \r\n");
    EXPECT_EQ(dialogs->modals[3].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[3].caption, "Number of Repeating");
}

TEST_F(PairsWindow, CombinationsNoLeavesEverythingAlone) {
    dialogs->yesNo.push_back(false);
    Form1->Button_CombinationsClick();
    EXPECT_EQ(dialogs->questions, (std::vector<std::string>{"It takes a while. Continue?"}));
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_TRUE(Form1->Button_Combinations->Enabled());
}

TEST_F(PairsWindow, CombinationsYesShowsRanksWithTheButtonDisabledMeanwhile) {
    std::vector<bool> enabledWhileShown;
    dialogs->onModal = [&](platform::TForm&) {
        enabledWhileShown.push_back(Form1->Button_Combinations->Enabled());
    };
    Form1->Button_CombinationsClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Combinations");
    EXPECT_EQ(dialogs->modals[0].content, "3:1\r\n2:2342\r\n1:6197269\r\n");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[1].caption, "Combinations");
    EXPECT_EQ(enabledWhileShown, (std::vector<bool>{false, false}));
    EXPECT_TRUE(Form1->Button_Combinations->Enabled());
}

} // namespace
