#include "apps/pentadraw/main.h"

#include "core/CenterDifference.h"

void TForm1::Button_centerClick() {
    ShowResult(core::CenterCommand(Draws, EditionRules()));
}

void TForm1::Button_DifferenceClick() {
    ShowResult(core::DifferenceCommand(Draws, EditionRules()));
}
