#include "components/skin/TB97Ctls.h"
#include "tests/support/SkinTestPixels.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

using namespace skin_test;

namespace {

TColor Sys(TColor c) {
    return platform::FromQColor(platform::ToQColor(c));
}

const TColor bg = Rgb(10, 20, 30);

void Press(QWidget& w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// What the button looked like while its menu was open, and where the menu was.
struct Dropped {
    int shown = 0;
    QPoint at;
    ToolbarFlags flags;
};

// Closes the menu as soon as it is up, noting the button's look.
void CloseWhenUp(QMenu& menu, const TToolbarButton97& b, Dropped& d) {
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QTimer::singleShot(0, &menu, [&] {
            ++d.shown;
            d.at = menu.pos();
            d.flags = b.Flags();
            menu.close();
        });
    });
}

} // namespace

TEST(TToolbarButton97, DropdownArrowBesideTheCaption) {
    const TColor text = Sys(core::clWindowText);
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    TToolbarButton97 b;
    b.resize(41, 17);
    b.SetColor(bg);
    b.SetCaption("");
    EXPECT_EQ(At(Render(b), 20, 7), bg) << "no drop-down, no arrow";
    b.SetDropdownAlways(true);
    // Rows 5, 3 and 1 pixels wide, centred in the 9-pixel box at 16.
    ExpectPixels(Render(b),
                 {{18, 7, text},
                  {22, 7, text},
                  {17, 7, bg},
                  {23, 7, bg},
                  {19, 8, text},
                  {18, 8, bg},
                  {20, 9, text},
                  {19, 9, bg},
                  {20, 10, bg}},
                 "arrow");
    b.SetEnabled(false);
    ExpectPixels(Render(b), {{18, 7, sh}, {20, 9, sh}, {23, 8, hi}, {21, 9, hi}, {21, 10, hi}},
                 "disabled arrow");
    b.SetEnabled(true);
    b.SetDropdownArrow(false);
    EXPECT_EQ(At(Render(b), 20, 7), bg);
}

TEST(TToolbarButton97, ComboArrowPartAndItsWidth) {
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    const TColor text = Sys(core::clWindowText);
    TToolbarButton97 b;
    b.resize(41, 17);
    b.SetColor(bg);
    b.SetCaption("");
    b.SetDropdownAlways(true);
    b.SetDropdownCombo(true);
    EXPECT_EQ(b.width(), 52);
    ExpectPixels(Render(b), {{44, 7, text}, {48, 7, text}, {46, 9, text}, {20, 7, bg}, {41, 0, bg}},
                 "cold combo");
    b.SetShowBorderWhenInactive(true);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&b, &enter);
    ExpectPixels(Render(b), {{0, 0, hi}, {40, 16, sh}, {41, 0, hi}, {51, 16, sh}}, "hot combo");
    b.SetDropdownArrowWidth(3);
    EXPECT_EQ(b.DropdownArrowWidth(), 7);
    EXPECT_EQ(b.width(), 50);
    b.SetDropdownCombo(false);
    EXPECT_EQ(b.width(), 41);
}

TEST(TToolbarButton97, ClickDropsTheMenuUnderTheButton) {
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto* b = new TToolbarButton97(&window);
    b->setGeometry(10, 10, 41, 17);
    QMenu menu;
    menu.addAction("Item");
    Dropped d;
    CloseWhenUp(menu, *b, d);
    window.show();
    std::string seen;
    b->OnClick = [&] { seen += "C"; };
    b->SetDropdownMenu(&menu);
    Press(*b, {5, 5});
    EXPECT_EQ(d.shown, 1);
    EXPECT_EQ(d.at, b->mapToGlobal(QPoint(0, 17)));
    EXPECT_EQ(d.flags.state, bsDown) << "pressed while the menu runs";
    EXPECT_EQ(seen, "C");
    EXPECT_EQ(b->Flags().state, bsUp);
    EXPECT_FALSE(b->Flags().menuDown);

    // OnDropdown may keep the menu up.
    b->OnDropdown = [&](bool& show, bool&) {
        seen += "D";
        show = false;
    };
    b->Click();
    EXPECT_EQ(d.shown, 1);
    EXPECT_EQ(seen, "CCD");
    b->OnDropdown = nullptr;

    // A combo drops the menu only from its arrow part; the face clicks.
    seen.clear();
    b->SetDropdownCombo(true);
    Press(*b, {5, 5});
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b, &release);
    EXPECT_EQ(std::tuple(d.shown, seen), std::tuple(1, std::string("C")));
    Press(*b, {45, 5});
    EXPECT_EQ(std::tuple(d.shown, seen), std::tuple(2, std::string("C")));
    EXPECT_TRUE(d.flags.menuDown);
}

TEST(TToolbarButton97, MenuGoneLeavesTheButton) {
    TToolbarButton97 b;
    auto menu = std::make_unique<QMenu>();
    b.SetDropdownMenu(menu.get());
    EXPECT_EQ(b.DropdownMenu(), menu.get());
    menu.reset();
    EXPECT_EQ(b.DropdownMenu(), nullptr);
    b.Click(); // no menu: an ordinary click
}
