#pragma once

#include "components/chart/Histogramm.h"
#include "platform/Form.h"

#include <memory>

class EditionHost;
class TxpWindow;

// The histogram window of the Spans command.
class TForm_graph : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_graph(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;
    std::unique_ptr<TIntHistogramm> Histogram;

private:
    const EditionHost& host_;
};

extern TForm_graph* Form_graph;
