#pragma once

#include "core/CommandResult.h"
#include "platform/Form.h"

#include <string>

class EditionHost;
class TKerfsoftGraph;
class TxpWindow;

// The chart window.
class TForm_graph2 : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_graph2(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;
    TKerfsoftGraph* KerfsoftGraph1;

    // A command's hand-over: fills the chart, titles the window and shows it modally.
    void ShowChart(const core::ChartData& chart, const std::string& caption);

private:
    const EditionHost& host_;
};

extern TForm_graph2* Form_graph2;
