#include "apps/vovuv/Unit_graph.h"

#include "components/chart/Image.h"
#include "components/skin/xpWindow.h"

TForm_graph* Form_graph = nullptr;

TForm_graph::TForm_graph(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("Form_graph");
    SetBounds((ScreenWidth() - 696) / 2, (ScreenHeight() - 480) / 2, 696, 480);
    xpWindow1 = new TxpWindow(this);
    Image1 = new TImage(clientArea());
    Image1->AutoSize = true;

    // FormCreate
    Histogram = std::make_unique<TIntHistogramm>(45, 1, 45, Image1);
    FormResize();
}

void TForm_graph::FormResize() {
    // The picture fills the client area (not the whole window, whose frame would cut off the
    // bars' feet).
    Image1->setGeometry(clientArea()->rect());
    Image1->SetPictureSize(clientArea()->width(), clientArea()->height());
    if (Histogram) Histogram->Draw();
}
