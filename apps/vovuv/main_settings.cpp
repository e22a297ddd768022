#include "apps/vovuv/main.h"

void TForm1::ReadSettings() {}

void TForm1::WriteSettings() {}
