#pragma once

#include "core/TColor.h"

#include <QObject>

class QWidget;

// The window skin's parts the programs read: the client background colours and the caption
// bar's size, with the skin's defaults.
class TxpWindowBackground {
public:
    bool Active = true;
    core::TColor StartColor = 0xF4DFD2;
    core::TColor EndColor = 0xF9EFE9;
};

class TxpCaption {
public:
    int Height = 30;
    int BorderSize = 3;
};

class TxpWindow : public QObject {
    Q_OBJECT

public:
    explicit TxpWindow(QWidget* form);

    TxpWindowBackground WinBackground;
    TxpCaption xpCaption;
};
