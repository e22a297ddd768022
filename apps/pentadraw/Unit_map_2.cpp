#include "apps/pentadraw/Unit_map_2.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/PopupRows.h"
#include "components/skin/xpWindow.h"
#include "platform/Canvas.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TForm_map_2* Form_map_2 = nullptr;

namespace {

constexpr int FontPoints = 8;

} // namespace

TMap2Grid::TMap2Grid(const core::Map2Grid& grid, core::Map2Marks& marks, QWidget* parent)
    : QAbstractScrollArea(parent), grid_(grid), marks_(marks) {
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    UpdateScrollBars();
}

// Scrolling moves by whole cells; the fixed row and column never scroll.
void TMap2Grid::UpdateScrollBars() {
    const QSize v = viewport()->size();
    const int pitchX = ColWidth + GridLine;
    const int pitchY = RowHeight + GridLine;
    const int visibleCols = std::max((v.width() - pitchX) / pitchX, 1);
    const int visibleRows = std::max((v.height() - HeaderHeight - GridLine) / pitchY, 1);
    horizontalScrollBar()->setRange(0, std::max(grid_.ColCount() - 1 - visibleCols, 0));
    horizontalScrollBar()->setPageStep(visibleCols);
    verticalScrollBar()->setRange(0, std::max(grid_.RowCount() - 1 - visibleRows, 0));
    verticalScrollBar()->setPageStep(visibleRows);
}

QRect TMap2Grid::CellRect(int col, int row) const {
    const int pitchX = ColWidth + GridLine;
    const int pitchY = RowHeight + GridLine;
    const int x = col == 0 ? 0 : (col - horizontalScrollBar()->value()) * pitchX;
    const int y =
        row == 0 ? 0 : HeaderHeight + GridLine + (row - 1 - verticalScrollBar()->value()) * pitchY;
    return QRect(x, y, ColWidth, row == 0 ? HeaderHeight : RowHeight);
}

QPoint TMap2Grid::MouseToCell(QPoint at) const {
    const int pitchX = ColWidth + GridLine;
    const int pitchY = RowHeight + GridLine;
    if (at.x() < 0 || at.y() < 0) return {-1, -1};
    const int col = at.x() < pitchX ? 0 : at.x() / pitchX + horizontalScrollBar()->value();
    const int row = at.y() < HeaderHeight + GridLine ? 0
                                                     : (at.y() - HeaderHeight - GridLine) / pitchY +
                                                           1 + verticalScrollBar()->value();
    if (col >= grid_.ColCount() || row >= grid_.RowCount()) return {-1, -1};
    return {col, row};
}

void TMap2Grid::Render(QImage& image) const {
    image.fill(platform::ToQColor(core::clWindow));
    QPainter text(&image);
    auto fill = [&text](const QRect& r, core::TColor color) {
        text.fillRect(r, platform::ToQColor(color));
    };
    QFont font("Arial");
    font.setPixelSize(platform::PointsToPixels(std::min(FontPoints, ColWidth / 2)));
    text.setFont(font);
    text.setPen(platform::ToQColor(core::clBlack));
    const int size = std::min(FontPoints, ColWidth / 2);

    const int pitchX = ColWidth + GridLine;
    const int pitchY = RowHeight + GridLine;
    const int firstCol = horizontalScrollBar()->value() + 1;
    const int lastCol = std::min(grid_.ColCount() - 1, firstCol + image.width() / pitchX + 1);
    const int firstRow = verticalScrollBar()->value() + 1;
    const int lastRow = std::min(grid_.RowCount() - 1, firstRow + image.height() / pitchY + 1);

    // Grid lines between the cells; beyond the last cell the grid shows its own colour.
    const QRect last = CellRect(lastCol, lastRow);
    fill(QRect(0, 0, std::max(last.right() + 2, ColWidth + GridLine),
               std::max(last.bottom() + 2, HeaderHeight + GridLine)),
         core::clSilver);

    auto paint = [&](int col, int row) {
        const QRect r = CellRect(col, row);
        const bool fixed = col == 0 || row == 0;
        fill(r, fixed ? FixedColor : core::clWindow);
        switch (marks_.Fill(grid_, col, row)) {
        case core::Map2Fill::Header: {
            // Upright text from the cell's bottom, clipped to the cell.
            text.save();
            text.setClipRect(r);
            text.translate(r.left() + ColWidth / 2 + size / 3 - size, r.bottom() + 1 - 2);
            text.rotate(-90);
            text.drawText(QRect(0, 0, 1000, r.width()), Qt::AlignLeft | Qt::AlignTop,
                          QString::fromStdString(grid_.Cell(col, row)));
            text.restore();
            return;
        }
        case core::Map2Fill::Marked:
            fill(r, core::clYellow);
            return;
        case core::Map2Fill::Drawn:
            fill(r, core::clBlue);
            return;
        case core::Map2Fill::None:
            break;
        }
        text.save();
        text.setClipRect(r);
        text.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(grid_.Cell(col, row)));
        text.restore();
    };
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col) paint(col, row);
    for (int col = firstCol; col <= lastCol; ++col) paint(col, 0);
    for (int row = firstRow; row <= lastRow; ++row) paint(0, row);
    paint(0, 0);
}

void TMap2Grid::paintEvent(QPaintEvent*) {
    QImage image(viewport()->size(), QImage::Format_RGB32);
    Render(image);
    QPainter p(viewport());
    p.drawImage(0, 0, image);
}

void TMap2Grid::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = MouseToCell(event->position().toPoint());
    if (cell.x() >= 0 && OnMouseDown) OnMouseDown(cell.x(), cell.y());
    QAbstractScrollArea::mousePressEvent(event);
}

void TMap2Grid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

TForm_map_2::TForm_map_2(const EditionHost& host, QWidget* parent)
    : TForm(parent), grid_(std::make_unique<core::Map2Grid>(host.Store(), host.GameRules())),
      marks_(std::make_unique<core::Map2Marks>(*grid_)) {
    SetCaption("Map 2");
    resize(696, 480);
    xpWindow1 = new TxpWindow(this);
    StringGrid1 = new TMap2Grid(*grid_, *marks_, clientArea());
    StringGrid1->FixedColor = xpWindow1->WinBackground.EndColor;
    StringGrid1->OnMouseDown = [this](int col, int row) { StringGrid1MouseDown(col, row); };
    using F = TForm_map_2;
    const PopupRow<F> popup[] = {{"Clear", &F::Clear1Click, &F::Clear1}};
    PopupMenu1 = MakePopupMenu<F>(*this, *StringGrid1, popup);
    setWindowState(Qt::WindowMaximized);
    FormResize();
}

TForm_map_2::~TForm_map_2() = default;

void TForm_map_2::FormResize() {
    StringGrid1->setGeometry(clientArea()->rect());
}

void TForm_map_2::StringGrid1MouseDown(int col, int row) {
    marks_->Click(col, row);
    StringGrid1->viewport()->update();
}

void TForm_map_2::Clear1Click() {
    marks_->Clear();
    StringGrid1->viewport()->update();
}
