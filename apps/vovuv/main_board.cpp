#include "apps/vovuv/main.h"

#include "core/BoardLayout.h"
#include "core/NumberRoutines.h"
#include "platform/StringGrid.h"
#include "platform/UpDown.h"

#include <cstdint>

void TForm1::DrawBoard(const std::string& numbersText) {
    if (!BoardBitmap) return;
    std::uint8_t numbers[6];
    core::ParseNumbers(numbersText, numbers, 6);

    platform::TCanvas& canvas = BoardBitmap->Canvas();
    canvas.Pen.Color = core::clBlue;
    canvas.Pen.Style = platform::PenStyle::Solid;
    canvas.Brush.Color = core::clWhite;
    canvas.Brush.Style = platform::BrushStyle::Solid;
    // The frame's white interior wipes the previous board (and the first-paint stamp).
    canvas.Rectangle(10, 10, 400, 335);
    canvas.Font.Name = "Arial";
    canvas.Font.Color = core::clBlue;

    const int perRow = UpDown1->Position();
    const core::BoardGeometry g = core::BoardCellGeometry(perRow);
    canvas.Font.Size = g.fontSize;
    for (const core::BoardCell& cell : core::BoardCells(perRow, game_.pool)) {
        const std::string label = core::BoardLabel(cell.number);
        if (core::HasNumber(cell.number, numbers, 6)) {
            canvas.Brush.Color = core::clLime;
            canvas.FillRect(cell.x, cell.y, cell.x + g.size, cell.y + g.size);
            canvas.Font.Color = core::clBlack;
            canvas.TextOut(cell.x + 3, cell.y + 2, label);
            canvas.Font.Color = core::clBlue;
            canvas.Brush.Color = core::clWhite;
        } else {
            canvas.Rectangle(cell.x, cell.y, cell.x + g.size, cell.y + g.size);
            canvas.TextOut(cell.x + 3, cell.y + 2, label);
        }
    }
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
