#include "apps/vovuv/main.h"

#include "core/NumberRoutines.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"

void TForm1::DrawBoard(const std::string&) {}

void TForm1::StringGrid1Click() {
    const int row = StringGrid1->Row();
    if (row >= 1 && row <= DrawCount)
        DrawBoard(core::NumbersToText(Draws[row - 1].data(), false, " ", 6));
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
}

void TForm1::UpDown1Click() {
    StringGrid1Click();
}
