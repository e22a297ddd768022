#pragma once

#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpCtrlStyle.h"
#include "platform/Canvas.h"

#include <QComboBox>

#include <functional>
#include <string>

class TxpComboBox;

enum TxpComboButtonStyle { cbsFlat, cbsXP };

// The look of the skinned combo box; with Active off the box is the plain platform one.
class TxpComboStyle : public TxpControlStyle {
public:
    explicit TxpComboStyle(TxpComboBox& owner) : owner_(owner) {}

    void SetActive(bool value) override;

    bool HotTrack = true;
    int ButtonWidth = 20;
    TxpComboButtonStyle ButtonStyle = cbsFlat;
    core::TColor ActiveBorderColor = 0xC56A31;
    core::TColor InActiveBorderColor = core::clBtnFace;
    core::TColor ActiveButtonColor = 0xEED2C1;
    core::TColor InActiveButtonColor = core::clBtnFace;
    core::TColor SelStartColor = 0xFFAA77;
    core::TColor SelEndColor = 0xEED2C1;
    TFillDirection SelGradientFillDir = fdVerticalFromCenter;

private:
    TxpComboBox& owner_;
};

// The platform's combo box with a flat frame that turns blue under the mouse or with the focus,
// its own drop button, and a gradient behind the selected item.
class TxpComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TxpComboBox(QWidget* parent = nullptr);
    ~TxpComboBox() override;

    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    bool Hot() const { return hot_; }
    bool Focused() const { return focused_; }
    bool Dropped() const { return dropped_; }

    TxpComboStyle XPStyle{*this};

    void DrawBorder(platform::TCanvas& c) const;
    void DrawButton(platform::TCanvas& c, platform::TRect r, TxpComboButtonStyle style) const;
    // The edit part on a canvas of the client area (the box less frame and button).
    void DrawEditItem(platform::TCanvas& c, platform::TRect r, bool focused, int index) const;
    // One entry of the open list, on a canvas of the entry's size.
    void DrawListItem(platform::TCanvas& c, int index, bool selected) const;
    // The whole closed box at the widget's size.
    void PaintTo(platform::TCanvas& canvas) const;

    std::function<void()> OnChange;

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    friend class TxpComboStyle;
    void Restyle();

    core::TColor color_ = core::clWindow;
    platform::TFont font_;
    bool hot_ = false;
    bool focused_ = false;
    bool dropped_ = false;
    int hotIndex_ = -1; // the entry under the mouse in the open list
};
