#pragma once

#include "core/CommandResult.h"
#include "core/TableColumns.h"

namespace platform {
class TStringGrid;
}

// How a command's result reaches the result windows of its program.

// The text, then each chart, each shown after the previous window was closed; a chart without
// a caption of its own takes the text window's.
void ShowResult(core::CommandResult result);

// The table window after fill_grid: a command's columns, filter mode when asked, its caption.
void ShowTableResult(const core::TableResult& result, bool filterMode = false);

// The grid's columns from `first` on, header, width and cells, as the table window takes them.
core::TableColumns ColumnsFrom(const platform::TStringGrid& grid, int first);
