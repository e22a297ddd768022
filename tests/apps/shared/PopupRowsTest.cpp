#include "apps/shared/PopupRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Window : public QWidget {
public:
    QAction* copy = nullptr;
    QAction* net = nullptr;
    std::vector<std::string> runs;
    bool netCheckedWhenRun = false;

    void Copy() { runs.push_back("copy"); }
    void Net() {
        runs.push_back("net");
        netCheckedWhenRun = net->isChecked();
    }
};

TEST(PopupRows, BuildTheItemsInOrderForTheWindowToKeepAndARightClickOpensThem) {
    Window window;
    QWidget area(&window);
    const PopupRow<Window> rows[] = {
        {"Copy to Clipboard", &Window::Copy, &Window::copy},
        {"Show Net", &Window::Net, &Window::net, true},
    };
    QMenu* menu = MakePopupMenu<Window>(window, area, rows);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->parent(), &window);
    EXPECT_EQ(menu->actions()[0], window.copy);
    EXPECT_EQ(menu->actions()[1], window.net);
    EXPECT_EQ(window.copy->text(), "Copy to Clipboard");
    EXPECT_EQ(window.net->text(), "Show Net");
    EXPECT_FALSE(window.copy->isCheckable());
    EXPECT_TRUE(window.net->isCheckable());
    EXPECT_FALSE(window.net->isChecked());

    window.net->trigger();
    window.copy->trigger();
    EXPECT_EQ(window.runs, (std::vector<std::string>{"net", "copy"}));
    EXPECT_TRUE(window.netCheckedWhenRun); // the check turned over first

    EXPECT_EQ(area.contextMenuPolicy(), Qt::CustomContextMenu);
    emit area.customContextMenuRequested(QPoint(3, 4));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

} // namespace
