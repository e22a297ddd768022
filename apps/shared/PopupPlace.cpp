#include "apps/shared/PopupPlace.h"

#include "components/skin/TB97Ctls.h"
#include "components/skin/xpWindow.h"
#include "platform/Form.h"

QPoint PopupPoint(const platform::TForm& form, const TxpWindow& skin,
                  const TToolbarButton97& button) {
    const QPoint client = form.clientArea()->mapTo(&form, QPoint(0, 0));
    return QPoint(form.Left() + client.x() + button.x(),
                  form.Top() + client.y() + button.Top() + button.Height() + skin.xpCaption.Height +
                      skin.xpCaption.BorderSize);
}
