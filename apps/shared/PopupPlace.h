#pragma once

#include <QPoint>

class TToolbarButton97;

// Where a toolbar pop-up of a main window opens: right under its button, whatever frame the
// window has.
QPoint PopupPoint(const TToolbarButton97& button);
