#include "apps/shared/MainForm.h"

#include "apps/shared/Handover.h"
#include "apps/shared/PairStrategyRuns.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "core/ColumnChart.h"
#include "core/DrawMap.h"
#include "core/FrequencyCommands.h"
#include "core/MeasureCommands.h"
#include "core/ZoneCommands.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"

void TMainForm::Button_statClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Language()));
    if (n) ShowResult(core::StatisticsCommand(Draws, EditionRules(), *n, Language()));
}

void TMainForm::Button_deltaClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Language()));
    if (n) ShowResult(core::DeltaCommand(Draws, EditionRules(), *n, Language()));
}

void TMainForm::Button_Average_Click() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Language()));
    if (n) ShowResult(core::AverageCommand(Draws, EditionRules(), *n, Language()));
}

void TMainForm::Button_Cold_numbersClick() {
    ShowResult(core::ColdNumbersCommand(Draws, EditionRules(), Language()));
}

void TMainForm::Button_Numbers_in_past_drawsClick() {
    const auto prompt = core::FrequencyPrompt(EditionRules(), DrawCount, Language());
    const auto n = AskLastN(prompt.caption, prompt.prompt, prompt.variant);
    if (n) ShowResult(core::FrequencyCommand(Draws, EditionRules(), *n, Language()));
}

void TMainForm::FreqA1Click() {
    const auto n = AskLastN(core::FrequencyPromptCaption(Language()));
    if (n) ShowResult(core::FreqA1A6Command(Draws, EditionRules(), *n, Language()));
}

void TMainForm::Button_CharacterClick() {
    ShowResult(core::CharacterCommand(Draws, EditionRules(), Language()));
}

void TMainForm::Button_Check_sumClick() {
    ShowResult(core::CheckSumCommand(Draws, EditionRules(), Language()));
}

void TMainForm::StringGrid1DblClick() {
    const int col = StringGrid1->Col();
    std::vector<std::string> cells(StringGrid1->RowCount());
    for (int row = 0; row < StringGrid1->RowCount(); ++row)
        cells[row] = StringGrid1->Cells(col, row);
    try {
        if (const auto chart = core::ColumnChart(col, cells, EditionRules()))
            Form_graph2->ShowChart(*chart, chart->caption);
    } catch (const core::FloatConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}

void TMainForm::Button_ZoneClick() {
    const core::ZonePrompt p = core::ZonesPrompt(EditionRules(), Language());
    const std::string answer = platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText);
    int z = 0;
    try {
        z = core::ZoneAnswer(answer, GameRules().pool);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    ShowResult(core::Zones(Draws, EditionRules(), z, Language()));
}

void TMainForm::Button_final_sum_of_numbersClick() {
    ShowTableResult(core::FinalSums(Draws, EditionRules(), Language()));
}

void TMainForm::Button_mapClick() {
    core::BuildDrawMap(Draws, GameRules(), Form_Display->DrawMap);
    ShowResult(core::MapCommand(Draws, GameRules(), Language(), Form_Display->DrawMap));
    Form_Display->SetCaption(Form_memo->Caption());
    Form_Display->RenderMap(false, 10);
    Form_Display->ShowModal();
}

void TMainForm::Button_triplesClick() {
    RunTriples(*this);
}

void TMainForm::Button_NumbersClick() {
    RunNumbers(*this);
}

void TMainForm::Button_stat_duplesClick() {
    RunStatsDuples(*this);
}

void TMainForm::Button_Match_in_drawsClick() {
    RunMatchInDraws(*this);
}

void TMainForm::Button_PeriodClick() {
    RunPeriod(*this);
}

void TMainForm::Button_CombinationsClick() {
    RunCombinations(*this, *Button_Combinations);
}

void TMainForm::Button_Skip_strategyClick() {
    RunSkipStrategy(*this);
}

void TMainForm::Button_Freq_strategyClick() {
    RunFrequencyStrategy(*this);
}

void TMainForm::Button_Freq_AnalyseClick() {
    RunFreqAnalyse(*this);
}

void TMainForm::FilterAnyClick() {
    RunFilterAny(*this);
}

void TMainForm::Button_SeparationClick() {
    RunSeparation(*this);
}

void TMainForm::Button_showClick() {
    RunShow(*this, *StringGrid1);
}
