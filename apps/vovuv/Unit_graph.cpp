#include "apps/vovuv/Unit_graph.h"

#include "components/skin/xpWindow.h"

TForm_graph* Form_graph = nullptr;

TForm_graph::TForm_graph(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("Form_graph");
    resize(696, 480);
    xpWindow1 = new TxpWindow(this);
    Histogram = std::make_unique<TIntHistogramm>();
}
