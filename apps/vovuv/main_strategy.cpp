#include "apps/vovuv/main.h"

void TForm1::Button_Skip_strategyClick() {}

void TForm1::Button_Freq_strategyClick() {}

void TForm1::Button_Freq_AnalyseClick() {}

void TForm1::Button_FilterClick() {}

void TForm1::Button_SeparationClick() {}

void TForm1::Button_showClick() {}
