#pragma once

#include "platform/Colors.h"

#include <QComboBox>

#include <functional>
#include <string>

// The skinned combo box as the table window uses it.
class TxpComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TxpComboBox(QWidget* parent = nullptr);

    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);

    std::function<void()> OnChange;

private:
    core::TColor color_ = core::clWindow;
};
