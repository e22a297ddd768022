#include "apps/pentadraw/main.h"

#include "apps/shared/Unit_graph2.h"
#include "core/CenterDifference.h"
#include "core/MeasureCommands.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"

void TForm1::Button_CharacterClick() {
    ShowResult(core::CharacterCommand(Draws, edition_, Lang()));
}

void TForm1::Button_Check_sumClick() {
    ShowResult(core::CheckSumCommand(Draws, edition_, Lang()));
}

void TForm1::Button_centerClick() {
    ShowResult(core::CenterCommand(Draws, edition_));
}

void TForm1::Button_DifferenceClick() {
    ShowResult(core::DifferenceCommand(Draws, edition_));
}

void TForm1::StringGrid1DblClick() {
    const int col = StringGrid1->Col();
    std::vector<std::string> cells(StringGrid1->RowCount());
    for (int row = 0; row < StringGrid1->RowCount(); ++row)
        cells[row] = StringGrid1->Cells(col, row);
    try {
        if (const auto chart = core::ColumnChart(col, cells, edition_))
            Form_graph2->ShowChart(*chart, chart->caption);
    } catch (const core::FloatConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}
