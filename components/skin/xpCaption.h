#pragma once

#include "components/skin/Property.h"
#include "components/skin/HitCodes.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpWindowHost.h"

#include <QImage>
#include <QPoint>
#include <QRegion>

#include <cstdint>
#include <functional>
#include <string>

class TxpWindow;

enum TxpWindowStyle : std::uint8_t {
    xwsCustom,
    xwsXPBlue,
    xwsXPSilver,
    xwsXPOlive,
    xwsQuv,
    xwsZeb
};

enum TRoundedCorner : unsigned {
    rcTopLeft = 1,
    rcTopRight = 2,
    rcBottomLeft = 4,
    rcBottomRight = 8,
};
using TRoundedCorners = unsigned;

enum TgbImageAlign : std::uint8_t { iaLeft, iaRight, iaCenter, iaStretch, iaTile };

// States of a caption button: 0 up, 1 hot, 2 down, 3 up (inactive).
enum TTitleButtonState : int { tbsUp = 0, tbsHot = 1, tbsDown = 2, tbsInactive = 3 };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
inline constexpr unsigned biAll = biSystemMenu | biMinimize | biMaximize;

// Caption button indices: the icon, the three built-in buttons, custom ones from 3, none.
inline constexpr int btnIcon = -1, btnClose = 0, btnMaximize = 1, btnMinimize = 2,
                     btnFirstCustom = 3, btnNone = -10;

// What the caption reads of its window when it paints and hit-tests.
struct TFrameInfo {
    int Width = 0;
    int Height = 0;
    std::string Caption;
    QImage Icon;
    core::TColor Color = core::clBtnFace;
    unsigned BorderIcons = biAll;
    bool HasVScroll = false;
    bool HasHScroll = false;
};

// Events and drawing hooks; the sender is the caption, the window or the form, by event.
using TOnCustomButtonDraw =
    std::function<void(void* sender, platform::TCanvas&, platform::TRect, int index, int state)>;
using TOnCustomButtonClick = std::function<void(void* sender, int index)>;
using TOnCustomDraw =
    std::function<void(void* sender, platform::TCanvas&, platform::TRect, bool active, bool& goOn)>;

// The region of a window of w x h with the given corners rounded by radius.
QRegion RoundedWindowRegion(TRoundedCorners corners, int radius, int w, int h);

// The caption bar, border and buttons of a skinned window, and its presets.
class TxpCaption {
public:
    explicit TxpCaption(TxpWindowHost* owner);
    TxpCaption(const TxpCaption&) = delete;
    TxpCaption& operator=(const TxpCaption&) = delete;

    template <class T> using P = TProperty<TxpCaption, T>;
    using TColor = core::TColor;

    P<bool> Active{this, &TxpCaption::SetActive, false};
    bool FrameActive = true;
    // The system caption height of the classic desktop.
    P<int> Height{this, &TxpCaption::SetHeight, 18};
    P<bool> Visible{this, &TxpCaption::SetVisible, true};
    P<QImage> Image{this, &TxpCaption::SetImage, QImage()};
    P<TgbImageAlign> ImageAlign{this, &TxpCaption::SetImageAlign, iaCenter};
    P<bool> ImageTransparent{this, &TxpCaption::SetImageTransparent, true};
    P<platform::TFont> Font{this, &TxpCaption::SetFont, platform::TFont{}};
    P<bool> ShowBorder{this, &TxpCaption::SetShowBorder, true};
    P<int> BorderSize{this, &TxpCaption::SetBorderSize, 3};
    P<TColor> BorderColor{this, &TxpCaption::SetBorderColor, 0xD42504};
    P<TColor> BorderInActiveColor{this, &TxpCaption::SetBorderInActiveColor, 0xDEB3A1};
    P<int> ButtonSize{this, &TxpCaption::SetButtonSize, 20};
    P<int> CustomButtonCount{this, &TxpCaption::SetCustomButtonCount, 0};
    P<TColor> BtnBorderColor{this, &TxpCaption::SetBtnBorderColor, 0xFFFFFF};
    P<TRoundedCorners> RoundedCorners{this, &TxpCaption::SetRoundedCorners, rcTopLeft | rcTopRight};
    P<int> RoundedCornerRadius{this, &TxpCaption::SetRoundedCornerRadius, 14};
    P<bool> DisplayAppIcon{this, &TxpCaption::SetDisplayAppIcon, true};
    P<int> IconMarginLeft{this, &TxpCaption::SetIconMarginLeft, 3};
    P<int> IconMarginTop{this, &TxpCaption::SetIconMarginTop, 2};
    P<bool> GradientFill{this, &TxpCaption::SetGradientFill, false};
    P<TFillDirection> FillDirection{this, &TxpCaption::SetFillDirection, fdTopToBottom};
    P<TColor> ActiveStartColor{this, &TxpCaption::SetActiveStartColor, 0xE44C00};
    P<TColor> ActiveEndColor{this, &TxpCaption::SetActiveEndColor, 0xFE7105};
    P<TColor> InActiveStartColor{this, &TxpCaption::SetInActiveStartColor, 0xEAB496};
    P<TColor> InActiveEndColor{this, &TxpCaption::SetInActiveEndColor, 0xE7A480};

    int PressedButton = btnNone;
    int HotButton = btnIcon;

    // Drawing hooks of the presets, in place of the built-in border, title and buttons.
    std::function<void(platform::TCanvas&, platform::TRect, bool active, const TFrameInfo&)>
        BorderHook;
    std::function<bool(platform::TCanvas&, platform::TRect, bool active)> TitleHook;
    std::function<void(platform::TCanvas&, platform::TRect, int kind, int state)> SysButtonHook;

    void ApplyStyle(TxpWindowStyle style);

    // Border width as the layout rules use it: BorderSize with the border shown, else 0.
    int B() const { return ShowBorder ? BorderSize() : 0; }
    int SystemButtonCount(unsigned borderIcons) const;
    // The square of a button in the caption rectangle; empty when the window has no such button.
    platform::TRect ButtonRect(int index, platform::TRect caption, unsigned borderIcons) const;
    int HitButton(QPoint p, platform::TRect caption, unsigned borderIcons) const;
    // The hit code of a point of the window rectangle, without side effects.
    int HitTestCode(QPoint p, platform::TRect window, unsigned borderIcons) const;
    // The client rectangle inside a window rectangle.
    platform::TRect CalcNonClient(platform::TRect r, bool vscroll, bool hscroll) const;

    // The whole frame: caption (through an off-screen bitmap) and border.
    void PaintNonClient(platform::TCanvas& canvas, const TFrameInfo& frame);
    void PaintTitle(platform::TCanvas& canvas, platform::TRect titleRect, const TFrameInfo& frame);
    // The steps of the title: gradient, picture (returns where the text starts), icon, text.
    void PaintTitleBackground(platform::TCanvas& canvas, platform::TRect titleRect) const;
    int PaintTitleImage(platform::TCanvas& canvas, platform::TRect titleRect,
                        const TFrameInfo& frame, int x) const;
    void PaintAppIcon(platform::TCanvas& canvas, const TFrameInfo& frame) const;
    void PaintTitleText(platform::TCanvas& canvas, platform::TRect titleRect,
                        const TFrameInfo& frame, int x) const;
    void PaintButtons(platform::TCanvas& canvas, platform::TRect titleRect,
                      const TFrameInfo& frame);
    // One button alone, as hot tracking and pressing repaint it (the glyph moves when down).
    void PaintButton(platform::TCanvas& canvas, int index, int state, platform::TRect captionRect,
                     const TFrameInfo& frame);
    void PaintButtonFace(platform::TCanvas& canvas, platform::TRect r, int state, bool isClose);
    void PaintBorder(platform::TCanvas& canvas, platform::TRect w, const TFrameInfo& frame);

private:
    friend class TxpWindow;
    void ClearActiveFlag() { Active.Store(false); }
    void SetActive(bool value);
    void SetHeight(int value);
    void SetVisible(bool value);
    void SetImage(QImage value);
    void SetImageAlign(TgbImageAlign value);
    void SetImageTransparent(bool value);
    void SetFont(platform::TFont value);
    void SetShowBorder(bool value);
    void SetBorderSize(int value);
    void SetBorderColor(TColor value);
    void SetBorderInActiveColor(TColor value);
    void SetButtonSize(int value);
    void SetCustomButtonCount(int value);
    void SetBtnBorderColor(TColor value);
    void SetRoundedCorners(TRoundedCorners value);
    void SetRoundedCornerRadius(int value);
    void SetDisplayAppIcon(bool value);
    void SetIconMarginLeft(int value);
    void SetIconMarginTop(int value);
    void SetGradientFill(bool value);
    void SetFillDirection(TFillDirection value);
    void SetActiveStartColor(TColor value);
    void SetActiveEndColor(TColor value);
    void SetInActiveStartColor(TColor value);
    void SetInActiveEndColor(TColor value);

    // A preset's value changed by hand: the window's style becomes custom.
    void Custom();
    void Repaint();
    void Relayout();
    void DrawGlyph(platform::TCanvas& canvas, platform::TRect r, int index, int shift);
    void PaintBuiltIn(platform::TCanvas& canvas, int index, int state, platform::TRect square,
                      int shift);
    void ZebBorderPaint(platform::TCanvas& canvas, platform::TRect w, bool active,
                        const TFrameInfo& frame);
    void ZebButtonPaint(platform::TCanvas& canvas, platform::TRect square, int kind, int state);

    TxpWindowHost* owner_;
};
