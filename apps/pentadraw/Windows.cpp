#include "apps/pentadraw/Windows.h"

#include "apps/pentadraw/Unit_high.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "apps/pentadraw/main.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"

// The main window (and so the first load and its messages) comes before the others, which
// read the store as it is then.
PentadrawWindows::PentadrawWindows()
    : form1(Form1), memo(Form_memo, *form1), display(Form_Display, *form1),
      utils(Form_Utils, *form1), stringGrid(Form_StringGrid, *form1), graph2(Form_graph2, *form1),
      high(Form_high), map2(Form_map_2, *form1) {}

PentadrawWindows::~PentadrawWindows() = default;
