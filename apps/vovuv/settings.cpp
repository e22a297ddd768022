#include "apps/vovuv/settings.h"

#include "components/skin/xpWindow.h"

TForm_settings* Form_settings = nullptr;

TForm_settings::TForm_settings(TForm1& main, QWidget* parent) : TForm(parent), main_(main) {
    SetCaption("Settings");
    xpWindow1 = new TxpWindow(this);
}
