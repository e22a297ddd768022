#include "apps/vovuv/main.h"

#include "apps/shared/BoardPicture.h"
#include "core/NumberRoutines.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"

#include <cstdint>

void TForm1::DrawBoard(const std::string& numbersText) {
    if (!BoardBitmap) return;
    std::uint8_t numbers[6];
    core::ParseNumbers(numbersText, numbers, 6);
    PaintBoard(*BoardBitmap, numbers, 6, UpDown1->Position(), EditionRules());
    // Only a repaint: FormPaint copies the bitmap over what is there.
    clientArea()->update(0, 0, BoardBitmap->Width(), BoardBitmap->Height());
}

void TForm1::StringGrid1Click() {
    const std::string numbers = RowNumbersText(*StringGrid1);
    DrawBoard(numbers);
    Edit_find->setText(QString::fromStdString(numbers));
}

void TForm1::UpDown1Click() {
    DrawBoard(RowNumbersText(*StringGrid1));
}
