#pragma once

#include <QWidget>

// The chart control.
class TKerfsoftGraph : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};
