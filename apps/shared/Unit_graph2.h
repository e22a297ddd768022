#pragma once

#include "core/CommandResult.h"
#include "core/SeriesPages.h"
#include "platform/Form.h"

#include <string>

class EditionHost;
class QAction;
class QMenu;
class QToolButton;
class TKerfsoftGraph;
class TxpButton;
class TxpWindow;

// The chart window: one chart and the buttons that switch its graph type or transpose it.
class TForm_graph2 : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_graph2(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;
    TKerfsoftGraph* KerfsoftGraph1;
    QToolButton* SpeedButton_Line;
    QToolButton* SpeedButton_Bar_with_ave;
    QToolButton* SpeedButton_mark;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
    QMenu* PopupMenu1;
    QAction* CopyImagetoClipboard1;
    // Page back and on through a series over every draw; shown only while one is.
    TxpButton* xpButton_Left;
    TxpButton* xpButton_Right;

    // The series over every draw that the window pages (kept between showings).
    core::SeriesPages Series;

    // A command's hand-over: fills the chart, titles the window and shows it modally.
    void ShowChart(const core::ChartData& chart, const std::string& caption);

    void SpeedButton_LineClick();
    void SpeedButton_Bar_with_aveClick();
    void SpeedButton_markClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void CopyImagetoClipboard1Click();
    void xpButton_LeftClick();
    void xpButton_RightClick();

protected:
    void FormClose() override;
    void FormActivate() override;
    void FormResize() override;

private:
    void FillPage();

    const EditionHost& host_;
};

extern TForm_graph2* Form_graph2;
