#include "components/skin/xpCombo.h"

#include <QListView>

using platform::TRect;

namespace {

// The edit row is as high as the inside of a drop-down box.
constexpr int kSimpleEditHeight = 20;

} // namespace

TRect TxpComboBox::SimpleEditRect() const {
    if (style_ != csSimple) return {};
    const TRect r = ClientRect();
    return {r.Left, r.Top, r.Right, std::min(r.Bottom, r.Top + kSimpleEditHeight)};
}

TRect TxpComboBox::SimpleListRect() const {
    if (style_ != csSimple) return {};
    const TRect r = ClientRect();
    // One row of the frame colour between the edit and the list.
    return {r.Left, std::min(r.Bottom, r.Top + kSimpleEditHeight + 1), r.Right, r.Bottom};
}

void TxpComboBox::PlaceSimpleList() {
    const bool shown = style_ == csSimple && XPStyle.Active();
    if (!shown) {
        if (simpleList_) simpleList_->hide();
        return;
    }
    if (!simpleList_) {
        simpleList_ = new QListView(this);
        simpleList_->setFrameShape(QFrame::NoFrame);
        simpleList_->setFocusPolicy(Qt::NoFocus); // the keys stay with the edit
        simpleList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        simpleList_->setSelectionMode(QAbstractItemView::SingleSelection);
        simpleList_->setModel(model());
        simpleList_->setModelColumn(modelColumn());
        simpleList_->setPalette(view()->palette());
        // A press selects, as the platform's list box does; the same press on the selected
        // entry changes nothing.
        connect(simpleList_, &QAbstractItemView::pressed, this,
                [this](const QModelIndex& index) { SelectFromList(index.row()); });
    }
    simpleList_->setItemDelegate(itemDelegate());
    const TRect r = SimpleListRect();
    simpleList_->setGeometry(r.ToQRect());
    BuildListBackground(std::max(1, r.Width()), std::max(1, r.Height()));
    SyncSimpleList();
    simpleList_->show();
}

void TxpComboBox::SyncSimpleList() {
    if (!simpleList_) return;
    const QModelIndex index = model()->index(currentIndex(), modelColumn(), rootModelIndex());
    if (index.isValid()) {
        simpleList_->setCurrentIndex(index);
        simpleList_->scrollTo(index);
    } else {
        simpleList_->clearSelection();
    }
    simpleList_->viewport()->update();
}

void TxpComboBox::SelectFromList(int index) {
    if (index < 0 || index >= count()) return;
    if (index != currentIndex()) setCurrentIndex(index);
    emit activated(index);
    emit textActivated(itemText(index));
}
