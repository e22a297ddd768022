#include "components/skin/xpCombo.h"

#include "platform/Font.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>

using core::TColor;
using platform::TRect;

TxpComboStyle::~TxpComboStyle() {
    if (images_) QObject::disconnect(images_, nullptr, &owner_, nullptr);
}

void TxpComboStyle::SetActive(bool value) {
    TxpControlStyle::SetActive(value);
    owner_.Restyle();
}

void TxpComboStyle::SetImages(platform::TImageList* images) {
    if (images_) QObject::disconnect(images_, nullptr, &owner_, nullptr);
    images_ = images;
    if (!images) {
        owner_.update();
        return;
    }
    QObject::connect(images, &platform::TImageList::Change, &owner_, [this] { owner_.update(); });
    // A freed list leaves the box without images.
    QObject::connect(images, &QObject::destroyed, &owner_, [this] { SetImages(nullptr); });
    owner_.Restyle();
}

template <class T> void TxpComboStyle::Repaint(TProperty<Self, T>& property, T value) {
    if (property() == value) return;
    property.Store(value);
    owner_.update();
}

void TxpComboStyle::SetButtonWidth(int value) {
    if (ButtonWidth() == value) return;
    ButtonWidth.Store(value);
    owner_.Restyle();
}

void TxpComboStyle::SetAutoHeight(bool value) {
    if (AutoHeight() == value) return;
    AutoHeight.Store(value);
    owner_.Restyle();
}

void TxpComboStyle::SetButtonStyle(TxpComboButtonStyle value) {
    Repaint(ButtonStyle, value);
}

void TxpComboStyle::SetDefaultImageIndex(int value) {
    Repaint(DefaultImageIndex, std::max(value, -1));
}

void TxpComboStyle::SetDefaultListImageIndex(int value) {
    Repaint(DefaultListImageIndex, std::max(value, -1));
}

void TxpComboStyle::SetActiveBorderColor(TColor value) {
    Repaint(ActiveBorderColor, value);
}

void TxpComboStyle::SetInActiveBorderColor(TColor value) {
    Repaint(InActiveBorderColor, value);
}

void TxpComboStyle::SetActiveButtonColor(TColor value) {
    Repaint(ActiveButtonColor, value);
}

void TxpComboStyle::SetInActiveButtonColor(TColor value) {
    Repaint(InActiveButtonColor, value);
}

TxpComboBox::TxpComboBox(QWidget* parent) : QComboBox(parent) {
    InstallListDelegate();
    setAttribute(Qt::WA_Hover);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        SyncSimpleList();
        update();
        if (OnChange) OnChange();
    });
    connect(this, &QComboBox::activated, this, [this] {
        if (!XPStyle.Active()) return;
        lastText_ = currentText();
        update();
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
    view()->doItemsLayout(); // item heights follow the images
    if (isEditable() && !XPStyle.Active()) {
        // Let the platform box lay its edit out again.
        QResizeEvent e(size(), size());
        QComboBox::resizeEvent(&e);
    }
    PlaceEdit();
    PlaceSimpleList();
    update();
}

void TxpComboBox::SetColor(TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, platform::ToQColor(color));
    p.setColor(QPalette::Button, platform::ToQColor(color));
    setPalette(p);
    view()->setPalette(p);
    if (simpleList_) simpleList_->setPalette(p);
    update();
}

void TxpComboBox::SetStyle(TComboBoxStyle style) {
    if (style_ == style) return;
    style_ = style;
    const bool editable = style == csDropDown || style == csSimple;
    if (editable != isEditable()) {
        setEditable(editable);
        if (editable) {
            // The platform box neither completes nor adds what is typed on its own.
            setCompleter(nullptr);
            setInsertPolicy(QComboBox::NoInsert);
            lineEdit()->setFont(platform::FormFont());
            lineEdit()->installEventFilter(this);
            connect(lineEdit(), &QLineEdit::textEdited, this, [this] { EditUpdate(); });
            connect(lineEdit(), &QLineEdit::textChanged, this, [this] { update(); });
        }
    }
    Restyle();
}

TRect TxpComboBox::ClientRect() const {
    const platform::TImageList* images = XPStyle.Images();
    TRect r{0, 0, width(), height()};
    if (images) r.Left += images->Width() + 4;
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    if (style_ != csSimple) r.Right -= XPStyle.ButtonWidth + 1;
    return r;
}

TRect TxpComboBox::ButtonRect() const {
    return {width() - XPStyle.ButtonWidth - 2, 1, width() - 1, height() - 1};
}

THitCode TxpComboBox::HitTest(int x, int y) const {
    switch (style_) {
    case csDropDown:
        return ButtonRect().Contains(x, y) ? HTCLIENT : HTNOWHERE;
    case csSimple:
        return HTNOWHERE;
    default:
        return HTCLIENT;
    }
}

namespace {

// The 8-bit upper-casing of the platform: only a..z change.
QChar UpLatin(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c;
}

} // namespace

int TxpComboBox::FindItemByPrefix(const QString& s) const {
    if (s.isEmpty()) return -1;
    for (int i = 0; i < count(); ++i) {
        const QString item = itemText(i);
        if (item.size() < s.size()) continue;
        bool same = true;
        for (qsizetype k = 0; k < s.size() && same; ++k) same = UpLatin(item[k]) == UpLatin(s[k]);
        if (same) return i;
    }
    return -1;
}

int TxpComboBox::FindItemExact(const QString& s) const {
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        const int i = k % n;
        if (itemText(i).compare(s, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

void TxpComboBox::EditUpdate() {
    if (!XPStyle.Active() || !XPStyle.AutoSearch) return;
    QLineEdit* edit = lineEdit();
    const QString typed = edit->text();
    if (inSearch_ || typed.size() <= lastText_.size()) {
        // A deletion: the next letter typed compares with what stands before the caret.
        const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        lastText_ = typed.left(start + 1);
        return;
    }
    inSearch_ = true;
    const int i = FindItemByPrefix(typed);
    if (i >= 0) {
        lastText_ = typed;
        setCurrentIndex(i);
        const QString item = itemText(i);
        setEditText(item); // also when the index was already this item
        if (item.size() > typed.size())
            edit->setSelection(static_cast<int>(typed.size()),
                               static_cast<int>(item.size() - typed.size()));
        else
            edit->setCursorPosition(static_cast<int>(typed.size()));
        update();
    }
    inSearch_ = false;
}

void TxpComboBox::PlaceEdit() {
    if (!isEditable() || !XPStyle.Active()) return;
    const TRect r = style_ == csSimple ? SimpleEditRect() : ClientRect();
    const QRect place(r.Left + 3, r.Top + 3, r.Width() - 5, r.Height() - 5);
    if (lineEdit()->geometry() != place) lineEdit()->setGeometry(place);
}

bool TxpComboBox::eventFilter(QObject* watched, QEvent* e) {
    // The platform box lays its edit out again on many changes (the current item, the text,
    // the focus, the list closing), over the image strip and the frame: it goes back each time.
    if (isEditable() && watched == lineEdit() &&
        (e->type() == QEvent::Move || e->type() == QEvent::Resize))
        PlaceEdit();
    return QComboBox::eventFilter(watched, e);
}

bool TxpComboBox::event(QEvent* e) {
    const bool done = QComboBox::event(e);
    // The platform box lays its edit out on these; the skinned one keeps it in its client area.
    switch (e->type()) {
    case QEvent::Resize:
    case QEvent::Show:
        PlaceEdit();
        PlaceSimpleList();
        break;
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        PlaceEdit();
        break;
    default:
        break;
    }
    return done;
}

void TxpComboBox::mousePressEvent(QMouseEvent* e) {
    if (!XPStyle.Active()) {
        QComboBox::mousePressEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    if (HitTest(p.x(), p.y()) == HTNOWHERE) return;
    // A press on the painted button opens or closes the list, whatever the platform box did.
    const bool was = dropped_;
    QComboBox::mousePressEvent(e);
    if (dropped_ != was) return;
    if (was)
        hidePopup();
    else
        showPopup();
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
    // Leaving the box settles the typed text on the item it names; opening the list is no leave.
    if (XPStyle.Active() && XPStyle.AutoSearch && isEditable() &&
        e->reason() != Qt::PopupFocusReason) {
        const int i = FindItemExact(currentText());
        if (i >= 0) {
            setCurrentIndex(i);
            setEditText(itemText(i));
        }
    }
    focused_ = false;
    update();
}
