#include "components/skin/xpWindow.h"

#include <QWidget>

TxpWindow::TxpWindow(QWidget* form) : QObject(form) {}
