#pragma once

#include <QPoint>

class TToolbarButton97;
class TxpWindow;
namespace platform {
class TForm;
}

// Where a toolbar pop-up of a main window opens: under its button, below the skinned caption.
QPoint PopupPoint(const platform::TForm& form, const TxpWindow& skin,
                  const TToolbarButton97& button);
