#include "components/chart/KerfGraph.h"

#include "components/chart/KerfGraphPaint.h"
#include "platform/Dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>

#include <algorithm>

using kerfgraph::FirstChars;
using kerfgraph::FontKind;
using kerfgraph::RoundInt;

TKerfsoftGraph::TKerfsoftGraph(QWidget* parent) : TImage(parent) {
    resize(25, 25);
}

void TKerfsoftGraph::UpdateGraph() {
    const kerfgraph::CanvasMetrics metrics(*this);
    PrepareDrawing(metrics.TextHeight(FontKind::Header, "Mg"));
    if (Data.GraphType != 6 && Data.GraphType != 9) {
        int widest = 0;
        for (int k = 1; k <= Data.NumYLegends + 1; ++k)
            widest = std::max(widest, metrics.TextWidth(FontKind::Axis, Data.YLabels[k]));
        FitLeftMargin(widest);
    }
    layout_ = kerfgraph::LayOutChart(*this, metrics);
    // An empty picture is not drawn on.
    if (Picture().Width() > 0 && Picture().Height() > 0)
        kerfgraph::PaintChart(Canvas(), *this, layout_);
    Invalidate();
    if (layout_.unsupported) platform::Dialogs().ShowMessage("DefaultGraphType not supported");
}

void TKerfsoftGraph::ResizeGraph() {
    SetPictureSize(width(), height());
    const int w = Picture().Width(), h = Picture().Height();
    Data.PlotHeight = std::max(10, h - 2 * Data.MarginTop);
    Data.PlotWidth = std::max(10, ShowLegend ? RoundInt(w - 1.5L * Data.MarginLeft - LegendWidth)
                                             : RoundInt(w - 0.5L * Data.MarginLeft));
    Invalidate();
    UpdateGraph();
}

void TKerfsoftGraph::CopyToClipboard() {
    QGuiApplication::clipboard()->setImage(Picture().Image());
}

void TKerfsoftGraph::EditHeader() {
    const std::string answer =
        platform::Dialogs().InputBox("KerfGraph", Data.Header + "->", Data.Header);
    Data.Header = FirstChars(answer, kerfgraph::kMaxText);
    UpdateGraph();
}

void TKerfsoftGraph::EditXAxisHeader() {
    const std::string answer =
        platform::Dialogs().InputBox("KerfGraph", Data.XAxisHeader + "->", Data.XAxisHeader);
    Data.XAxisHeader = FirstChars(answer, kerfgraph::kMaxText);
    UpdateGraph();
}

void TKerfsoftGraph::ShowValueInfo(int x, int y, int point, int series) {
    const kerfgraph::CanvasMetrics metrics(*this);
    const auto box =
        kerfgraph::LayOutInfoBox(*this, metrics, layout_.finalFont, x, y, point, series);
    if (Picture().Width() > 0 && Picture().Height() > 0)
        kerfgraph::PaintInfoBox(Canvas(), *this, box);
    InfoShown = true;
    Invalidate();
}

void TKerfsoftGraph::MousePressed(Qt::MouseButton button, int x, int y) {
    // The right button belongs to the pop-up menu: it neither edits nor leaves a box on the
    // picture that the menu may copy.
    if (button != Qt::LeftButton) return;
    if (MouseEdit) {
        if (y < Data.MarginTop)
            EditHeader();
        else if (y > Data.MarginTop + Data.PlotHeight)
            EditXAxisHeader();
    }
    if (!MouseInfo) return;
    LegendDrag = false;
    PressX = x;
    PressY = y;
    const auto target = kerfgraph::HitTest(*this, x, y);
    if (target.kind == kerfgraph::PressTarget::LegendEdge) {
        LegendDrag = true;
        setCursor(Qt::SizeHorCursor);
        return;
    }
    if (target.kind != kerfgraph::PressTarget::Value) return;
    InfoPoint = target.point;
    InfoSeries = target.series;
    ShowValueInfo(x, y, InfoPoint, InfoSeries);
}

void TKerfsoftGraph::MouseReleased(Qt::MouseButton, int x, int) {
    unsetCursor();
    if (LegendDrag) {
        // The plot keeps at least 10 pixels and the legend no negative width.
        int delta = x - PressX;
        delta = std::max(delta, 10 - Data.PlotWidth);
        delta = std::min(delta, std::max(LegendWidth, 10 - Data.PlotWidth));
        LegendWidth = std::max(0, LegendWidth - delta);
        Data.PlotWidth = std::max(10, Data.PlotWidth + delta);
        UpdateGraph();
    }
    if (InfoShown) {
        UpdateGraph();
        InfoShown = false;
    }
    LegendDrag = false;
}

void TKerfsoftGraph::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MousePressed(event->button(), p.x(), p.y());
    // Other buttons go on to the pop-up menu of the window.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

void TKerfsoftGraph::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseReleased(event->button(), p.x(), p.y());
    event->accept();
}
