#include "apps/shared/BoardPicture.h"

#include "core/BoardLayout.h"
#include "core/NumberRoutines.h"
#include "platform/Canvas.h"

void PaintBoard(platform::TBitmap& bitmap, const std::uint8_t* numbers, int count, int perRow,
                const core::Edition& edition) {
    platform::TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Color = core::clBlue;
    canvas.Pen.Style = platform::PenStyle::Solid;
    canvas.Brush.Color = core::clWhite;
    canvas.Brush.Style = platform::BrushStyle::Solid;
    // The frame's white interior wipes the previous board (and the first-paint stamp).
    canvas.Rectangle(10, 10, 400, 335);
    canvas.Font.Name = "Arial";
    canvas.Font.Color = core::clBlue;

    const core::BoardGeometry g = core::BoardCellGeometry(perRow, edition.board);
    canvas.Font.Size = g.fontSize;
    for (const core::BoardCell& cell : core::BoardCells(perRow, edition.game.pool, edition.board)) {
        const std::string label = core::BoardLabel(cell.number);
        if (core::HasNumber(cell.number, numbers, count)) {
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
}
