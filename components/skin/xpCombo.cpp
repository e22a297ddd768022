#include "components/skin/xpCombo.h"

#include <QAbstractItemView>

#include <algorithm>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

using core::TColor;
using platform::BrushStyle;
using platform::TCanvas;
using platform::TRect;

namespace {

// Entries of the open list drawn by the box itself.
class ComboItemDelegate : public QStyledItemDelegate {
public:
    explicit ComboItemDelegate(TxpComboBox& box) : QStyledItemDelegate(&box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!box_.XPStyle.Active()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QImage image(option.rect.size(), QImage::Format_RGB32);
        TCanvas canvas(&image);
        box_.DrawListItem(canvas, index.row(), option.state & QStyle::State_Selected);
        painter->drawImage(option.rect.topLeft(), image);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(16);
        return s;
    }

private:
    TxpComboBox& box_;
};

void ArrowLines(TCanvas& c, int x0, int y0) {
    const int rows[][2] = {{0, 5}, {1, 4}, {2, 3}};
    for (int i = 0; i < 3; ++i) {
        c.MoveTo(x0 + rows[i][0], y0 + i);
        c.LineTo(x0 + rows[i][1], y0 + i);
    }
}

} // namespace

void TxpComboStyle::SetActive(bool value) {
    TxpControlStyle::SetActive(value);
    owner_.Restyle();
}

TxpComboBox::TxpComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ComboItemDelegate(*this));
    setAttribute(Qt::WA_Hover);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        update();
        if (OnChange) OnChange();
    });
    connect(this, &QComboBox::highlighted, this, [this](int index) {
        hotIndex_ = index;
        update();
    });
}

TxpComboBox::~TxpComboBox() {
    // The delegate calls back into the box; the view may outlive this part of it.
    view()->setItemDelegate(nullptr);
}

void TxpComboBox::Restyle() {
    view()->setItemDelegate(itemDelegate());
    update();
}

void TxpComboBox::SetColor(TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, platform::ToQColor(color));
    p.setColor(QPalette::Button, platform::ToQColor(color));
    setPalette(p);
    view()->setPalette(p);
    update();
}

void TxpComboBox::showPopup() {
    dropped_ = true;
    hotIndex_ = currentIndex();
    QComboBox::showPopup();
    // The list drops below the box, so the box keeps showing the entry under the mouse.
    QWidget* list = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const int room = screen()->availableGeometry().bottom() + 1 - below.y();
    if (!XPStyle.Active() || room < 4 * 16) return;
    list->setGeometry(below.x(), below.y(), list->width(), std::min(list->height(), room));
}

void TxpComboBox::hidePopup() {
    QComboBox::hidePopup();
    dropped_ = false;
    hot_ = underMouse();
    update();
}

void TxpComboBox::enterEvent(QEnterEvent* e) {
    if (!dropped_) {
        hot_ = true;
        update();
    }
    QComboBox::enterEvent(e);
}

void TxpComboBox::leaveEvent(QEvent* e) {
    if (!dropped_) {
        hot_ = false;
        update();
    }
    QComboBox::leaveEvent(e);
}

void TxpComboBox::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    focused_ = true;
    update();
}

void TxpComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    focused_ = false;
    update();
}

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
    c.Brush = {
        active ? XPStyle.ActiveBorderColor : XPStyle.InActiveBorderColor, BrushStyle::Solid, {}};
    c.FrameRect(0, 0, c.Width(), c.Height());
}

void TxpComboBox::DrawButton(TCanvas& c, TRect r, TxpComboButtonStyle style) const {
    const bool active = focused_ || hot_;
    if (style == cbsFlat) {
        c.Pen = {active ? XPStyle.ActiveBorderColor : color_, 1};
        c.Brush = {active ? XPStyle.ActiveButtonColor : XPStyle.InActiveButtonColor,
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
        const TColor face = active ? XPStyle.ActiveButtonColor : XPStyle.InActiveButtonColor;
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
    if (isEditable()) return;
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
               platform::dtSingleLine | platform::dtVCenter | platform::dtNoPrefix);
}

void TxpComboBox::DrawListItem(TCanvas& c, int index, bool selected) const {
    TRect r{0, 0, c.Width(), c.Height()};
    c.Pen = {};
    c.Brush = {color_, BrushStyle::Solid, {}};
    c.FillRect(r.Left, r.Top, r.Right, r.Bottom);
    if (selected) {
        --r.Bottom;
        DrawGradient(c, r, XPStyle.SelStartColor, XPStyle.SelEndColor, XPStyle.SelGradientFillDir,
                     r.Width() / 2);
    }
    r.Left += 4;
    c.Brush.Style = BrushStyle::Clear;
    c.Font = font_;
    c.DrawText(r, itemText(index).toStdString(),
               platform::dtSingleLine | platform::dtVCenter | platform::dtNoPrefix);
}

void TxpComboBox::PaintTo(TCanvas& c) const {
    const int W = c.Width(), H = c.Height(), bw = XPStyle.ButtonWidth;
    // The edit part first: its fill may reach one pixel beyond the client area.
    QImage client(std::max(1, W - bw - 3), std::max(1, H - 2), QImage::Format_RGB32);
    TCanvas cc(&client);
    const bool followList = XPStyle.HotTrack && dropped_;
    DrawEditItem(cc, {0, 0, client.width(), client.height()}, focused_,
                 followList ? hotIndex_ : currentIndex());
    c.Draw(1, 1, client);
    DrawBorder(c);
    DrawButton(c, {W - bw - 2, 1, W - 1, H - 1}, XPStyle.ButtonStyle);
}
