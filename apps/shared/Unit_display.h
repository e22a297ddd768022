#pragma once

#include "platform/Form.h"

class EditionHost;
class TxpWindow;

// The draw-map window.
class TForm_Display : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_Display(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    const EditionHost& host_;
};

extern TForm_Display* Form_Display;
