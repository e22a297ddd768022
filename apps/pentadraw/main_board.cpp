#include "apps/pentadraw/main.h"

#include "apps/shared/BoardPicture.h"
#include "core/NumberRoutines.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"

void TForm1::DrawBoard(const std::uint8_t* numbers) {
    if (!BoardBitmap) return;
    PaintBoard(*BoardBitmap, numbers, edition_.game.perDraw, UpDown1->Position(), edition_);
    // Only a repaint: FormPaint copies the bitmap over what is there.
    clientArea()->update(0, 0, BoardBitmap->Width(), BoardBitmap->Height());
}

void TForm1::StringGrid1Click() {
    std::uint8_t numbers[core::MaxPerDraw];
    core::ParseNumbers(RowNumbersText(*StringGrid1), numbers, edition_.game.perDraw);
    DrawBoard(numbers);
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
}

void TForm1::UpDown1Click() {
    std::uint8_t numbers[core::MaxPerDraw];
    core::ParseNumbers(RowNumbersText(*StringGrid1), numbers, edition_.game.perDraw);
    DrawBoard(numbers);
}

// The export leaves the main window's picture on the last ticket it drew.
const platform::TBitmap* TForm1::TicketPicture(const std::string& numbersText) {
    std::uint8_t numbers[core::MaxPerDraw];
    core::ParseNumbers(numbersText, numbers, edition_.game.perDraw);
    DrawBoard(numbers);
    return BoardBitmap.get();
}
