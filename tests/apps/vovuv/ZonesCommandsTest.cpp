#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include "core/ZoneCommands.h"
#include "components/chart/Histogramm.h"

#include <gtest/gtest.h>

namespace {

class ZonesCommands : public VovuvTest {
protected:
    void SetUp() override {
        Start();
        const std::vector<core::Draw> newestFirst = {
            {30, 31, 32, 33, 34, 37}, // 3
            {1, 2, 3, 4, 5, 40},      // 2
            {20, 25, 30, 33, 35, 37}, // 1: sum 180
        };
        for (std::size_t i = 0; i < newestFirst.size(); ++i)
            form->PutDraw(newestFirst[i], static_cast<int>(i));
        form->DrawCount = static_cast<int>(newestFirst.size());
        dialogs->messages.clear();
        dialogs->modals.clear();
    }
};

TEST_F(ZonesCommands, ZonesAsksAndShowsTheCountsPerZone) {
    dialogs->inputs.push_back("3");
    form->Button_ZoneClick();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Number of zone");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Enter zone count");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "2");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Numbers in 3 zones");
    const auto lines = Form_memo->Memo1->Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "    1..15 16..30 31..45 ");
    EXPECT_EQ(lines[1], "3:   0 : 1 : 5");
    EXPECT_EQ(lines[2], "2:   5 : 0 : 1");
}

TEST_F(ZonesCommands, ZonesTakesZeroAsOneAndReportsATooLongAnswer) {
    form->SetRussian();
    dialogs->inputs.push_back("0");
    form->Button_ZoneClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Число зон");
    EXPECT_EQ(dialogs->modals[0].caption, "Числа в 1 зонах");
    EXPECT_EQ(Form_memo->Memo1->Lines()[1], "3:   6");

    dialogs->inputs.push_back("12345678901");
    form->Button_ZoneClick();
    EXPECT_EQ(dialogs->modals.size(), 1u);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "'12345678901' is not a valid integer value");
}

TEST_F(ZonesCommands, FinalSumsFillTheTableWindow) {
    form->Button_final_sum_of_numbersClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, Form_StringGrid);
    EXPECT_EQ(dialogs->modals[0].caption, "Table - Final summary of numbers (n mod 9)");
    const auto& g = *Form_StringGrid->StringGrid1;
    EXPECT_EQ(g.ColCount(), 15);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(9, 0), "S1");
    EXPECT_EQ(g.Cells(14, 0), "S6");
    EXPECT_EQ(g.Cells(2, 2), "1");
    EXPECT_EQ(g.Cells(14, 2), "4"); // 40 mod 9
    EXPECT_EQ(g.Cells(10, 3), "7"); // 25 mod 9
    EXPECT_EQ(g.Cells(11, 1), "5"); // 32 mod 9
    EXPECT_EQ(g.Cells(9, 3), "2");  // 20 mod 9
    EXPECT_EQ(g.Cells(12, 1), "6"); // 33 mod 9
    EXPECT_EQ(g.Cells(12, 3), "6");
    EXPECT_EQ(g.Cells(13, 1), "7"); // 34 mod 9
    EXPECT_EQ(g.Cells(0, 1), "3");
    EXPECT_EQ(g.ColWidths(9), 20);
    EXPECT_FALSE(Form_StringGrid->FilterMode);
}

TEST_F(ZonesCommands, PrognosisShowsBothRules) {
    form->Button_PrognosisClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Prognosis");
    const auto lines = Form_memo->Memo1->Lines();
    EXPECT_EQ(lines[2], "1: #3-->30  ");
    form->SetRussian();
    form->Button_PrognosisClick();
    EXPECT_EQ(dialogs->modals[1].caption, "Прогноз");
}

TEST_F(ZonesCommands, SpansShowsTheTextThenTheHistogramUnderTheSameCaption) {
    form->Button_Spans_graphClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].form, Form_memo);
    EXPECT_EQ(dialogs->modals[0].caption, "Statistics - Most Frequently Spans for all games");
    EXPECT_EQ(dialogs->modals[1].form, Form_graph);
    EXPECT_EQ(dialogs->modals[1].caption, dialogs->modals[0].caption);
    EXPECT_EQ(Form_memo->Memo1->Lines().size(), 100u);
    // The histogram holds the spans' bins, labelled from 0 like the text.
    const auto spans = core::Spans(form->Draws, form->GameRules());
    const auto& h = *Form_graph->Histogram;
    EXPECT_EQ(h.FirstLabel, 0);
    for (int j = 0; j < 45; ++j) EXPECT_EQ(h.hv.GetValue(j), spans.bins[j]) << j;
}

TEST_F(ZonesCommands, HiddenGroupCommandsShowTheirTexts) {
    form->Button_Sort_by_groupsClick();
    form->Button_bandClick();
    ASSERT_EQ(dialogs->modals.size(), 2u);
    EXPECT_EQ(dialogs->modals[0].caption,
              "Numbers sorted by groups: 1..7  8..13  14..20  21..26  27..32  33..39  40..45");
    EXPECT_EQ(dialogs->modals[1].caption, "1..12 34..45 ");
    const auto lines = Form_memo->Memo1->Lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "01: 40");
    EXPECT_EQ(lines[5], "06: ");
    EXPECT_TRUE(form->Button_band->isHidden());
    EXPECT_TRUE(form->Button_Spans_graph->isHidden());
    EXPECT_TRUE(form->Button_Sort_by_groups->isHidden());
}

} // namespace
