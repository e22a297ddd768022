#include "apps/vovuv/Windows.h"

#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/main.h"
#include "apps/vovuv/settings.h"

VovuvWindows::VovuvWindows() {
    // The main window (and so the first load and its messages) comes before the others,
    // which read the store as it is then.
    form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    memo = std::make_unique<TForm_memo>(*form1);
    Form_memo = memo.get();
    graph = std::make_unique<TForm_graph>(*form1);
    Form_graph = graph.get();
    graph2 = std::make_unique<TForm_graph2>(*form1);
    Form_graph2 = graph2.get();
    display = std::make_unique<TForm_Display>(*form1);
    Form_Display = display.get();
    utils = std::make_unique<TForm_Utils>(*form1);
    Form_Utils = utils.get();
    stringGrid = std::make_unique<TForm_StringGrid>(*form1);
    Form_StringGrid = stringGrid.get();
    settings = std::make_unique<TForm_settings>(*form1);
    Form_settings = settings.get();
}

VovuvWindows::~VovuvWindows() {
    Form_settings = nullptr;
    settings.reset();
    Form_StringGrid = nullptr;
    stringGrid.reset();
    Form_Utils = nullptr;
    utils.reset();
    Form_Display = nullptr;
    display.reset();
    Form_graph2 = nullptr;
    graph2.reset();
    Form_graph = nullptr;
    graph.reset();
    Form_memo = nullptr;
    memo.reset();
    Form1 = nullptr;
    form1.reset();
}
