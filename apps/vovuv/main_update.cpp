#include "apps/vovuv/main.h"

void TForm1::Update1Click() {}
