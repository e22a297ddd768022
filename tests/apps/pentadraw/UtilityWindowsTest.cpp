#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/pentadraw/RndTestRun.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_utils.h"
#include "components/skin/xpButton.h"

#include <QGroupBox>
#include <QTest>

namespace {

const char* kTwoDraws = "1236 12.03.2013 36 3 25 17 12\r\n"
                        "1235\t09.03.2013\t1 2 3 4 5\r\n";

using UtilityWindows = PentadrawTest;

TEST_F(UtilityWindows, UtilsListsTheDrawsAndOpensTheHighLighter) {
    Start(kTwoDraws);
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
              (std::vector<std::string>{"03 12 17 25 36", "01 02 03 04 05"}));
}

TEST_F(UtilityWindows, MapListsThirtySixDigitsAndMap2TakesTheButtonCaption) {
    Start(kTwoDraws);
    form->Button_map->click();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption, "Map");
    EXPECT_EQ(Form_memo->Memo1->Lines().at(1), "1:111110000000000000000000000000000000");
    EXPECT_EQ(Form_Display->Zoom, 13);
    form->SetRussian();
    form->xpButton_Map_2->click();
    EXPECT_EQ(dialogs->modals.back().caption, "Карта 2");
    EXPECT_EQ(Form_map_2->Grid().Cell(1, 0), "  2");
    EXPECT_EQ(Form_map_2->Grid().Cell(2, 5), "1");
}

TEST_F(UtilityWindows, RndTestAppendsToTheTextWindow) {
    Start(kTwoDraws);
    Form_memo->Memo1->SetText("kept");
    dialogs->inputs.push_back("1");
    form->xpButton_Rnd_Test->click();
    EXPECT_EQ(dialogs->prompts.at(0).caption, "Enter number of last draws 1..2");
    EXPECT_EQ(dialogs->prompts.at(0).defaultText, "2");
    EXPECT_FALSE(form->xpButton_Rnd_Test->Enabled());
    QTRY_VERIFY_WITH_TIMEOUT(!form->RndTest->Running(), 120000);
    EXPECT_TRUE(form->xpButton_Rnd_Test->Enabled());
    const auto lines = Form_memo->Memo1->Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "kept");
    EXPECT_EQ(lines[1].substr(0, 4), "02: ");
    EXPECT_EQ(dialogs->modals.size(), 1u);
}

} // namespace
