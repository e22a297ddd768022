#include "apps/pentadraw/Unit_map_2.h"

#include "apps/shared/EditionHost.h"
#include "components/skin/xpWindow.h"

TForm_map_2* Form_map_2 = nullptr;

TForm_map_2::TForm_map_2(EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("Map 2");
    xpWindow1 = new TxpWindow(this);
}
