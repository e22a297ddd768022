#include "apps/shared/Unit_graph2.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/PopupRows.h"
#include "components/chart/KerfGraph.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include <functional>

TForm_graph2* Form_graph2 = nullptr;

namespace {

enum class Glyph { Line, BarWithAverage, Mark, Transpose, Bar };

// Small drawn pictures for the graph-type buttons.
QIcon GlyphIcon(Glyph glyph) {
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor bar(0, 160, 0), ink(0, 0, 128);
    switch (glyph) {
    case Glyph::Line:
        p.setPen(QPen(ink, 2));
        p.drawPolyline(QPolygon({QPoint(2, 14), QPoint(6, 6), QPoint(11, 11), QPoint(16, 3)}));
        break;
    case Glyph::BarWithAverage:
        p.fillRect(3, 8, 3, 8, bar);
        p.fillRect(8, 4, 3, 12, bar);
        p.fillRect(13, 10, 3, 6, bar);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(2, 9, 16, 9);
        break;
    case Glyph::Mark:
        p.setPen(QPen(bar, 2));
        for (const QPoint c : {QPoint(4, 12), QPoint(9, 5), QPoint(14, 9)})
            p.drawPolygon(QPolygon(
                {c + QPoint(0, -2), c + QPoint(2, 0), c + QPoint(0, 2), c + QPoint(-2, 0)}));
        break;
    case Glyph::Transpose:
        p.setPen(QPen(ink, 2));
        p.drawLine(3, 15, 15, 3);
        p.drawLine(15, 3, 10, 3);
        p.drawLine(15, 3, 15, 8);
        p.drawLine(3, 15, 8, 15);
        p.drawLine(3, 15, 3, 10);
        break;
    case Glyph::Bar:
        p.fillRect(3, 9, 3, 7, bar);
        p.fillRect(8, 3, 3, 13, bar);
        p.fillRect(13, 6, 3, 10, bar);
        break;
    }
    return QIcon(pm);
}

QToolButton* SpeedButton(QWidget* parent, int x, const char* hint, Glyph glyph,
                         std::function<void()> click) {
    auto* b = new QToolButton(parent);
    b->setGeometry(x, 0, 25, 25);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(GlyphIcon(glyph));
    if (*hint) b->setToolTip(QString::fromUtf8(hint));
    QObject::connect(b, &QToolButton::clicked, b, [click = std::move(click)] { click(); });
    return b;
}

TxpButton* PagingButton(QWidget* parent, int x, const char* caption, std::function<void()> click) {
    auto* b = new TxpButton(parent);
    b->SetParentFont(false); // the buttons keep their own bold navy font
    b->setGeometry(x, 0, 41, 25);
    b->SetCaption(caption);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    b->setFont(font);
    QPalette palette = b->palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    b->setPalette(palette);
    b->OnClick = std::move(click);
    b->hide();
    return b;
}

} // namespace

TForm_graph2::TForm_graph2(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetBounds((ScreenWidth() - 713) / 2, (ScreenHeight() - 527) / 2, 713, 527);
    xpWindow1 = new TxpWindow(this);
    KerfsoftGraph1 = new TKerfsoftGraph(clientArea());
    KerfsoftGraph1->setGeometry(0, 87, 705, 413);
    SpeedButton_Line = SpeedButton(clientArea(), 8, "ShowAsLine", Glyph::Line,
                                   [this] { SpeedButton_LineClick(); });
    SpeedButton_Bar_with_ave =
        SpeedButton(clientArea(), 32, "ShowAsBarWithAve", Glyph::BarWithAverage,
                    [this] { SpeedButton_Bar_with_aveClick(); });
    SpeedButton_mark = SpeedButton(clientArea(), 56, "ShowAsMark", Glyph::Mark,
                                   [this] { SpeedButton_markClick(); });
    SpeedButton2 =
        SpeedButton(clientArea(), 80, "", Glyph::Transpose, [this] { SpeedButton2Click(); });
    SpeedButton1 =
        SpeedButton(clientArea(), 104, "ShowAsBar", Glyph::Bar, [this] { SpeedButton1Click(); });

    xpButton_Left = PagingButton(clientArea(), 496, "<--", [this] { xpButton_LeftClick(); });
    xpButton_Right = PagingButton(clientArea(), 536, "-->", [this] { xpButton_RightClick(); });

    // The window's pop-up menu: a right-click anywhere in it, the chart included.
    using F = TForm_graph2;
    const PopupRow<F> popup[] = {
        {"Copy Image to Clipboard", &F::CopyImagetoClipboard1Click, &F::CopyImagetoClipboard1},
    };
    PopupMenu1 = MakePopupMenu<F>(*this, *clientArea(), popup);

    // FormCreate
    SetCaption("Statistics - Most Frequently Numbers for all games");
    KerfsoftGraph1->ClearGraph();
    KerfsoftGraph1->ShowLegend = false;
    KerfsoftGraph1->SetYRange(1000, 0);
    KerfsoftGraph1->SetHeader("Vintara");
    KerfsoftGraph1->SetXAxisHeader("");
    KerfsoftGraph1->SetIniFileName(platform::InProgramFolder("color.ini"));
    KerfsoftGraph1->OffsetXLabels = host_.EditionRules().measures->pagedCharts;
    // Fitted once now at its stored size, so a chart filled before the first showing is drawn.
    KerfsoftGraph1->ResizeGraph();
}

void TForm_graph2::ShowChart(const core::ChartData& chart, const std::string& caption) {
    auto& g = *KerfsoftGraph1;
    g.ClearGraph();
    if (chart.header) g.SetHeader(*chart.header);
    for (const auto& c : chart.schemeColors) g.SetSchemeColor(c.series, c.point, c.color);
    for (const auto& v : chart.values) g.SetValue(v.series, v.point, v.value);
    if (chart.pagedSeries) {
        Series.Fill(*chart.pagedSeries);
        FillPage();
        xpButton_Left->show();
        xpButton_Right->show();
    }
    if (chart.yMax) g.SetYRange(*chart.yMax, chart.yMin);
    if (chart.autoScale) g.AutoScale();
    SetCaption(caption);
    ShowModal();
}

void TForm_graph2::FormActivate() {
    KerfsoftGraph1->ResizeGraph();
}

void TForm_graph2::FormResize() {
    // Aligned to the bottom. The stored layout's client area is the window less a 4-pixel
    // border on each side, and the height rule leaves room for the buttons and the caption.
    const int h = std::max(0, Height() - SpeedButton_Line->height() - 40);
    const int w = std::max(0, Width() - 8);
    KerfsoftGraph1->setGeometry(0, clientArea()->height() - h, w, h);
    KerfsoftGraph1->ResizeGraph();
}

void TForm_graph2::SpeedButton_LineClick() {
    KerfsoftGraph1->ShowAsLine();
}

void TForm_graph2::SpeedButton_Bar_with_aveClick() {
    KerfsoftGraph1->ShowAsBarWithAve();
}

void TForm_graph2::SpeedButton_markClick() {
    // The colour store keeps nothing, so the marks show in the default colour 1.
    KerfsoftGraph1->SetSchemeColor(1, 1, 0x000000FF);
    KerfsoftGraph1->ShowAsMark();
    KerfsoftGraph1->SetSchemeColor(1, 1, 0x0000FF00);
}

void TForm_graph2::SpeedButton1Click() {
    KerfsoftGraph1->ShowAsBar();
}

void TForm_graph2::SpeedButton2Click() {
    KerfsoftGraph1->Transpose();
}

void TForm_graph2::CopyImagetoClipboard1Click() {
    KerfsoftGraph1->CopyToClipboard();
}

void TForm_graph2::FillPage() {
    auto& g = *KerfsoftGraph1;
    g.XLabelOffset = Series.SeriesFirst;
    for (const auto& p : Series.PagePoints()) g.SetValue(1, p.point, p.value);
}

void TForm_graph2::xpButton_LeftClick() {
    KerfsoftGraph1->ClearGraph();
    Series.Left();
    FillPage();
    KerfsoftGraph1->AutoScale();
    KerfsoftGraph1->ResizeGraph();
}

void TForm_graph2::xpButton_RightClick() {
    KerfsoftGraph1->ClearGraph();
    Series.Right();
    FillPage();
    KerfsoftGraph1->AutoScale();
    KerfsoftGraph1->ResizeGraph();
}

void TForm_graph2::FormClose() {
    // A later unpaged chart counts its points from 1 again.
    xpButton_Left->hide();
    xpButton_Right->hide();
    KerfsoftGraph1->XLabelOffset = 0;
}
