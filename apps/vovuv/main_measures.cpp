#include "apps/vovuv/main.h"

void TForm1::Button_CharacterClick() {}

void TForm1::Button_Check_sumClick() {}

void TForm1::StringGrid1DblClick() {}
