#include "apps/vovuv/main.h"

#include "apps/shared/Handover.h"
#include "apps/shared/Unit_stringgrid.h"
#include "core/FilterCommands.h"
#include "core/StrategyCommands.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"

void TForm1::Button_Skip_strategyClick() {
    const core::Prompt p = core::SkipStrategyPrompt(DrawCount, Lang());
    const std::string answer = platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText);
    int n = 0;
    try {
        n = core::SkipStrategyLastN(answer, DrawCount);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    ShowResult(core::SkipStrategy(Draws, game_, n, Lang()));
}

void TForm1::Button_Freq_strategyClick() {
    const core::Prompt p = core::FrequencyStrategyPrompt(DrawCount, Lang());
    const auto n = AskLastN(p.caption, p.prompt);
    if (!n) return;
    ShowTableResult(core::FrequencyStrategy(Draws, game_, *n, Lang()));
}

void TForm1::Button_Freq_AnalyseClick() {
    const core::Prompt p = core::FreqAnalysePrompt(DrawCount, Lang());
    const auto n = AskLastN(p.caption, p.prompt, core::LastNVariant::FreqAnalyse);
    if (!n) return;
    ShowResult(core::FreqAnalyse(Draws, game_, *n, Lang()));
}

void TForm1::Button_FilterClick() {
    ShowTableResult(core::FilterAny(Draws, game_, Lang()), true);
}

void TForm1::Button_SeparationClick() {
    const core::Prompt p = core::SeparationPrompt(DrawCount, Lang());
    const int a = AskNumber(DrawCount, p.caption, p.prompt);
    auto result = core::Separation(Draws, game_, a, Lang());
    if (!result) {
        platform::Dialogs().ShowMessage(core::SeparationRangeMessage(DrawCount, Lang()));
        return;
    }
    ShowResult(std::move(*result));
}

void TForm1::Button_showClick() {
    // The draw columns come from the store in use, so the copied columns stand beside the
    // draws they were worked out from, whatever the table showed before.
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(ColumnsFrom(*StringGrid1, game_.perDraw + 3));
    Form_StringGrid->StringGrid1->SetRowCount(StringGrid1->RowCount());
    Form_StringGrid->ShowTable(RussianUI ? "Таблица" : "Table");
}
