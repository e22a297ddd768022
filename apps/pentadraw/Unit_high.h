#pragma once

#include "platform/Form.h"

class EditionHost;
class TxpWindow;

// The HighLighter window, opened from the utilities window.
class TForm_high : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_high(EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    EditionHost& host_;
};

extern TForm_high* Form_high;
