#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_AnyClick() {}

void TForm1::Button_SeparationClick() {}

void TForm1::Button_showClick() {}

void TForm1::Button_CombinationsClick() {}
