#include "apps/vovuv/main.h"

#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_memo.h"
#include "core/DrawMap.h"

void TForm1::Button_mapClick() {
    core::BuildDrawMap(Draws, game_, Form_Display->DrawMap);
    ShowResult(core::MapCommand(Draws, game_, Lang(), Form_Display->DrawMap));
    Form_Display->SetCaption(Form_memo->Caption());
    Form_Display->RenderMap(false, 10);
    Form_Display->ShowModal();
}
