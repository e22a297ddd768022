#include "apps/pentadraw/main.h"

#include "apps/pentadraw/Unit_map_2.h"

void TForm1::xpButton_Map_2Click() {
    Form_map_2->SetCaption(xpButton_Map_2->Caption());
    Form_map_2->ShowModal();
}
