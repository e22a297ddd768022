#include "apps/shared/Unit_stringgrid.h"

#include "components/skin/xpWindow.h"

TForm_StringGrid* Form_StringGrid = nullptr;

TForm_StringGrid::TForm_StringGrid(const EditionHost& host, QWidget* parent)
    : TForm(parent), host_(host) {
    xpWindow1 = new TxpWindow(this);
}
