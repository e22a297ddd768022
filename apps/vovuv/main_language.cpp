#include "apps/vovuv/main.h"

void TForm1::SetRussian() {
    RussianUI = true;
}

void TForm1::SetEnglish() {
    RussianUI = false;
}

void TForm1::RusEng1Click() {}
