#pragma once

#include "platform/Form.h"

class EditionHost;
class TxpWindow;

// The number-by-draw map (Map 2): every number against every draw loaded at start.
class TForm_map_2 : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_map_2(EditionHost& host, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    EditionHost& host_;
};

extern TForm_map_2* Form_map_2;
