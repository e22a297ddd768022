#pragma once

#include "platform/Form.h"

class EditionHost;
class TxpWindow;

// The table window.
class TForm_StringGrid : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_StringGrid(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    const EditionHost& host_;
};

extern TForm_StringGrid* Form_StringGrid;
