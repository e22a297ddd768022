#pragma once

#include "components/chart/Image.h"
#include "components/chart/KerfGraphLayout.h"
#include "components/chart/KerfGraphModel.h"

// The chart control: the model's data and operations, drawn on the control's picture. Every
// redraw repaints the whole picture; the control only shows it.
class TKerfsoftGraph : public TImage, public kerfgraph::KerfGraphModel {
    Q_OBJECT

public:
    explicit TKerfsoftGraph(QWidget* parent = nullptr);

    // Redraws the picture from the current data.
    void UpdateGraph() override;
    // Fits the picture and the plot to the control's size, then redraws.
    void ResizeGraph();
    void CopyToClipboard();
    void EditHeader();
    void EditXAxisHeader();
    void ShowValueInfo(int x, int y, int point, int series);

    // The mouse, in picture coordinates; the control's mouse events call them.
    void MousePressed(Qt::MouseButton button, int x, int y);
    void MouseReleased(Qt::MouseButton button, int x, int y);

    // Positions of the last redraw.
    const kerfgraph::ChartLayout& Layout() const { return layout_; }

    bool LegendDrag = false;
    bool InfoShown = false;
    int PressX = 0;
    int PressY = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    kerfgraph::ChartLayout layout_;
};
