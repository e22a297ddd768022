#include "apps/pentadraw/main.h"

// The commands of this family come with their own change; until then a click does nothing.

void TForm1::Button_statClick() {}

void TForm1::Button_deltaClick() {}

void TForm1::Button_Average_Click() {}

void TForm1::Button_Cold_numbersClick() {}

void TForm1::Button_Numbers_in_past_drawsClick() {}

void TForm1::Button_freq_A1_A5Click() {}
