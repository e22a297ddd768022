#include "components/skin/xpCheckBox.h"

#include "components/skin/ParentLook.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpCaptionText.h"

#include <QKeyEvent>

using core::Rgb;
using core::TColor;
using platform::BrushStyle;
using platform::TCanvas;

TxpCheckBox::TxpCheckBox(QWidget* parent) : TxpPressControl(parent, PressKind::CheckBox) {
    setCheckable(true);
    resize(97, 17);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setText(QString::fromStdString(caption_));
    // A click from code flips the value the way QAbstractButton does and reports it once.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}

void TxpCheckBox::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    setText(QString::fromStdString(caption));
    repaint();
}

void TxpCheckBox::SetChecked(bool on) {
    if (on == isChecked()) return;
    setChecked(on);
    repaint();
}

TColor TxpCheckBox::Color() const {
    return parentColor_ && parentWidget() ? ParentColorOf(parentWidget()) : color_;
}

void TxpCheckBox::SetColor(TColor color) {
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    // Kept in the palette as well, so windows that read the background colour see it.
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::ToQColor(color));
    setPalette(p);
    update();
}

void TxpCheckBox::SetParentColor(bool on) {
    if (on == parentColor_) return;
    parentColor_ = on;
    // An own colour in the palette would stop the parent's changes from reaching the box.
    if (on) setPalette(QPalette());
    update();
}

platform::TFont TxpCheckBox::Font() const {
    return parentFont_ && parentWidget() ? ParentFontOf(parentWidget()) : font_;
}

void TxpCheckBox::SetFont(const platform::TFont& font) {
    font_ = font;
    parentFont_ = false;
    repaint();
}

void TxpCheckBox::SetParentFont(bool on) {
    if (on == parentFont_) return;
    parentFont_ = on;
    update();
}

bool TxpCheckBox::event(QEvent* e) {
    // The parent's font and colours reach its children as changes of their own.
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange ||
        e->type() == QEvent::ParentChange)
        update();
    return TxpPressControl::event(e);
}

void TxpCheckBox::SetCheckColor(TColor color) {
    if (color == CheckColor()) return;
    CheckColor.Store(color);
    update();
}

void TxpCheckBox::SetAlignment(TCheckBoxAlignment alignment) {
    if (alignment == Alignment()) return;
    Alignment.Store(alignment);
    repaint();
}

void TxpCheckBox::SetShadowText(bool on) {
    if (on == ShadowText()) return;
    ShadowText.Store(on);
    update();
}

void TxpCheckBox::Toggle() {
    setChecked(!isChecked());
    update();
    if (OnClick) OnClick();
}

void TxpCheckBox::PaintBox(TCanvas& c) const {
    const int ch = c.Height(), W = c.Width();
    const int L = Alignment() == cbaRight ? 1 : W - 15, T = ch / 2 - 7;
    const int R = L + 14, B = T + 14;
    if (enabled_) {
        if (flags_.pressed) {
            DrawGradient(c, {L, T, R, B}, Rgb(176, 176, 167), Rgb(241, 239, 223), fdTopToBottom,
                         10);
        } else if (flags_.hot) {
            DrawGradient(c, {L, T, R, B}, Rgb(255, 240, 207), Rgb(248, 179, 48), fdTopToBottom, 10);
            c.Brush = {Color(), BrushStyle::Solid, {}};
            c.FillRect(L + 2, T + 2, R - 2, B - 2);
        } else {
            DrawGradient(c, {L, T, R, B}, Rgb(220, 220, 215), Rgb(255, 255, 255), fdTopToBottom,
                         10);
        }
        c.Pen = {Rgb(28, 81, 128), 1};
        c.Brush.Style = BrushStyle::Clear;
    } else {
        c.Pen = {0x808080, 1};
        c.Brush = {core::clWhite, BrushStyle::Solid, {}};
    }
    c.Rectangle(L, T, R, B);
    if (isChecked()) {
        c.Pen = {enabled_ ? CheckColor() : 0xC0C0C0, 3};
        c.MoveTo(L + 3, T + 6);
        c.LineTo(L + 5, B - 5);
        c.LineTo(R - 5, T + 4);
    }
}

void TxpCheckBox::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height();
    c.Pen = {};
    c.Brush = {Color(), BrushStyle::Solid, {}};
    c.FillRect(0, 0, W, H);
    PaintBox(c);
    const AcceleratedText t = SplitAccelerator(caption_);
    c.Font = Font();
    c.Font.Underline = flags_.hot && UnderLineOnActive;
    if (!enabled_) c.Font.Color = 0x808080;
    c.Brush.Style = BrushStyle::Clear;
    const TColor textColor = c.Font.Color;
    const int th = c.TextHeight(t.text), ty = (H - th) / 2;
    const bool right = Alignment() == cbaRight;
    const int x = right ? 20 : 2;
    const platform::TRect clip =
        right ? platform::TRect{20, 2, W - 2, H} : platform::TRect{2, 2, W - 20, H};
    c.SaveDC();
    c.IntersectClipRect(clip.Left, clip.Top, clip.Right, clip.Bottom);
    if (!right || ShadowText()) {
        c.Font.Color = 0xC0C0C0;
        c.TextOut(x + 1, ty + 1, t.text);
    }
    c.Font.Color = textColor;
    c.TextOut(x, ty, t.text);
    c.RestoreDC();
    if (t.hasAmpersand) {
        // Under the letter itself, where the text stands.
        const int y = ty + th;
        c.Pen = {textColor, 1};
        c.MoveTo(x + c.TextWidth(t.before), y);
        c.LineTo(x + c.TextWidth(t.through), y);
    }
    if (enabled_ && flags_.focused) {
        const int tw = c.TextWidth(t.text);
        if (right)
            c.DrawFocusRect(17, 1, tw + 25, H - 1);
        else
            c.DrawFocusRect(1, 1, tw + 8, H - 1);
    }
}
