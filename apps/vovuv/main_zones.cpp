#include "apps/vovuv/main.h"

void TForm1::Button_ZoneClick() {}

void TForm1::Button_final_sum_of_numbersClick() {}

void TForm1::Button_PrognosisClick() {}

void TForm1::Button_Spans_graphClick() {}

void TForm1::Button_bandClick() {}

void TForm1::Button_Sort_by_groupsClick() {}
