#pragma once

#include "components/chart/Histogramm.h"
#include "platform/Form.h"

#include <memory>

class EditionHost;
class TImage;
class TxpWindow;

// The histogram window of the Spans command.
class TForm_graph : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_graph(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;
    TImage* Image1;
    // Freed by the main window when it closes; the window then draws nothing.
    std::unique_ptr<TIntHistogramm> Histogram;

protected:
    void FormResize() override;

private:
    const EditionHost& host_;
};

extern TForm_graph* Form_graph;
