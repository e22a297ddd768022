#include "components/skin/xpCaption.h"

#include <algorithm>

using core::TColor;
using platform::BrushStyle;
using platform::TBitmap;
using platform::TBrush;
using platform::TCanvas;
using platform::TRect;

namespace {

void Fill(TCanvas& c, TRect r, TColor color) {
    c.Brush = TBrush{color, BrushStyle::Solid, {}};
    c.FillRect(r.Left, r.Top, r.Right, r.Bottom);
}

// A pattern brush picture painted by a gradient.
QImage GradientPattern(int w, int h, TColor from, TColor to, TFillDirection dir, int colors) {
    TBitmap bmp(w, h);
    DrawGradient(bmp.Canvas(), {0, 0, w, h}, from, to, dir, colors);
    return bmp.Image();
}

QImage SkinBitmap(const QString& name) {
    return QImage(QStringLiteral(":/skin/") + name + QStringLiteral(".bmp"));
}

} // namespace

void TxpCaption::PaintNonClient(TCanvas& canvas, const TFrameInfo& frame) {
    const TRect w{0, 0, frame.Width, frame.Height};
    if (Visible) {
        const TRect title{0, 0, w.Width(), Height + B()};
        if (!title.IsEmpty()) {
            // Composed off screen and copied in one piece.
            TBitmap bmp(title.Width(), title.Height());
            PaintTitle(bmp.Canvas(), title, frame);
            canvas.Draw(0, 0, bmp.Image());
        }
    }
    if (ShowBorder)
        PaintBorder(canvas, w, frame);
    else if (RoundedCorners & (rcBottomLeft | rcBottomRight))
        Fill(canvas, {0, w.Bottom - RoundedCornerRadius / 2, w.Right, w.Bottom}, frame.Color);
}

void TxpCaption::PaintTitle(TCanvas& canvas, TRect t, const TFrameInfo& frame) {
    if (TitleHook && !TitleHook(canvas, t, FrameActive)) return;
    PaintTitleBackground(canvas, t);
    canvas.Font = Font;
    int x = 5;
    if (DisplayAppIcon) x += Height - B();
    x = PaintTitleImage(canvas, t, frame, x);
    bool goOn = true;
    if (owner_) owner_->CustomDrawTitle(this, canvas, t, FrameActive, goOn);
    if (goOn) {
        PaintAppIcon(canvas, frame);
        PaintTitleText(canvas, t, frame, x);
    }
    PaintButtons(canvas, t, frame);
}

void TxpCaption::PaintTitleBackground(TCanvas& canvas, TRect t) const {
    if (!GradientFill)
        Fill(canvas, t, ActiveStartColor);
    else if (FrameActive)
        DrawGradient(canvas, t, ActiveStartColor, ActiveEndColor, FillDirection, 60);
    else
        DrawGradient(canvas, t, InActiveStartColor, InActiveEndColor, FillDirection, 60);
}

int TxpCaption::PaintTitleImage(TCanvas& canvas, TRect t, const TFrameInfo& frame, int x) const {
    const QImage image = Image;
    if (image.isNull()) return x;
    const TColor key =
        ImageTransparent ? platform::FromQColor(image.pixelColor(0, 0)) : core::clNone;
    const int top = (t.Top + t.Bottom - image.height()) / 2;
    switch (ImageAlign()) {
    case iaLeft:
        DrawTransparent(canvas, x, top, image, key);
        return x + image.width() + 10;
    case iaRight: {
        const int buttons =
            (SystemButtonCount(frame.BorderIcons) + CustomButtonCount) * (ButtonSize + 2) + 10;
        DrawTransparent(canvas, t.Right - image.width() - buttons - 2, top, image, key);
        break;
    }
    case iaCenter:
        DrawTransparent(canvas, (t.Left + t.Right - image.width()) / 2, top, image, key);
        break;
    case iaStretch:
        StretchDrawTransparentRect(canvas, t.Left, t.Top, t.Width(), t.Height(),
                                   {0, 0, image.width(), image.height()}, image, key);
        break;
    case iaTile: {
        // The picture's own transparency: its bottom-left pixel, as a bitmap picks it.
        QImage tile = image.convertToFormat(QImage::Format_ARGB32);
        if (ImageTransparent) {
            const QRgb k = tile.pixel(0, tile.height() - 1);
            for (int y = 0; y < tile.height(); ++y)
                for (int xx = 0; xx < tile.width(); ++xx)
                    if (tile.pixel(xx, y) == k) tile.setPixel(xx, y, 0);
        }
        TileBitmap(canvas, t, tile);
        break;
    }
    }
    return x;
}

void TxpCaption::PaintAppIcon(TCanvas& canvas, const TFrameInfo& frame) const {
    if (!DisplayAppIcon || frame.Icon.isNull()) return;
    const int b = B(), side = Height - b - 4;
    if (side > 0)
        canvas.StretchDraw(QRect(b + IconMarginLeft, b + IconMarginTop, side, side), frame.Icon);
}

// The title with a shadow a little lighter than what lies under its first pixel.
void TxpCaption::PaintTitleText(TCanvas& canvas, TRect t, const TFrameInfo& frame, int x) const {
    const std::string& text = frame.Caption;
    if (text.empty()) return;
    const int textTop = (t.Top + t.Bottom - canvas.TextHeight(text)) / 2;
    // A long title ends before the first caption button, not under and between them.
    int right = t.Right;
    for (int i = btnClose; i < btnFirstCustom + CustomButtonCount; ++i) {
        const TRect square = ButtonRect(i, t, frame.BorderIcons);
        if (!square.IsEmpty()) right = std::min(right, square.Left - 2);
    }
    canvas.SaveDC();
    canvas.IntersectClipRect(t.Left, t.Top, right, t.Bottom);
    canvas.Brush.Style = BrushStyle::Clear;
    const platform::TFont font = Font;
    canvas.Font.Color = DarkenColor(canvas.Pixel(x, textTop), -30);
    canvas.TextOut(x + IconMarginLeft + 1, textTop + 1, text);
    canvas.Font.Color = font.Color;
    canvas.TextOut(x + IconMarginLeft, textTop, text);
    canvas.Brush.Style = BrushStyle::Solid;
    canvas.RestoreDC();
}

void TxpCaption::PaintBuiltIn(TCanvas& canvas, int index, int state, TRect square, int shift) {
    const int kind = 3 - index;
    if (owner_ && owner_->CustomSysBtnDraw(canvas, square, kind, state)) return;
    if (SysButtonHook)
        SysButtonHook(canvas, square, kind, state);
    else {
        PaintButtonFace(canvas, square, state, index == btnClose);
        DrawGlyph(canvas, square, index, shift);
    }
}

void TxpCaption::PaintButtons(TCanvas& canvas, TRect t, const TFrameInfo& frame) {
    for (int i : {btnClose, btnMaximize, btnMinimize}) {
        const TRect square = ButtonRect(i, t, frame.BorderIcons);
        if (square.IsEmpty()) continue;
        PaintBuiltIn(canvas, i, PressedButton == i ? tbsDown : tbsUp, square, 0);
    }
    for (int i = 1; i <= CustomButtonCount; ++i)
        if (owner_)
            owner_->CustomButtonDraw(
                this, canvas, ButtonRect(btnFirstCustom + i - 1, t, frame.BorderIcons), i, tbsUp);
}

void TxpCaption::PaintButton(TCanvas& canvas, int index, int state, TRect captionRect,
                             const TFrameInfo& frame) {
    const TRect square = ButtonRect(index, captionRect, frame.BorderIcons);
    if (square.IsEmpty()) return;
    if (index >= btnFirstCustom) {
        if (owner_) owner_->CustomButtonDraw(this, canvas, square, index - 2, state);
        return;
    }
    PaintBuiltIn(canvas, index, state, square, state == tbsDown ? 1 : 0);
}

void TxpCaption::PaintButtonFace(TCanvas& canvas, TRect r, int state, bool isClose) {
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Pen = platform::TPen{core::clWhite, 1, platform::PenStyle::Solid};
    const TRect inner{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    TColor start = isClose ? 0x0000FF : TColor(ActiveStartColor);
    TColor end = isClose ? 0x800080 : TColor(ActiveEndColor);
    if (state == tbsHot) {
        start = DarkenColor(start, -30);
        end = DarkenColor(end, -30);
    }
    DrawGradient(canvas, inner, start, end, state == tbsDown ? fdBottomToTop : fdTopToBottom, 30);
    canvas.Brush.Style = BrushStyle::Clear;
    canvas.Pen.Color = BtnBorderColor;
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 3, 3);
    canvas.Brush.Style = BrushStyle::Solid;
}

void TxpCaption::DrawGlyph(TCanvas& canvas, TRect r, int index, int d) {
    const TColor fontColor = platform::TFont(Font).Color;
    const int L = r.Left + d, T = r.Top + d, R = r.Right + d, B = r.Bottom + d;
    switch (index) {
    case btnClose:
        canvas.Pen = platform::TPen{core::clWhite, 2, platform::PenStyle::Solid};
        canvas.MoveTo(L + 4, T + 4);
        canvas.LineTo(R - 4, B - 4);
        canvas.MoveTo(L + 4, B - 4);
        canvas.LineTo(R - 4, T + 4);
        canvas.Pen.Width = 1;
        break;
    case btnMaximize:
        canvas.Pen = platform::TPen{fontColor, 1, platform::PenStyle::Solid};
        canvas.Brush.Style = BrushStyle::Clear;
        canvas.Rectangle(L + 4, T + 5, R - 4, B - 4);
        Fill(canvas, {L + 4, T + 5, R - 4, T + 8}, fontColor);
        break;
    case btnMinimize:
        Fill(canvas, {L + 5, B - 7, R - 7, B - 5}, fontColor);
        break;
    default:
        break;
    }
}

void TxpCaption::PaintBorder(TCanvas& canvas, TRect w, const TFrameInfo& frame) {
    bool goOn = false;
    if (owner_ && owner_->CustomBorderDraw(canvas, w, FrameActive, goOn)) return;
    if (BorderHook) {
        BorderHook(canvas, w, FrameActive, frame);
        return;
    }
    const TColor c = FrameActive ? TColor(BorderColor) : TColor(BorderInActiveColor);
    const int b = BorderSize, r = RoundedCornerRadius;
    const QRegion rgn = RoundedWindowRegion(RoundedCorners, r, frame.Width, frame.Height);
    if (RoundedCorners & (rcBottomLeft | rcBottomRight))
        Fill(canvas, {w.Left, w.Bottom - r / 2 - b, w.Right, w.Bottom}, frame.Color);
    if (b > 0) {
        const TColor light = DarkenColor(c, -20);
        canvas.Brush =
            TBrush{c, BrushStyle::Solid, GradientPattern(b, 1, c, light, fdHorizFromCenter, b / 2)};
        if (Visible) {
            canvas.FrameRgn(rgn, std::min(b, 2), -1);
            canvas.FillRect(w.Left, w.Top + b + Height, w.Left + b, w.Bottom);
            canvas.FillRect(w.Right - b, w.Top + b + Height, w.Right, w.Bottom);
        } else {
            canvas.FrameRgn(rgn, b, -1);
        }
        canvas.Brush.Bitmap = GradientPattern(1, b, light, c, fdTopToBottom, b);
        if (Visible) {
            canvas.FrameRgn(rgn, -1, std::min(b, 2));
            canvas.FillRect(w.Left, w.Bottom - b, w.Right, w.Bottom);
        } else {
            canvas.FrameRgn(rgn, -1, b);
        }
        canvas.Brush = TBrush{};
    }
    if (Visible) {
        canvas.Pen = platform::TPen{c, 2, platform::PenStyle::Solid};
        const int y = w.Top + Height + b - 1;
        canvas.MoveTo(w.Left + b, y);
        canvas.LineTo(w.Right - b, y);
        canvas.Pen.Width = 1;
    }
}

void TxpCaption::ZebBorderPaint(TCanvas& canvas, TRect w, bool active, const TFrameInfo& frame) {
    const int b = BorderSize, r = RoundedCornerRadius;
    const QRegion rgn = RoundedWindowRegion(RoundedCorners, r, frame.Width, frame.Height);
    const TColor c = active ? TColor(BorderColor) : TColor(BorderInActiveColor);
    if (RoundedCorners & (rcBottomLeft | rcBottomRight))
        Fill(canvas, {w.Left, w.Bottom - r / 2 - b, w.Right, w.Bottom}, c);
    canvas.Brush = TBrush{c, BrushStyle::Solid, {}};
    canvas.FrameRgn(rgn, b, b);
    canvas.Brush.Color = DarkenColor(c, 30);
    canvas.FrameRgn(rgn, 1, 1);
    Fill(canvas, {w.Left + b, w.Bottom - r / 2 - b, w.Right - b, w.Bottom}, frame.Color);
    DrawGradient(canvas, {w.Left, w.Bottom - b, w.Right, w.Bottom}, frame.Color, DarkenColor(c, 50),
                 fdTopToBottom, 40);
    // The rounded bottom of the client area, keyed out of a bitmap of the other colour.
    const TColor key =
        core::ColorToRGB(frame.Color) == core::clWhite ? core::clBlack : core::clWhite;
    const int bw = w.Width() - 2 * b, bh = r / 2;
    if (bw > 0 && bh > 0) {
        TBitmap shape(bw, bh);
        Fill(shape.Canvas(), {0, 0, bw, bh}, key);
        shape.Canvas().Brush = TBrush{frame.Color, BrushStyle::Solid, {}};
        shape.Canvas().Pen = platform::TPen{frame.Color, 1, platform::PenStyle::Solid};
        shape.Canvas().RoundRect(0, 0, bw, bh, r, r);
        DrawTransparentRect(canvas, w.Left + b, w.Bottom - bh - b, {0, bh / 2, bw, bh},
                            shape.Image(), key);
    }
    const QImage bl = SkinBitmap(QStringLiteral("ZebBTMLEFT"));
    const QImage br = SkinBitmap(QStringLiteral("ZebBTMRGHT"));
    const QImage tl = SkinBitmap(QStringLiteral("ZebTOPLEFT"));
    const QImage tr = SkinBitmap(QStringLiteral("ZebTOPRIGHT"));
    DrawTransparent(canvas, w.Left + 2, w.Bottom - bl.height(), bl, core::clWhite);
    DrawTransparent(canvas, w.Right - br.width(), w.Bottom - br.height(), br, core::clWhite);
    DrawTransparent(canvas, w.Left, w.Top, tl, core::clWhite);
    DrawTransparent(canvas, w.Right - tr.width(), w.Top, tr, core::clWhite);
    canvas.Brush = TBrush{DarkenColor(c, 50), BrushStyle::Solid, {}};
    canvas.FrameRgn(rgn, 1, 1);
    canvas.Brush = TBrush{};
}

void TxpCaption::ZebButtonPaint(TCanvas& canvas, TRect square, int kind, int state) {
    static const char* const kinds[] = {"MIN", "MAX", "CLOSE"};
    static const char* const states[] = {"UP", "HL", "DOWN", "UP"};
    if (kind < 1 || kind > 3 || state < 0 || state > 3) return;
    const QString name = QStringLiteral("Zeb") + kinds[kind - 1] + states[state] + "BTN";
    DrawTransparent(canvas, square.Left, square.Top, SkinBitmap(name), core::clWhite);
}
