#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_triplesClick() {}

void TForm1::Button_NumbersClick() {}

void TForm1::Button_stat_duplesClick() {}

void TForm1::Button_Match_in_drawsClick() {}

void TForm1::Button_PeriodClick() {}
