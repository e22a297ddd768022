#include "components/skin/xpCaption.h"

#include <algorithm>

using core::TColor;
using platform::TRect;

namespace {

QRegion Box(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return QRegion();
    return QRegion(left, top, right - left, bottom - top);
}

QRegion Oval(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return QRegion();
    return QRegion(QRect(left, top, right - left, bottom - top), QRegion::Ellipse);
}

struct Preset {
    TxpWindowStyle style;
    TColor activeStart, activeEnd, inactiveStart, inactiveEnd, border, borderInactive;
    int borderSize, buttonSize;
    TColor btnBorder;
    int iconLeft, iconTop;
    TFillDirection fill;
    TColor fontColor;
    int fontSize, height;
    int radius; // 0: unchanged
    TRoundedCorners corners;
    bool zebHooks;
};

constexpr Preset kPresets[] = {
    {xwsXPBlue, 0xEC9146, 0xD36F23, 0xEAB496, 0xE7A480, 0xD42504, 0xDEB3A1, 4, 18, 0xFFFFFF, 3, 2,
     fdXP, 0xFFFFFF, 10, 28, 14, rcTopLeft | rcTopRight, false},
    {xwsXPSilver, 0xFFFFFF, 0xBEA3A4, 0xFFFFFF, 0xE3D7D7, 0x7E8888, 0xD7C9C9, 4, 18, 0x7E8888, 3, 2,
     fdXP, 0x000000, 10, 28, 14, rcTopLeft | rcTopRight, false},
    {xwsXPOlive, 0x95CDC2, 0x83B8AA, 0xC3E1E0, 0xBBD7D4, 0x67A896, 0xBED8D6, 4, 18, 0x67A896, 3, 2,
     fdXP, 0xFFFFFF, 10, 28, 14, rcTopLeft | rcTopRight, false},
    {xwsQuv, 0xECD7CF, 0xFDFFFF, 0xD8AE92, 0xFDFFFF, 0xB88E72, 0xCFB4A6, 2, 18, 0xC0C0C0, 3, 2,
     fdVerticalFromCenter, 0x6B331F, 10, 28, 0, 0, false},
    {xwsZeb, 0x8E4B1F, 0xBF7A4B, 0x8E4B1F, 0xBF7A4B, 0xE7DCD8, 0xE7DCD8, 4, 15, 0xC0C0C0, 8, 4,
     fdVerticalFromCenter, 0xFFFFFF, 8, 24, 30,
     rcTopLeft | rcTopRight | rcBottomLeft | rcBottomRight, true},
};

} // namespace

QRegion RoundedWindowRegion(TRoundedCorners corners, int r, int w, int h) {
    const int c = r / 2;
    const bool tl = corners & rcTopLeft, tr = corners & rcTopRight;
    const bool bl = corners & rcBottomLeft, br = corners & rcBottomRight;
    QRegion rgn = Box(0, (tl || tr) ? c : 0, w, (bl || br) ? h - c : h);
    if (tl) {
        rgn += Box(c, c, r, r) + Oval(0, 0, r + 1, r + 1);
        rgn += Box(c, 0, tr ? w - c : w, r);
    }
    if (tr) {
        rgn += Box(w - r, 0, w - c, r) + Oval(w - r + 1, 0, w + 1, r);
        rgn += tl ? Box(c, 0, w - c, r) : Box(0, 0, w - r, r);
    }
    if (bl) {
        rgn += Box(c, h - r, r, h - c) + Oval(0, h - r, r, h + 1);
        rgn += Box(c, h - c, br ? w - c : w, h);
    }
    if (br) {
        rgn += Box(w - r, h - r, w - c, h) + Oval(w - r + 1, h - r + 1, w + 1, h + 1);
        rgn += Box(bl ? c : 0, h - c, w - c + 1, h);
    }
    return rgn;
}

TxpCaption::TxpCaption(TxpWindowHost* owner) : owner_(owner) {}

void TxpCaption::Custom() {
    if (owner_) owner_->StyleChangedByHand();
}

void TxpCaption::Repaint() {
    if (owner_) owner_->RefreshFrame();
}

void TxpCaption::Relayout() {
    if (owner_) owner_->Relayout();
}

void TxpCaption::SetActive(bool value) {
    // Runs also when unchanged: switching the skin on re-applies the frame through it.
    Active.Store(value);
    Relayout();
    Custom();
}

void TxpCaption::SetHeight(int value) {
    value = std::max(0, value);
    if (value == Height) return;
    Height.Store(value);
    Relayout();
    Custom();
}

void TxpCaption::SetVisible(bool value) {
    if (value == Visible) return;
    Visible.Store(value);
    Relayout();
    Custom();
}

void TxpCaption::SetImage(QImage value) {
    Image.Store(std::move(value));
    Repaint();
    Custom();
}

void TxpCaption::SetImageAlign(TgbImageAlign value) {
    if (value == ImageAlign) return;
    ImageAlign.Store(value);
    Repaint();
    Custom();
}

void TxpCaption::SetImageTransparent(bool value) {
    if (value == ImageTransparent) return;
    ImageTransparent.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetFont(platform::TFont value) {
    Font.Store(std::move(value));
    Repaint();
}

void TxpCaption::SetShowBorder(bool value) {
    if (value == ShowBorder) return;
    ShowBorder.Store(value);
    Relayout();
    Custom();
}

void TxpCaption::SetBorderSize(int value) {
    value = std::max(0, value);
    if (value == BorderSize) return;
    BorderSize.Store(value);
    Custom();
    Relayout();
}

void TxpCaption::SetBorderColor(TColor value) {
    if (value == BorderColor) return;
    BorderColor.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetBorderInActiveColor(TColor value) {
    if (value == BorderInActiveColor) return;
    BorderInActiveColor.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetButtonSize(int value) {
    value = std::max(10, value);
    if (value == ButtonSize) return;
    ButtonSize.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetCustomButtonCount(int value) {
    value = std::max(0, value);
    if (value == CustomButtonCount) return;
    CustomButtonCount.Store(value);
    Repaint();
}

void TxpCaption::SetBtnBorderColor(TColor value) {
    if (value == BtnBorderColor) return;
    BtnBorderColor.Store(value);
    Repaint();
}

void TxpCaption::SetRoundedCorners(TRoundedCorners value) {
    if (value == RoundedCorners) return;
    RoundedCorners.Store(value);
    Custom();
    Relayout();
}

void TxpCaption::SetRoundedCornerRadius(int value) {
    value = std::max(1, value);
    if (value == RoundedCornerRadius) return;
    RoundedCornerRadius.Store(value);
    // The region and the bottom strip follow at once, not at the next resize.
    Relayout();
}

void TxpCaption::SetDisplayAppIcon(bool value) {
    if (value == DisplayAppIcon) return;
    DisplayAppIcon.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetIconMarginLeft(int value) {
    if (value == IconMarginLeft) return;
    IconMarginLeft.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetIconMarginTop(int value) {
    if (value == IconMarginTop) return;
    IconMarginTop.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetGradientFill(bool value) {
    if (value == GradientFill) return;
    GradientFill.Store(value);
    Repaint();
    Custom();
}

void TxpCaption::SetFillDirection(TFillDirection value) {
    if (value == FillDirection) return;
    FillDirection.Store(value);
    Repaint();
    Custom();
}

void TxpCaption::SetActiveStartColor(TColor value) {
    if (value == ActiveStartColor) return;
    ActiveStartColor.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetActiveEndColor(TColor value) {
    if (value == ActiveEndColor) return;
    ActiveEndColor.Store(value);
    Custom();
    Repaint();
}

void TxpCaption::SetInActiveStartColor(TColor value) {
    if (value == InActiveStartColor) return;
    InActiveStartColor.Store(value);
    Custom();
}

void TxpCaption::SetInActiveEndColor(TColor value) {
    if (value == InActiveEndColor) return;
    InActiveEndColor.Store(value);
    Custom();
}

void TxpCaption::ApplyStyle(TxpWindowStyle style) {
    BorderHook = nullptr;
    TitleHook = nullptr;
    SysButtonHook = nullptr;
    const Preset* p = nullptr;
    for (const Preset& k : kPresets)
        if (k.style == style) p = &k;
    if (!p) return;
    Active = true;
    ActiveStartColor = p->activeStart;
    ActiveEndColor = p->activeEnd;
    InActiveStartColor = p->inactiveStart;
    InActiveEndColor = p->inactiveEnd;
    BorderColor = p->border;
    BorderInActiveColor = p->borderInactive;
    BtnBorderColor = p->btnBorder;
    if (p->zebHooks) {
        BorderHook = [this](platform::TCanvas& c, TRect r, bool active, const TFrameInfo& f) {
            ZebBorderPaint(c, r, active, f);
        };
        SysButtonHook = [this](platform::TCanvas& c, TRect r, int kind, int state) {
            ZebButtonPaint(c, r, kind, state);
        };
    }
    DisplayAppIcon = true;
    GradientFill = true;
    ShowBorder = true;
    Visible = true;
    Image = QImage();
    BorderSize = p->borderSize;
    ButtonSize = p->buttonSize;
    IconMarginLeft = p->iconLeft;
    IconMarginTop = p->iconTop;
    FillDirection = p->fill;
    platform::TFont font = Font;
    font.Color = p->fontColor;
    font.Size = p->fontSize;
    font.Bold = true;
    Font = font;
    Height = p->height;
    if (p->radius > 0) RoundedCornerRadius = p->radius;
    RoundedCorners = p->corners;
}

int TxpCaption::SystemButtonCount(unsigned borderIcons) const {
    if (!(borderIcons & biSystemMenu)) return 0;
    return 1 + ((borderIcons & biMaximize) ? 1 : 0) + ((borderIcons & biMinimize) ? 1 : 0);
}

TRect TxpCaption::ButtonRect(int index, TRect caption, unsigned borderIcons) const {
    const bool sys = borderIcons & biSystemMenu;
    const bool max = sys && (borderIcons & biMaximize), min = sys && (borderIcons & biMinimize);
    int slot = -1;
    if (index == btnClose && sys) slot = 0;
    if (index == btnMaximize && max) slot = 1;
    if (index == btnMinimize && min) slot = max ? 2 : 1;
    if (index >= btnFirstCustom && index - btnFirstCustom < CustomButtonCount)
        slot = SystemButtonCount(borderIcons) + index - btnFirstCustom;
    if (slot < 0) return {};
    const int size = ButtonSize;
    const int right = caption.Right - 10 - slot * (size + 2);
    const int y = (caption.Top + caption.Bottom - size) / 2;
    return {right - size, y, right, y + size};
}

int TxpCaption::HitButton(QPoint p, TRect caption, unsigned borderIcons) const {
    const int b = B();
    if (DisplayAppIcon && TRect{b + IconMarginLeft, b + IconMarginTop, Height + IconMarginLeft - 2,
                                Height + IconMarginTop - 2}
                              .Contains(p.x(), p.y()))
        return btnIcon;
    const int last = btnFirstCustom + CustomButtonCount;
    for (int i = btnClose; i < last; ++i)
        if (ButtonRect(i, caption, borderIcons).Contains(p.x(), p.y())) return i;
    return btnNone;
}

int TxpCaption::HitTestCode(QPoint p, TRect w, unsigned borderIcons) const {
    const int b = B();
    const int a = RoundedCorners ? RoundedCornerRadius / 2 : 5;
    const int x = p.x(), y = p.y();
    if (Visible && TRect{w.Left + b, w.Top + 5, w.Right - b, w.Top + b + Height}.Contains(x, y)) {
        const int i =
            HitButton({x - w.Left, y - w.Top}, {0, 0, w.Width(), b + Height}, borderIcons);
        switch (i) {
        case btnClose:
            return HTCLOSE;
        case btnMaximize:
            return HTMAXBUTTON;
        case btnMinimize:
            return HTMINBUTTON;
        case btnIcon:
            return HTSYSMENU;
        case btnNone:
            return HTCAPTION;
        default:
            return HTOBJECT;
        }
    }
    const int bs = BorderSize;
    const std::pair<TRect, int> zones[] = {
        {{w.Left, w.Top, w.Left + bs + a, w.Top + b + a}, HTTOPLEFT},
        {{w.Right - a, w.Top, w.Right + 1, w.Top + a}, HTTOPRIGHT},
        {{w.Left, w.Bottom - b - a, w.Left + a, w.Bottom}, HTBOTTOMLEFT},
        {{w.Right - a, w.Bottom - b - a, w.Right, w.Bottom}, HTBOTTOMRIGHT},
        {{w.Left, w.Top + 5, w.Left + b, w.Bottom - 5}, HTLEFT},
        {{w.Right - b, w.Top + 5, w.Right + 1, w.Bottom - 5}, HTRIGHT},
        {{w.Left + 5, w.Top, w.Right - 5, w.Top + b}, HTTOP},
        {{w.Left + 5, w.Bottom - b, w.Right - 5, w.Bottom}, HTBOTTOM},
    };
    for (const auto& [zone, code] : zones)
        if (zone.Contains(x, y)) return code;
    return HTCLIENT;
}

TRect TxpCaption::CalcNonClient(TRect r, bool vscroll, bool hscroll) const {
    if (Visible) r.Top += Height;
    if (RoundedCorners & (rcBottomLeft | rcBottomRight)) r.Bottom -= RoundedCornerRadius / 2;
    if (vscroll) r.Right -= 18;
    if (hscroll) r.Bottom -= 18;
    if (ShowBorder) {
        const int b = BorderSize;
        r = {r.Left + b, r.Top + b, r.Right - b, r.Bottom - b};
    }
    return r;
}
