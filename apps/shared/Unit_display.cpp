#include "apps/shared/Unit_display.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/PopupRows.h"
#include "components/skin/xpWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

TForm_Display* Form_Display = nullptr;

namespace {

// The largest point size whose pixel height does not exceed the square, so a label is
// about one square high.
int FontSizeForPixels(int pixels) {
    int size = 1;
    while (platform::PointsToPixels(size + 1) <= pixels) ++size;
    return size;
}

} // namespace

TForm_Display::TForm_Display(const EditionHost& host, QWidget* parent)
    : TForm(parent), host_(host) {
    SetCaption("Form_Display");
    xpWindow1 = new TxpWindow(this);
    xpWindow1->WinBackground.Active = false;

    using F = TForm_Display;
    // Show Net's item turns its own check over, then the map follows it.
    const PopupRow<F> popup[] = {
        {"Copy to Clipboard", &F::CopytoClipboard1Click, &F::CopytoClipboard1},
        {"Show Net", &F::RenderNetChanged, &F::ShowNet1, true},
        {"Zoom in (+)", &F::Zoomin1Click, &F::Zoomin1},
        {"Zoom out (-)", &F::Zoomout1Click, &F::Zoomout1},
    };
    PopupMenu1 = MakePopupMenu<F>(*this, *clientArea(), popup);
    clientArea()->installEventFilter(this);

    // FormCreate
    MapBitmap = std::make_unique<platform::TBitmap>(1024, 768);
    MapBitmap->Canvas().Pen.Color = core::clBlue;
    Zoom = host_.MapStartZoom();
    PlaceAsResultWindow(host_.MapWindowWidth());
}

TForm_Display::~TForm_Display() = default;

void TForm_Display::RenderMap(bool net, int cell) {
    auto& canvas = MapBitmap->Canvas();
    // The whole picture goes first, so a smaller zoom leaves nothing of a larger one behind.
    canvas.Brush.Color = core::clWhite;
    canvas.Brush.Style = platform::BrushStyle::Solid;
    canvas.FillRect(0, 0, MapBitmap->Width(), MapBitmap->Height());

    canvas.Font.Color = core::clBlack;
    canvas.Font.Size = FontSizeForPixels(cell);
    canvas.Font.Name = "Arial";
    canvas.Pen.Color = core::clBlue;
    canvas.Pen.Style = platform::PenStyle::Solid;
    canvas.Pen.Width = 1;

    const core::DrawStore& store = host_.Store();
    const int columns = std::min(host_.GameRules().pool, core::DrawMapTable::Columns);
    const int rows = std::clamp(store.DrawCount, 0, core::MapMaxRows);
    for (int i = 0; i < rows; ++i) {
        const int y = 20 + i * cell;
        if (y >= MapBitmap->Height()) break; // clipped anyway
        for (int c = 0; c < columns; ++c) {
            const int x = 20 + c * cell;
            if (DrawMap.at(i, c) != 0) {
                canvas.Brush.Color = net ? core::clBlue : core::clLime;
                canvas.FillRect(x, y, x + cell, y + cell);
            } else if (net) {
                canvas.Brush.Color = core::clWhite;
                canvas.Rectangle(x, y, x + cell, y + cell);
            } else {
                canvas.Brush.Color = core::clBlue;
                canvas.FillRect(x, y, x + cell, y + cell);
            }
            if (i == 0) {
                canvas.Brush.Color = core::clWhite;
                canvas.TextOut(20 + c * cell, 0, std::to_string(c + 1));
            }
        }
        canvas.Brush.Color = core::clWhite;
        canvas.TextOut(0, y, std::to_string(store.DrawCount - i));
    }
    canvas.Brush.Color = core::clWhite;
}

void TForm_Display::Rerender() {
    RenderMap(ShowNet1->isChecked(), Zoom);
    clientArea()->update();
}

void TForm_Display::RenderNetChanged() {
    Rerender();
}

void TForm_Display::FormShow() {
    Rerender();
}

void TForm_Display::FormResize() {
    if (MapBitmap) Rerender();
}

void TForm_Display::FormPaint(QPainter& painter) {
    const QRect r(0, 0, Width(), Height());
    painter.drawImage(r, MapBitmap->Image(), r);
}

bool TForm_Display::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_C && modifiers == Qt::ControlModifier) {
        CopytoClipboard1Click();
        return true;
    }
    int step = 0;
    if (key == Qt::Key_Plus || key == Qt::Key_Equal) step = 1;
    if (key == Qt::Key_Minus) step = -1;
    if (step != 0) {
        Zoom = std::clamp(Zoom + step, MinZoom, MaxZoom);
        Rerender();
        return true;
    }
    return TForm::FormKeyDown(key, modifiers);
}

void TForm_Display::CopytoClipboard1Click() {
    QGuiApplication::clipboard()->setImage(MapBitmap->Image());
}

void TForm_Display::ShowNet1Click() {
    ShowNet1->setChecked(!ShowNet1->isChecked());
    RenderNetChanged();
}

void TForm_Display::Zoomin1Click() {
    FormKeyDown(Qt::Key_Plus, Qt::NoModifier);
}

void TForm_Display::Zoomout1Click() {
    FormKeyDown(Qt::Key_Minus, Qt::NoModifier);
}

void TForm_Display::FormDblClick() {
    ShowNet1Click();
}

bool TForm_Display::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea() && event->type() == QEvent::MouseButtonDblClick) {
        FormDblClick();
        return true;
    }
    return TForm::eventFilter(watched, event);
}
