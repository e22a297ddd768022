#include "components/skin/TB97Ctls.h"

#include "components/skin/ParentLook.h"
#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

TToolbarButton97::TToolbarButton97(QWidget* parent)
    : QAbstractButton(parent), glyph_(std::make_unique<TButtonGlyph>()) {
    glyph_->OnChange = [this] { update(); };
    resize(22, 23);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    UpdateOpaque();
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
    WatchWindowKeys();
}

TToolbarButton97::~TToolbarButton97() {
    if (keyWindow_) keyWindow_->removeEventFilter(this);
    disconnect(imagesChange_);
    disconnect(imagesGone_);
}

void TToolbarButton97::SetCaption(const std::string& caption) {
    if (caption == Caption()) return;
    setText(QString::fromStdString(caption)); // also the Alt shortcut of the '&' letter
    update();
}

core::TColor TToolbarButton97::Color() const {
    return parentColor_ && parentWidget() ? ParentColorOf(parentWidget()) : color_;
}

void TToolbarButton97::SetColor(core::TColor color) {
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    update();
}

void TToolbarButton97::SetParentColor(bool on) {
    if (on == parentColor_) return;
    parentColor_ = on;
    update();
}

platform::TFont TToolbarButton97::Font() const {
    return parentFont_ && parentWidget() ? ParentFontOf(parentWidget()) : font_;
}

void TToolbarButton97::SetFont(const platform::TFont& font) {
    font_ = font;
    parentFont_ = false;
    update();
}

void TToolbarButton97::SetParentFont(bool on) {
    if (on == parentFont_) return;
    parentFont_ = on;
    update();
}

void TToolbarButton97::SetEnabled(bool on) {
    if (on == Enabled()) return;
    Step(on ? ToolbarInput::Enable : ToolbarInput::Disable);
    if (!on) repeatTimer_.reset(); // the press itself ended with the disabling
}

void TToolbarButton97::SetFlat(bool on) {
    if (on == flat_) return;
    flat_ = on;
    UpdateOpaque();
    update();
}

void TToolbarButton97::SetOpaque(bool on) {
    if (on == opaque_) return;
    opaque_ = on;
    UpdateOpaque();
    update();
}

// An opaque button paints every pixel, so the parent need not paint behind it.
void TToolbarButton97::UpdateOpaque() {
    setAttribute(Qt::WA_OpaquePaintEvent, opaque_ || !flat_);
}

void TToolbarButton97::SetNoBorder(bool on) {
    if (on == noBorder_) return;
    noBorder_ = on;
    update();
}

void TToolbarButton97::SetWordWrap(bool on) {
    if (on == wordWrap_) return;
    wordWrap_ = on;
    update();
}

void TToolbarButton97::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    update();
}

void TToolbarButton97::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    UpdateGroup();
}

void TToolbarButton97::SetAllowAllUp(bool on) {
    if (on == allowAllUp_) return;
    allowAllUp_ = on;
    UpdateGroup();
}

void TToolbarButton97::SetHighlightWhenDown(bool on) {
    if (on == highlightWhenDown_) return;
    highlightWhenDown_ = on;
    if (flags_.down) update();
}

void TToolbarButton97::SetDown(bool on) {
    if (groupIndex_ == 0) on = false;
    if (on == flags_.down || (flags_.down && !allowAllUp_)) return;
    Step(on ? ToolbarInput::Latch : ToolbarInput::Unlatch);
    if (on) UpdateGroup();
}

// The others of the group take this button's AllowAllUp and go up when it went down.
void TToolbarButton97::UpdateGroup() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    const auto siblings =
        parentWidget()->findChildren<TToolbarButton97*>(Qt::FindDirectChildrenOnly);
    for (TToolbarButton97* b : siblings) {
        if (b == this || b->groupIndex_ != groupIndex_) continue;
        b->allowAllUp_ = allowAllUp_;
        if (flags_.down && b->flags_.down) b->Step(ToolbarInput::Unlatch);
    }
}

void TToolbarButton97::Step(ToolbarInput input) {
    const ToolbarStep s = ToolbarNext(flags_, input);
    flags_ = s.flags;
    if (s.redraw) repaint();
    if (s.entered && OnMouseEnter) OnMouseEnter();
    if (s.left && OnMouseExit) OnMouseExit();
    if (s.click) Click();
}

void TToolbarButton97::EnterIfActive() {
    if (showBorderWhenInactive_ || QApplication::activeWindow()) Step(ToolbarInput::EnterHot);
}

// The press and its repeat end when another window takes the mouse or the button is disabled.
void TToolbarButton97::CancelMode() {
    repeatTimer_.reset();
    if (flags_.mouseDown) Step(ToolbarInput::CancelMode);
}

void TToolbarButton97::Click() {
    if (!Enabled()) return;
    if (repeating_ && !flags_.menuDown) {
        if (OnClick) OnClick();
        return;
    }
    const QPointer<TToolbarButton97> self(this);
    if (groupIndex_ != 0 && !flags_.menuDown) SetDown(!flags_.down);
    const bool showMenu = UsesDropdown() && (!dropdownCombo_ || flags_.menuDown);
    Step(ToolbarInput::ClickBegin);
    if (showMenu) {
        DropDown();
    } else {
        GiveModalResult();
        if (OnClick) OnClick();
    }
    if (self) Step(ToolbarInput::ClickEnd);
}

void TToolbarButton97::GiveModalResult() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* form = qobject_cast<platform::TForm*>(w)) {
            form->SetModalResult(modalResult_);
            return;
        }
    }
}

bool TToolbarButton97::PointInFace(QPoint p) const {
    const int arrow = dropdownCombo_ && UsesDropdown() ? dropdownArrowWidth_ + 2 : 0;
    return p.x() >= 0 && p.x() < width() - arrow && p.y() >= 0 && p.y() < height();
}

bool TToolbarButton97::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        const QWidget* parent = parentWidget();
        if (parent && parent->isEnabled() && Enabled() && isVisible() &&
            displayMode_ != dmGlyphOnly)
            Click();
        return true;
    }
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::Show) WatchWindowKeys();
    // The parent's font and colours reach its children as changes of their own.
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange ||
        e->type() == QEvent::ParentChange)
        update();
    return QAbstractButton::event(e);
}

// Enter and Esc that no control of the window used come up to the window, where the default
// and cancel buttons take them.
void TToolbarButton97::WatchWindowKeys() {
    QWidget* w = window();
    if (w == this) w = nullptr;
    if (w == keyWindow_) return;
    if (keyWindow_) keyWindow_->removeEventFilter(this);
    keyWindow_ = w;
    if (w) w->installEventFilter(this);
}

bool TToolbarButton97::IsDialogKey(const QKeyEvent& key) const {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!((enter && default_) || (key.key() == Qt::Key_Escape && cancel_))) return false;
    if (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
    const QWidget* parent = parentWidget();
    return parent && parent->isEnabled() && parent->isVisible() && Enabled() && isVisible();
}

bool TToolbarButton97::eventFilter(QObject* watched, QEvent* e) {
    if (watched != keyWindow_) return QAbstractButton::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (!IsDialogKey(*k)) break;
        // One key runs one command: the key is used up, and a held key clicks once.
        if (windowKeys_.Press(k->key(), k->isAutoRepeat(), k->timestamp())) Click();
        return true;
    }
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        windowKeys_.Forget();
        break;
    default:
        break;
    }
    return QAbstractButton::eventFilter(watched, e);
}

void TToolbarButton97::enterEvent(QEnterEvent*) {
    EnterIfActive();
}

void TToolbarButton97::leaveEvent(QEvent*) {
    Step(ToolbarInput::LeaveHot);
}

void TToolbarButton97::changeEvent(QEvent* e) {
    // The hot look goes with the program's activation.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) {
        CancelMode();
        if (!showBorderWhenInactive_) Step(ToolbarInput::LeaveHot);
    }
    QAbstractButton::changeEvent(e);
}

void TToolbarButton97::mousePressEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    const QPointer<TToolbarButton97> self(this);
    auto report = [&] {
        if (OnMouseDown) OnMouseDown(e->button(), e->modifiers(), lastMouse_.x(), lastMouse_.y());
        return self != nullptr;
    };
    if (!Enabled()) {
        report();
        return;
    }
    if (e->button() != Qt::LeftButton) {
        Step(ToolbarInput::EnterHot);
        report();
        return;
    }
    flags_.menuDown =
        UsesDropdown() && (!dropdownCombo_ || lastMouse_.x() >= width() - dropdownArrowWidth_ - 2);
    Step(ToolbarInput::LeftDown);
    if (!report()) return;
    if (flags_.menuDown) {
        Click();
    } else if (repeating_) {
        Click();
        if (!self) return;
        if (!repeatTimer_) {
            repeatTimer_ = timerFactory_();
            repeatTimer_->OnTimer = [this] { RepeatTick(); };
        }
        repeatTimer_->SetInterval(repeatDelay_);
        repeatTimer_->SetEnabled(true);
    }
    if (self && flags_.menuDown) {
        flags_.menuDown = false;
        update();
    }
}

void TToolbarButton97::RepeatTick() {
    repeatTimer_->SetInterval(repeatInterval_);
    if (repeating_ && flags_.mouseDown && PointInFace(lastMouse_))
        Click();
    else
        repeatTimer_->SetEnabled(false);
}

void TToolbarButton97::mouseMoveEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    if (OnMouseMove) {
        const QPointer<TToolbarButton97> self(this);
        OnMouseMove(e->buttons(), e->modifiers(), lastMouse_.x(), lastMouse_.y());
        if (!self) return;
    }
    const bool onFace = PointInFace(lastMouse_);
    // After a click the button is up under a still mouse; the next move makes it hot again.
    if (onFace && !flags_.mouseIn) EnterIfActive();
    if (!flags_.mouseDown) return;
    if (onFace && repeatTimer_) repeatTimer_->SetEnabled(true);
    Step(onFace ? ToolbarInput::MoveOnFace : ToolbarInput::MoveOffFace);
}

void TToolbarButton97::mouseReleaseEvent(QMouseEvent* e) {
    lastMouse_ = e->position().toPoint();
    repeatTimer_.reset();
    if (e->button() == Qt::RightButton && Enabled()) Step(ToolbarInput::CancelMode);
    if (OnMouseUp) {
        const QPointer<TToolbarButton97> self(this);
        OnMouseUp(e->button(), e->modifiers(), lastMouse_.x(), lastMouse_.y());
        if (!self) return;
    }
    if (e->button() != Qt::LeftButton || !flags_.mouseDown) return;
    const bool clicks = PointInFace(lastMouse_) && !repeating_;
    Step(clicks ? ToolbarInput::LeftUpOnFace : ToolbarInput::LeftUpOffFace);
}

void TToolbarButton97::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPointer<TToolbarButton97> self(this);
    mousePressEvent(e);
    if (self && e->button() == Qt::LeftButton && flags_.down && OnDblClick) OnDblClick();
}

// No focus, no keys: the button is reached by the mouse, its Alt letter and the window's
// Enter and Esc.
void TToolbarButton97::keyPressEvent(QKeyEvent* e) {
    e->ignore();
}

void TToolbarButton97::keyReleaseEvent(QKeyEvent* e) {
    e->ignore();
}
