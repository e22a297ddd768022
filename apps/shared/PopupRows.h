#pragma once

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <span>

// One item of a result window's pop-up menu: what it says, what it runs, where the window keeps
// it and whether it carries a check.
template <class Form> struct PopupRow {
    const char* text;
    void (Form::*handler)();
    QAction* Form::*action; // the window's pointer to the item
    bool checkable = false; // the item turns its check over before the handler runs
};

// The window's pop-up menu, its items from the rows in their order; a right-click anywhere on
// `area` opens it there.
template <class Form>
QMenu* MakePopupMenu(Form& form, QWidget& area, std::span<const PopupRow<Form>> rows) {
    auto* menu = new QMenu(&form);
    for (const PopupRow<Form>& row : rows) {
        QAction* item = menu->addAction(QString::fromUtf8(row.text));
        item->setCheckable(row.checkable);
        QObject::connect(item, &QAction::triggered, &form,
                         [&form, h = row.handler] { (form.*h)(); });
        form.*row.action = item;
    }
    area.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&area, &QWidget::customContextMenuRequested, menu,
                     [menu, &area](const QPoint& at) { menu->popup(area.mapToGlobal(at)); });
    return menu;
}
