#include "components/skin/TB97Ctls.h"

#include <QMouseEvent>

void TToolbarButton97::SetDropdownMenu(QMenu* menu) {
    if (menu == dropdownMenu_) return;
    const bool used = UsesDropdown();
    disconnect(menuGone_);
    dropdownMenu_ = menu;
    // A menu that goes away leaves the button without it.
    if (menu)
        menuGone_ = connect(menu, &QObject::destroyed, this, [this] {
            dropdownMenu_ = nullptr;
            update();
        });
    if (used != UsesDropdown() && (dropdownArrow_ || dropdownCombo_)) update();
}

void TToolbarButton97::SetDropdownArrow(bool on) {
    if (on == dropdownArrow_) return;
    dropdownArrow_ = on;
    update();
}

void TToolbarButton97::SetDropdownAlways(bool on) {
    if (on == dropdownAlways_) return;
    const bool used = UsesDropdown();
    dropdownAlways_ = on;
    if (used != UsesDropdown() && (dropdownArrow_ || dropdownCombo_)) update();
}

void TToolbarButton97::SetDropdownArrowWidth(int width) {
    width = std::max(width, 7);
    if (width == dropdownArrowWidth_) return;
    // The arrow part takes its room beside the face, which keeps its width.
    if (dropdownCombo_) resize(this->width() + width - dropdownArrowWidth_, height());
    dropdownArrowWidth_ = width;
    update();
}

void TToolbarButton97::SetDropdownCombo(bool on) {
    if (on == dropdownCombo_) return;
    dropdownCombo_ = on;
    const int part = dropdownArrowWidth_ + 2;
    resize(on ? width() + part : std::max(width() - part, 1), height());
    update();
}

namespace {

// Keeps a press on the button that closes the menu from reaching the button, where it would
// drop the menu again; any other press goes on as usual.
class ClickEater : public QObject {
public:
    ClickEater(QMenu& menu, const QWidget& button)
        : menu_(&menu), button_(button), kept_(menu.testAttribute(Qt::WA_NoMouseReplay)) {
        menu.installEventFilter(this);
    }
    ~ClickEater() override {
        if (!menu_) return;
        menu_->removeEventFilter(this);
        menu_->setAttribute(Qt::WA_NoMouseReplay, kept_);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            const QPoint at = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
            if (QRect(button_.mapToGlobal(QPoint(0, 0)), button_.size()).contains(at))
                menu_->setAttribute(Qt::WA_NoMouseReplay, true);
        }
        return false;
    }

private:
    QPointer<QMenu> menu_;
    const QWidget& button_;
    bool kept_;
};

} // namespace

void TToolbarButton97::DropDown() {
    const QPointer<TToolbarButton97> self(this);
    if (!dropdownCombo_ && OnClick) OnClick();
    if (!self) return;
    bool showMenu = dropdownMenu_ != nullptr, removeClicks = true;
    if (OnDropdown) OnDropdown(showMenu, removeClicks);
    if (self && showMenu && dropdownMenu_) ShowDropdownMenu(removeClicks);
}

void TToolbarButton97::ShowDropdownMenu(bool removeClicks) {
    QMenu& menu = *dropdownMenu_;
    // Left-aligned under the button whatever the menu's own direction.
    const Qt::LayoutDirection direction = menu.layoutDirection();
    menu.setLayoutDirection(Qt::LeftToRight);
    std::unique_ptr<ClickEater> eater;
    if (removeClicks) eater = std::make_unique<ClickEater>(menu, *this);
    const QPointer<QMenu> alive(&menu);
    menu.exec(mapToGlobal(QPoint(0, height())));
    eater.reset();
    if (alive) menu.setLayoutDirection(direction);
}

// A small filled triangle centred in a box of the given width; the rows 5, 3 and 1 wide.
void TToolbarButton97::PaintArrow(platform::TCanvas& c, int x, int y, int width) const {
    const int cx = x + width / 2;
    auto triangle = [&](int dx, int dy, core::TColor color) {
        c.Brush = {color, platform::BrushStyle::Solid, {}};
        for (int row = 0; row < 3; ++row)
            c.FillRect(cx - 2 + row + dx, y + row + dy, cx + 3 - row + dx, y + row + 1 + dy);
    };
    if (!Enabled()) {
        triangle(1, 1, core::clBtnHighlight);
        triangle(0, 0, core::clBtnShadow);
    } else {
        triangle(0, 0, Font().Color);
    }
}
