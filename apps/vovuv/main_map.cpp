#include "apps/vovuv/main.h"

void TForm1::Button_mapClick() {}
