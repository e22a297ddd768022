#include "apps/pentadraw/Unit_high.h"

#include "apps/shared/EditionHost.h"
#include "components/skin/xpWindow.h"

TForm_high* Form_high = nullptr;

TForm_high::TForm_high(EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("HighLighter");
    xpWindow1 = new TxpWindow(this);
}
