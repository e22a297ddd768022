#pragma once

#include "platform/Colors.h"

#include <QPushButton>

#include <functional>
#include <string>

// The skinned push button as the forms use it: caption, enabled state, click event.
class TxpButton : public QPushButton {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption) { setText(QString::fromStdString(caption)); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    void SetHint(const std::string& hint) { setToolTip(QString::fromStdString(hint)); }

    std::function<void()> OnClick;
};
