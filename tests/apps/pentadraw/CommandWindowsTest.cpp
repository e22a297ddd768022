#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"

#include <string>
#include <vector>

namespace {

const char* kThreeDraws = "1236 12.03.2013 36 3 25 17 12\r\n"
                          "1235\t09.03.2013\t1 2 3 4 5\r\n"
                          "1234 05.03.2013 3 12 17 25 36\r\n";

using CommandWindows = PentadrawTest;

TEST_F(CommandWindows, PairCommandsRunFromTheirButtonsWithThisEditionsTexts) {
    Start(kThreeDraws);
    form->SetRussian();
    dialogs->inputs = {"2"};
    form->Button_triples->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Поиск троек в тиражах");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Тройки");
    EXPECT_NE(dialogs->modals[0].content.find("Тройки     Тиражи"), std::string::npos);
    EXPECT_NE(dialogs->modals[0].content.find("03 12 17 :  01 03 "), std::string::npos);
    EXPECT_NE(dialogs->modals[0].content.find("Count = 7140"), std::string::npos);

    dialogs->inputs = {"2"};
    bool pagingShown = false;
    dialogs->onModal = [&](platform::TForm& f) {
        if (&f == Form_graph2) pagingShown = !Form_graph2->xpButton_Left->isHidden();
    };
    form->Button_PeriodClick();
    ASSERT_EQ(dialogs->prompts.size(), 2u);
    EXPECT_EQ(dialogs->prompts[1].caption, "Number for matches");
    EXPECT_EQ(dialogs->prompts[1].prompt, "Enter a number (2,3, or 4)");
    ASSERT_EQ(dialogs->modals.size(), 3u);
    EXPECT_EQ(dialogs->modals[1].caption, "Period of Repeating");
    EXPECT_NE(dialogs->modals[1].content.find("1 2 "), std::string::npos);
    EXPECT_EQ(dialogs->modals[2].form, Form_graph2);
    EXPECT_EQ(dialogs->modals[2].caption, "Number of Repeating");
    EXPECT_TRUE(pagingShown);
}

TEST_F(CommandWindows, FilterAnyGroupsAndShowFillTheTableWindow) {
    Start(kThreeDraws);
    TForm_StringGrid& t = *Form_StringGrid;
    EXPECT_EQ(t.Width(), 500);
    bool separationShown = false, numberShown = false;
    dialogs->onModal = [&](platform::TForm&) {
        separationShown = !t.CheckBox_Separation->isHidden();
        numberShown = !t.CheckBox_number->isHidden();
    };
    form->Button_Any->click();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Any positiion");
    EXPECT_TRUE(separationShown);
    EXPECT_EQ(t.StringGrid1->ColCount(), 19);
    EXPECT_EQ(t.StringGrid1->Cells(8, 0), "Any1");
    EXPECT_EQ(t.StringGrid1->Cells(8, 1), "0"); // 3 .. 36 all in the draw before
    EXPECT_EQ(t.StringGrid1->Cells(14, 3), "");
    EXPECT_EQ(t.Width(), 650);

    dialogs->inputs = {"0"};
    bool groupMode = false;
    dialogs->onModal = [&](platform::TForm&) {
        groupMode = t.GroupMode;
        separationShown = !t.CheckBox_Separation->isHidden();
        numberShown = !t.CheckBox_number->isHidden();
    };
    form->Button_Groups->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Numbers in groups");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "0");
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[1].caption, "Numbers in 5 groups");
    EXPECT_TRUE(groupMode);
    EXPECT_TRUE(numberShown);
    EXPECT_FALSE(separationShown);
    EXPECT_EQ(t.StringGrid1->ColCount(), 15);
    EXPECT_EQ(t.StringGrid1->Cells(8, 1), "1");  // 3
    EXPECT_EQ(t.StringGrid1->Cells(12, 1), "4"); // 36
    EXPECT_EQ(t.StringGrid1->Cells(14, 1), "4");
    EXPECT_FALSE(t.GroupMode);

    form->Button_show->click();
    ASSERT_EQ(dialogs->modals.size(), 3u);
    EXPECT_EQ(dialogs->modals[2].caption, "Table");
    EXPECT_EQ(t.Width(), 640);
    EXPECT_EQ(t.StringGrid1->Cells(9, 0), "Max-Min");
    EXPECT_EQ(t.StringGrid1->Cells(9, 1), "33");
    EXPECT_EQ(t.StringGrid1->Cells(2, 1), "3");
}

TEST_F(CommandWindows, CombinationsRanksAmongFiveOfThirtySixAndPagesTheChart) {
    Start(kThreeDraws);
    form->Button_Combinations->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Combinations");
    EXPECT_NE(dialogs->modals[0].content.find("2:1"), std::string::npos);
    EXPECT_EQ(dialogs->modals[1].form, Form_graph2);
    EXPECT_TRUE(form->Button_Combinations->isEnabled());
}

} // namespace
