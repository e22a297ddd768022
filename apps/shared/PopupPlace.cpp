#include "apps/shared/PopupPlace.h"

#include "components/skin/TB97Ctls.h"

QPoint PopupPoint(const TToolbarButton97& button) {
    return button.mapToGlobal(QPoint(0, button.Height()));
}
