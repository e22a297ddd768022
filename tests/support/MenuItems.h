#pragma once

#include <QAction>
#include <QMenu>

// The item at a place in a menu, for tests that check the menus' order.
inline QAction* ItemAt(const QMenu* menu, int index) {
    return menu->actions().value(index);
}
