#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_Skip_strategyClick() {}

void TForm1::Button_Freq_strategyClick() {}

void TForm1::Button_Freq_AnalyseClick() {}
