#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_GroupsClick() {}

void TForm1::xpButton_Rnd_TestClick() {}

void TForm1::xpButton_Map_2Click() {}
