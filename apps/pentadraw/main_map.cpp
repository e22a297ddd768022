#include "apps/pentadraw/main.h"

#include "apps/pentadraw/Unit_map_2.h"
#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "core/DrawMap.h"

void TForm1::Button_mapClick() {
    core::BuildDrawMap(Draws, GameRules(), Form_Display->DrawMap);
    const core::CommandResult result =
        core::MapCommand(Draws, GameRules(), Lang(), Form_Display->DrawMap);
    ShowResult(result);
    Form_Display->SetCaption(Form_memo->Caption());
    Form_Display->RenderMap(false, 10);
    Form_Display->ShowModal();
}

void TForm1::xpButton_Map_2Click() {
    Form_map_2->SetCaption(xpButton_Map_2->Caption());
    Form_map_2->ShowModal();
}
