#include "apps/shared/Unit_utils.h"

#include "components/skin/xpWindow.h"

TForm_Utils* Form_Utils = nullptr;

TForm_Utils::TForm_Utils(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    xpWindow1 = new TxpWindow(this);
}
