#include "components/skin/xpCombo.h"

#include <QAbstractItemView>
#include <QListView>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include <algorithm>

using platform::BrushStyle;
using platform::TCanvas;
using platform::TRect;

namespace {

constexpr int kItemHeight = 16;

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
        box_.DrawListItem(canvas, index.row(), option.state & QStyle::State_Selected,
                          option.rect.topLeft());
        painter->drawImage(option.rect.topLeft(), image);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(box_.ListItemHeight());
        return s;
    }

private:
    TxpComboBox& box_;
};

} // namespace

void TxpComboBox::InstallListDelegate() {
    setItemDelegate(new ComboItemDelegate(*this));
}

int TxpComboBox::ListItemHeight() const {
    const platform::TImageList* images = XPStyle.Images();
    if (XPStyle.Active() && XPStyle.AutoHeight && images)
        return std::max(kItemHeight, images->Height() + 2);
    return kItemHeight;
}

void TxpComboBox::DrawListItem(TCanvas& c, int index, bool selected, QPoint at) const {
    TRect r{0, 0, c.Width(), c.Height()};
    c.Pen = {};
    c.Brush = {color_, BrushStyle::Solid, {}};
    c.FillRect(r.Left, r.Top, r.Right, r.Bottom);
    if (XPStyle.BGStyle != cbgsNone)
        c.CopyRect(r.ToQRect(), listBg_.Image(), QRect(at, QSize(r.Width(), r.Height())));
    if (selected) {
        --r.Bottom;
        DrawGradient(c, r, XPStyle.SelStartColor, XPStyle.SelEndColor, XPStyle.SelGradientFillDir,
                     r.Width() / 2);
    }
    if (const platform::TImageList* images = XPStyle.Images()) {
        const int shown = index < images->Count() ? index : XPStyle.DefaultListImageIndex();
        const QImage image = images->Image(shown);
        if (!image.isNull()) c.Draw(r.Left + 2, r.Top + 2, image);
        r.Left += images->Width();
    }
    r.Left += 4;
    c.Brush.Style = BrushStyle::Clear;
    c.Font = font_;
    c.DrawText(r, itemText(index).toStdString(),
               platform::dtSingleLine | platform::dtVCenter | platform::dtNoPrefix |
                   platform::dtEndEllipsis);
}

void TxpComboBox::BuildListBackground(int width, int height) {
    listBg_.SetSize(0, 0);
    listBg_.SetSize(width, height);
    TCanvas& c = listBg_.Canvas();
    const TRect all{0, 0, width, height};
    const QImage& picture = XPStyle.BGImage;
    c.Brush = {color_, BrushStyle::Solid, {}};
    switch (XPStyle.BGStyle) {
    case cbgsGradient:
        DrawGradient(c, all, XPStyle.BGStartColor, XPStyle.BGEndColor, XPStyle.BGGradientFillDir,
                     60);
        break;
    case cbgsTiledImage:
        if (picture.isNull())
            c.FillRect(0, 0, width, height);
        else
            TileBitmap(c, all, picture);
        break;
    case cbgsStretchedImage:
        if (picture.isNull())
            c.FillRect(0, 0, width, height);
        else
            c.StretchDraw(all.ToQRect(), picture);
        break;
    case cbgsNone:
        break;
    }
}

void TxpComboBox::ReleaseListBackground() {
    listBg_.SetSize(0, 0);
}

void TxpComboBox::showPopup() {
    // The simple style's list is always there, in the box.
    if (style_ == csSimple && XPStyle.Active()) return;
    dropped_ = true;
    hotIndex_ = currentIndex();
    QComboBox::showPopup();
    if (!XPStyle.Active()) return;
    // The list drops below the box, so the box keeps showing the entry under the mouse.
    QWidget* list = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const int room = screen()->availableGeometry().bottom() + 1 - below.y();
    if (room >= 4 * kItemHeight)
        list->setGeometry(below.x(), below.y(), list->width(), std::min(list->height(), room));
    BuildListBackground(list->width(), list->height());
    view()->viewport()->update();
}

void TxpComboBox::hidePopup() {
    QComboBox::hidePopup();
    if (!simpleList_ || !simpleList_->isVisible()) ReleaseListBackground();
    dropped_ = false;
    hot_ = underMouse();
    update();
}
