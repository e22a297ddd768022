#include "apps/shared/Unit_display.h"

#include "components/skin/xpWindow.h"

TForm_Display* Form_Display = nullptr;

TForm_Display::TForm_Display(const EditionHost& host, QWidget* parent)
    : TForm(parent), host_(host) {
    xpWindow1 = new TxpWindow(this);
}
