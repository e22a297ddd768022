#include "apps/pentadraw/Windows.h"

#include "apps/pentadraw/Unit_high.h"
#include "apps/pentadraw/Unit_map_2.h"
#include "apps/pentadraw/main.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"

PentadrawWindows::PentadrawWindows() {
    // The main window (and so the first load and its messages) comes before the others,
    // which read the store as it is then.
    form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    memo = std::make_unique<TForm_memo>(*form1);
    Form_memo = memo.get();
    display = std::make_unique<TForm_Display>(*form1);
    Form_Display = display.get();
    utils = std::make_unique<TForm_Utils>(*form1);
    Form_Utils = utils.get();
    stringGrid = std::make_unique<TForm_StringGrid>(*form1);
    Form_StringGrid = stringGrid.get();
    graph2 = std::make_unique<TForm_graph2>(*form1);
    Form_graph2 = graph2.get();
    high = std::make_unique<TForm_high>(*form1);
    Form_high = high.get();
    map2 = std::make_unique<TForm_map_2>(*form1);
    Form_map_2 = map2.get();
}

PentadrawWindows::~PentadrawWindows() {
    Form_map_2 = nullptr;
    map2.reset();
    Form_high = nullptr;
    high.reset();
    Form_graph2 = nullptr;
    graph2.reset();
    Form_StringGrid = nullptr;
    stringGrid.reset();
    Form_Utils = nullptr;
    utils.reset();
    Form_Display = nullptr;
    display.reset();
    Form_memo = nullptr;
    memo.reset();
    Form1 = nullptr;
    form1.reset();
}
