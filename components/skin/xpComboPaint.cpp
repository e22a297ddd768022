#include "components/skin/xpCombo.h"

#include <QPainter>

#include <algorithm>

using core::TColor;
using platform::BrushStyle;
using platform::TCanvas;
using platform::TRect;

namespace {

void ArrowLines(TCanvas& c, int x0, int y0) {
    const int rows[][2] = {{0, 5}, {1, 4}, {2, 3}};
    for (int i = 0; i < 3; ++i) {
        c.MoveTo(x0 + rows[i][0], y0 + i);
        c.LineTo(x0 + rows[i][1], y0 + i);
    }
}

// The picture in grey; its transparent parts stay transparent.
QImage Grey(const QImage& image) {
    platform::TBitmap bitmap;
    bitmap.Image() = image;
    GrayscaleBitmap(bitmap);
    QImage grey = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    grey.setAlphaChannel(image.convertToFormat(QImage::Format_Alpha8));
    return grey;
}

} // namespace

void TxpComboBox::paintEvent(QPaintEvent* e) {
    if (!XPStyle.Active()) {
        QComboBox::paintEvent(e);
        return;
    }
    QImage image(size(), QImage::Format_RGB32);
    TCanvas canvas(&image);
    PaintTo(canvas);
    QPainter(this).drawImage(0, 0, image);
}

void TxpComboBox::DrawBorder(TCanvas& c) const {
    const bool active = focused_ || hot_;
    c.Brush = {active ? XPStyle.ActiveBorderColor() : XPStyle.InActiveBorderColor(),
               BrushStyle::Solid,
               {}};
    c.FrameRect(0, 0, c.Width(), c.Height());
}

void TxpComboBox::DrawButton(TCanvas& c, TRect r, TxpComboButtonStyle style) const {
    const bool active = focused_ || hot_;
    if (style == cbsFlat) {
        c.Pen = {active ? XPStyle.ActiveBorderColor() : color_, 1};
        c.Brush = {active ? XPStyle.ActiveButtonColor() : XPStyle.InActiveButtonColor(),
                   BrushStyle::Solid,
                   {}};
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Left, r.Bottom);
        if (active) r = {r.Left, r.Top - 1, r.Right + 1, r.Bottom + 1};
        c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        c.Pen = {core::clBlack, 1};
    } else {
        c.Brush = {color_, BrushStyle::Solid, {}};
        c.FillRect(r.Left, r.Top, r.Right, r.Bottom);
        r = {r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1};
        const TColor face = active ? XPStyle.ActiveButtonColor() : XPStyle.InActiveButtonColor();
        c.Brush.Color = face;
        c.Pen = {DarkenColor(face, 20), 1};
        c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2, 2);
        r = {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        DrawGradient(c, r, face, DarkenColor(face, 10), fdTopToBottom, 5);
        c.Pen = {core::clNavy, 1};
    }
    ArrowLines(c, (r.Left + r.Right - 5) / 2, (r.Top + r.Bottom) / 2);
}

void TxpComboBox::DrawEditItem(TCanvas& c, TRect r, bool focused, int index) const {
    c.Pen = {};
    c.Brush = {color_, BrushStyle::Solid, {}};
    c.FillRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
    TRect text{r.Left + 3, r.Top + 3, r.Right - 2, r.Bottom - 2};
    if (isEditable()) return; // the edit shows the text
    if (focused && !dropped_)
        DrawGradient(c, text, XPStyle.SelStartColor, XPStyle.SelEndColor,
                     XPStyle.SelGradientFillDir, text.Width() / 2);
    if (index < 0 || index >= count()) return;
    c.Brush.Style = BrushStyle::Clear;
    c.Font = font_;
    if (!isEnabled()) c.Font.Color = core::clGrayText;
    text.Left += 2;
    text.Right -= 2;
    c.DrawText(text, itemText(index).toStdString(),
               platform::dtSingleLine | platform::dtVCenter | platform::dtNoPrefix |
                   platform::dtEndEllipsis);
}

void TxpComboBox::DrawImage(TCanvas& c) const {
    const platform::TImageList* images = XPStyle.Images();
    if (!images) return;
    const int H = c.Height();
    c.Pen = {};
    c.Brush = {color_, BrushStyle::Solid, {}};
    c.FillRect(1, 1, images->Width() + 5, H - 1);
    const int index = currentIndex();
    int shown = index;
    if (index < 0)
        shown = XPStyle.DefaultImageIndex;
    else if (index >= images->Count())
        shown = XPStyle.DefaultListImageIndex;
    const QImage image = images->Image(shown);
    if (image.isNull()) return;
    c.Draw(2, (H - images->Height()) / 2, isEnabled() ? image : Grey(image));
}

void TxpComboBox::DrawSimpleDivider(TCanvas& c) const {
    const TRect edit = SimpleEditRect();
    c.Pen = {focused_ || hot_ ? XPStyle.ActiveBorderColor() : XPStyle.InActiveBorderColor(), 1};
    c.MoveTo(edit.Left, edit.Bottom);
    c.LineTo(edit.Right, edit.Bottom);
}

void TxpComboBox::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height();
    // The edit part first, on its own canvas: its fill reaches one pixel beyond the client area.
    const TRect client = ClientRect();
    QImage part(std::max(1, client.Width()), std::max(1, client.Height()), QImage::Format_RGB32);
    TCanvas cc(&part);
    const bool followList = XPStyle.HotTrack && dropped_;
    DrawEditItem(cc, {0, 0, part.width(), part.height()}, focused_,
                 followList ? hotIndex_ : currentIndex());
    c.Draw(client.Left, client.Top, part);
    DrawBorder(c);
    DrawImage(c);
    if (style_ != csSimple)
        DrawButton(c, {W - XPStyle.ButtonWidth - 2, 1, W - 1, H - 1}, XPStyle.ButtonStyle);
    else
        DrawSimpleDivider(c);
}
