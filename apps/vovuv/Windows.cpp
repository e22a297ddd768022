#include "apps/vovuv/Windows.h"

#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/main.h"
#include "apps/vovuv/settings.h"

// The main window (and so the first load and its messages) comes before the others, which
// read the store as it is then.
VovuvWindows::VovuvWindows()
    : form1(Form1), memo(Form_memo, *form1), graph(Form_graph, *form1), graph2(Form_graph2, *form1),
      display(Form_Display, *form1), utils(Form_Utils, *form1), stringGrid(Form_StringGrid, *form1),
      settings(Form_settings, *form1) {}

VovuvWindows::~VovuvWindows() = default;
