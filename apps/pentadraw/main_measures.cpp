#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_CharacterClick() {}

void TForm1::Button_Check_sumClick() {}

void TForm1::Button_centerClick() {}

void TForm1::Button_DifferenceClick() {}

void TForm1::StringGrid1DblClick() {}
