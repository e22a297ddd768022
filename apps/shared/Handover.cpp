#include "apps/shared/Handover.h"

#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "platform/StringGrid.h"

#include <utility>

void ShowResult(core::CommandResult result) {
    // The lines are moved: a large result is never held twice, and one made on demand is
    // never written out.
    if (result.source)
        Form_memo->ShowSource(result.caption, std::move(result.source));
    else
        Form_memo->ShowLines(result.caption, std::move(result.lines));
    for (const auto& chart : result.charts)
        Form_graph2->ShowChart(chart, chart.caption.empty() ? Form_memo->Caption() : chart.caption);
}

void ShowTableResult(const core::TableResult& r, bool filterMode) {
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(r.table);
    if (filterMode) Form_StringGrid->EnterFilterMode();
    Form_StringGrid->ShowTable(r.caption);
}

core::TableColumns ColumnsFrom(const platform::TStringGrid& grid, int first) {
    core::TableColumns t;
    t.colCount = grid.ColCount();
    for (int c = first; c < grid.ColCount(); ++c) {
        core::TableColumn col;
        col.index = c;
        col.header = grid.Cells(c, 0);
        col.width = grid.ColWidths(c);
        col.cells = grid.Column(c);
        t.columns.push_back(std::move(col));
    }
    return t;
}
