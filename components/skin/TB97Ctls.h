#pragma once

#include "platform/Colors.h"

#include <QToolButton>

#include <functional>
#include <string>

// The flat toolbar button of the main windows' File and Help menus.
class TToolbarButton97 : public QToolButton {
    Q_OBJECT

public:
    explicit TToolbarButton97(QWidget* parent = nullptr);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption) { setText(QString::fromStdString(caption)); }
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    int Top() const { return y(); }
    int Height() const { return height(); }

    std::function<void()> OnClick;

private:
    core::TColor color_ = core::clBtnFace;
};
