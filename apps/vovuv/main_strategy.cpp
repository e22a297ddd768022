#include "apps/vovuv/main.h"

#include "apps/shared/Unit_stringgrid.h"
#include "core/FilterCommands.h"
#include "core/StrategyCommands.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"

namespace {

// The table window after fill_grid: a command's columns, its flags, its caption.
void ShowTableResult(const core::TableResult& r, bool filterMode = false) {
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(r.table);
    if (filterMode) Form_StringGrid->EnterFilterMode();
    Form_StringGrid->ShowTable(r.caption);
}

// The grid's columns from `first` on, header, width and cells, as the table window takes them.
core::TableColumns ColumnsFrom(const platform::TStringGrid& grid, int first) {
    core::TableColumns t;
    t.colCount = grid.ColCount();
    for (int c = first; c < grid.ColCount(); ++c) {
        core::TableColumn col;
        col.index = c;
        col.header = grid.Cells(c, 0);
        col.width = grid.ColWidths(c);
        for (int row = 1; row < grid.RowCount(); ++row) col.cells.push_back(grid.Cells(c, row));
        t.columns.push_back(std::move(col));
    }
    return t;
}

} // namespace

void TForm1::Button_Skip_strategyClick() {
    const core::Prompt p = core::SkipStrategyPrompt(DrawCount, edition_, Lang());
    const std::string answer = platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText);
    int n = 0;
    try {
        n = core::SkipStrategyLastN(answer, DrawCount);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    ShowResult(core::SkipStrategy(Draws, edition_, n, Lang()));
}

void TForm1::Button_Freq_strategyClick() {
    const core::Prompt p = core::FrequencyStrategyPrompt(DrawCount, Lang());
    const auto n = AskLastN(p.caption, p.prompt);
    if (!n) return;
    ShowTableResult(core::FrequencyStrategy(Draws, edition_, *n, Lang()));
}

void TForm1::Button_Freq_AnalyseClick() {
    const core::Prompt p = core::FreqAnalysePrompt(DrawCount, Lang());
    const auto n = AskLastN(p.caption, p.prompt, core::LastNVariant::FreqAnalyse);
    if (!n) return;
    ShowResult(core::FreqAnalyse(Draws, game_, *n, Lang()));
}

void TForm1::Button_FilterClick() {
    ShowTableResult(core::FilterAny(Draws, edition_, Lang()), true);
}

void TForm1::Button_SeparationClick() {
    const core::Prompt p = core::SeparationPrompt(DrawCount, Lang());
    const int a = AskNumber(DrawCount, p.caption, p.prompt);
    const auto result = core::Separation(Draws, game_, a, Lang());
    if (!result) {
        platform::Dialogs().ShowMessage(core::SeparationRangeMessage(DrawCount, Lang()));
        return;
    }
    ShowResult(*result);
}

void TForm1::Button_showClick() {
    // The draw columns come from the store in use, so the copied columns stand beside the
    // draws they were worked out from, whatever the table showed before.
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(ColumnsFrom(*StringGrid1, game_.perDraw + 3));
    Form_StringGrid->StringGrid1->SetRowCount(StringGrid1->RowCount());
    Form_StringGrid->ShowTable(RussianUI ? "Таблица" : "Table");
}
