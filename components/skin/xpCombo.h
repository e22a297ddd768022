#pragma once

#include "components/skin/HitCodes.h"
#include "components/skin/Property.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpCtrlStyle.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"

#include <QComboBox>
#include <QPointer>

class QListView;

#include <functional>
#include <string>

class TxpComboBox;

enum TxpComboButtonStyle { cbsFlat, cbsXP };
enum TComboBGStyle { cbgsNone, cbgsGradient, cbgsTiledImage, cbgsStretchedImage };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The look of the skinned combo box; with Active off the box is the plain platform one.
class TxpComboStyle : public TxpControlStyle {
public:
    explicit TxpComboStyle(TxpComboBox& owner) : owner_(owner) {}
    ~TxpComboStyle() override;

    void SetActive(bool value) override;

    using Self = TxpComboStyle;
    bool AutoSearch = false;
    bool HotTrack = true;
    TProperty<Self, int> ButtonWidth{this, &Self::SetButtonWidth, 20};
    TProperty<Self, TxpComboButtonStyle> ButtonStyle{this, &Self::SetButtonStyle, cbsFlat};
    TProperty<Self, bool> AutoHeight{this, &Self::SetAutoHeight, false};
    TComboBGStyle BGStyle = cbgsNone;
    core::TColor BGStartColor = core::clWhite;
    core::TColor BGEndColor = 0xF0E2C1;
    TFillDirection BGGradientFillDir = fdLeftToRight;
    QImage BGImage; // owned copy
    TProperty<Self, int> DefaultImageIndex{this, &Self::SetDefaultImageIndex, -1};
    TProperty<Self, core::TColor> ActiveBorderColor{this, &Self::SetActiveBorderColor, 0xC56A31};
    TProperty<Self, core::TColor> InActiveBorderColor{this, &Self::SetInActiveBorderColor,
                                                      core::clBtnFace};
    TProperty<Self, int> DefaultListImageIndex{this, &Self::SetDefaultListImageIndex, -1};
    TProperty<Self, core::TColor> ActiveButtonColor{this, &Self::SetActiveButtonColor, 0xEED2C1};
    TProperty<Self, core::TColor> InActiveButtonColor{this, &Self::SetInActiveButtonColor,
                                                      core::clBtnFace};
    core::TColor SelStartColor = 0xFFAA77;
    core::TColor SelEndColor = 0xEED2C1;
    TFillDirection SelGradientFillDir = fdVerticalFromCenter;

    platform::TImageList* Images() const { return images_; }
    void SetImages(platform::TImageList* images);

private:
    void SetButtonWidth(int value);
    void SetButtonStyle(TxpComboButtonStyle value);
    void SetAutoHeight(bool value);
    void SetDefaultImageIndex(int value);
    void SetDefaultListImageIndex(int value);
    void SetActiveBorderColor(core::TColor value);
    void SetInActiveBorderColor(core::TColor value);
    void SetActiveButtonColor(core::TColor value);
    void SetInActiveButtonColor(core::TColor value);
    // Stores a changed value and repaints the box.
    template <class T> void Repaint(TProperty<Self, T>& property, T value);

    TxpComboBox& owner_;
    QPointer<platform::TImageList> images_;
};

// The platform's combo box with a flat frame that turns blue under the mouse or with the focus,
// its own drop button, item images, a gradient behind the selected item, a gradient or picture
// behind the open list, and type-ahead completion.
class TxpComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TxpComboBox(QWidget* parent = nullptr);
    ~TxpComboBox() override;

    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    std::string Text() const { return currentText().toStdString(); }
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool Hot() const { return hot_; }
    bool Focused() const { return focused_; }
    bool Dropped() const { return dropped_; }

    TxpComboStyle XPStyle{*this};

    // The part inside the frame, less the image strip and the drop button.
    platform::TRect ClientRect() const;
    // The simple style's edit row at the top of the client area and its list under it, always
    // shown inside the box; empty rectangles for the other styles.
    platform::TRect SimpleEditRect() const;
    platform::TRect SimpleListRect() const;
    QListView* SimpleList() const { return simpleList_; }
    platform::TRect ButtonRect() const;
    // HTCLIENT where a press counts for the box itself, else HTNOWHERE (the edit takes its own).
    THitCode HitTest(int x, int y) const;
    // The first item that starts with s, Latin letters compared without case; -1 when none.
    int FindItemByPrefix(const QString& s) const;
    // The item equal to s without regard to case, searched from item 1 round to item 0.
    int FindItemExact(const QString& s) const;
    int ListItemHeight() const;

    void DrawBorder(platform::TCanvas& c) const;
    void DrawButton(platform::TCanvas& c, platform::TRect r, TxpComboButtonStyle style) const;
    // The edit part on a canvas of the client area (the box less frame, images and button).
    void DrawEditItem(platform::TCanvas& c, platform::TRect r, bool focused, int index) const;
    // The line between the simple style's edit row and its list, in the frame's colour.
    void DrawSimpleDivider(platform::TCanvas& c) const;
    // The image strip left of the edit part.
    void DrawImage(platform::TCanvas& c) const;
    // One entry of the open list, on a canvas of the entry's size; at is its place in the list.
    void DrawListItem(platform::TCanvas& c, int index, bool selected, QPoint at = {}) const;
    // The picture behind the open list, made at the list's size while it is open.
    void BuildListBackground(int width, int height);
    void ReleaseListBackground();
    const QImage& ListBackground() const { return listBg_.Image(); }
    // The whole closed box at the widget's size.
    void PaintTo(platform::TCanvas& canvas) const;

    std::function<void()> OnChange;

    void showPopup() override;
    void hidePopup() override;
    bool event(QEvent* e) override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    friend class TxpComboStyle;
    // Rebuilds what depends on the style: item heights, the edit's place, the painting.
    void Restyle();
    void InstallListDelegate();
    void PlaceEdit();
    void EditUpdate();
    // Makes, places or hides the list the simple style shows under its edit.
    void PlaceSimpleList();
    void SyncSimpleList();
    // What a click on an entry of a dropped list does: that entry becomes the item.
    void SelectFromList(int index);

    core::TColor color_ = core::clWindow;
    platform::TFont font_;
    TComboBoxStyle style_ = csOwnerDrawFixed;
    bool hot_ = false;
    bool focused_ = false;
    bool dropped_ = false;
    int hotIndex_ = -1; // the entry under the mouse in the open list
    platform::TBitmap listBg_;
    bool inSearch_ = false;
    QString lastText_;                // what type-ahead compares the typed text with
    QListView* simpleList_ = nullptr; // owned as a child
};
