#include "apps/vovuv/main.h"

void TForm1::Button_triplesClick() {}

void TForm1::Button_NumbersClick() {}

void TForm1::Button_stat_duplesClick() {}

void TForm1::Button_Match_in_drawsClick() {}

void TForm1::Button_PeriodClick() {}

void TForm1::Button_CombinationsClick() {}
