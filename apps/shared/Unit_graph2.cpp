#include "apps/shared/Unit_graph2.h"

#include "components/chart/KerfGraph.h"
#include "components/skin/xpWindow.h"

TForm_graph2* Form_graph2 = nullptr;

TForm_graph2::TForm_graph2(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("Statistics - Most Frequently Numbers for all games");
    resize(713, 527);
    xpWindow1 = new TxpWindow(this);
    KerfsoftGraph1 = new TKerfsoftGraph(clientArea());
    KerfsoftGraph1->setGeometry(0, 87, 705, 413);
}

void TForm_graph2::ShowChart(const core::ChartData&, const std::string& caption) {
    SetCaption(caption);
    ShowModal();
}
