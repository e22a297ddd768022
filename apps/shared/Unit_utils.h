#pragma once

#include "platform/Form.h"

class EditionHost;
class TxpWindow;

// The utilities window.
class TForm_Utils : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_Utils(const EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    const EditionHost& host_;
};

extern TForm_Utils* Form_Utils;
