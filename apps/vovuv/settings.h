#pragma once

#include "platform/Form.h"

class TForm1;
class TxpWindow;

// The settings dialog: the forum login and password.
class TForm_settings : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_settings(TForm1& main, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;

private:
    TForm1& main_;
};

extern TForm_settings* Form_settings;
