#include "components/skin/TB97Ctls.h"
#include "platform/Form.h"
#include "tests/components/skin/ManualClock.h"
#include "tests/components/skin/SkinTestEvents.h"
#include "tests/support/SkinTestPixels.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace skin_test;

TEST(TToolbarButton97, EnterExitAndDoubleClickEvents) {
    TToolbarButton97 b;
    b.resize(41, 17);
    std::string seen;
    b.OnMouseEnter = [&] { seen += "E"; };
    b.OnMouseExit = [&] { seen += "X"; };
    b.OnDblClick = [&] { seen += "D"; };
    Enter(b);
    EXPECT_EQ(seen, "") << "no window of the program is active";
    b.SetShowBorderWhenInactive(true);
    Enter(b), Enter(b), Leave(b), Leave(b);
    Mouse(b, QEvent::MouseButtonDblClick, {5, 5});
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    b.SetGroupIndex(1);
    b.SetDown(true);
    Mouse(b, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(seen, "EXEXED") << "a double click reports only on a latched button";
    // The program losing the activation ends the hot look, unless asked to keep it.
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    Enter(b);
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&b, &activation);
    EXPECT_TRUE(b.Flags().mouseIn);
    b.SetShowBorderWhenInactive(false);
    QApplication::sendEvent(&b, &activation);
    EXPECT_FALSE(b.Flags().mouseIn);
}

TEST(TToolbarButton97, ClickGivesTheFormItsModalResult) {
    platform::TForm form;
    auto* b = new TToolbarButton97(form.clientArea());
    form.SetModalResult(7);
    b->Click();
    EXPECT_EQ(form.ModalResult(), 0);
    b->SetModalResult(2);
    b->Click();
    EXPECT_EQ(form.ModalResult(), 2);
}

TEST(TToolbarButton97, EnterAndEscClickTheDefaultAndCancelButtons) {
    struct Case {
        bool isDefault, isCancel, enabled;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int clicks;
    };
    const Case cases[] = {
        {true, false, true, Qt::Key_Return, {}, 1},
        {true, false, true, Qt::Key_Enter, {}, 1},
        {false, true, true, Qt::Key_Escape, {}, 1},
        {false, false, true, Qt::Key_Return, {}, 0},
        {true, false, true, Qt::Key_Escape, {}, 0},
        {true, false, true, Qt::Key_Return, Qt::ShiftModifier, 0},
        {false, true, false, Qt::Key_Escape, {}, 0},
    };
    for (const Case& k : cases) {
        QWidget window;
        auto* b = new TToolbarButton97(&window);
        int clicks = 0;
        b->OnClick = [&] { ++clicks; };
        b->SetDefault(k.isDefault), b->SetCancel(k.isCancel), b->SetEnabled(k.enabled);
        window.show();
        QTest::keyClick(&window, k.key, k.mods);
        EXPECT_EQ(clicks, k.clicks) << k.key << " default " << k.isDefault;
    }
}

// Three buttons of one group; each step clicks one, or (negative) sets Down False from code.
TEST(TToolbarButton97, GroupsKeepOneButtonDown) {
    struct Case {
        const char* name;
        bool allowAllUp;
        std::vector<int> steps;
        std::vector<bool> down;
    };
    const Case cases[] = {
        {"one down", false, {0}, {true, false, false}},
        {"the next takes over", false, {0, 2}, {false, false, true}},
        {"clicking the down one keeps it", false, {1, 1}, {false, true, false}},
        {"all up allowed", true, {1, 1}, {false, false, false}},
        {"raised from code", true, {1, -2}, {false, false, false}},
        {"not raised from code", false, {1, -2}, {false, true, false}},
    };
    for (const Case& k : cases) {
        QWidget parent;
        std::vector<TToolbarButton97*> b;
        for (int i = 0; i < 3; ++i) b.push_back(new TToolbarButton97(&parent));
        for (auto* x : b) x->SetGroupIndex(5);
        b[0]->SetAllowAllUp(k.allowAllUp); // the group shares it
        for (int i : k.steps) i >= 0 ? b[i]->Click() : b[-i - 1]->SetDown(false);
        std::vector<bool> down;
        for (auto* x : b) down.push_back(x->Down());
        EXPECT_EQ(down, k.down) << k.name;
        EXPECT_EQ(b[2]->AllowAllUp(), k.allowAllUp) << k.name;
    }
    TToolbarButton97 lone;
    lone.SetDown(true);
    EXPECT_FALSE(lone.Down()) << "outside a group a button is never down";
}

TEST(TToolbarButton97, RepeatClicksOnTheInjectedClock) {
    ManualClock clock;
    TToolbarButton97 b;
    b.resize(41, 17);
    b.SetTimerFactory(clock.Factory());
    b.SetRepeating(true);
    std::vector<long> at;
    b.OnClick = [&] { at.push_back(clock.Now()); };
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    clock.Advance(650);
    Mouse(b, QEvent::MouseMove, {60, 5}); // off the face: the next tick stops the timer
    clock.Advance(100);
    Mouse(b, QEvent::MouseMove, {5, 5}); // back on: a full interval later
    clock.Advance(150);
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    clock.Advance(500);
    EXPECT_EQ(at, (std::vector<long>{0, 400, 500, 600, 850}));
    EXPECT_EQ(b.Flags().state, bsUp) << "the release does not click again";
}

TEST(TToolbarButton97, ClickDropsTheMenuUnderTheButton) {
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto* b = new TToolbarButton97(&window);
    b->setGeometry(10, 10, 41, 17);
    QMenu menu;
    menu.addAction("Item");
    // Closes the menu as soon as it is up, noting where it was and how the button looked.
    int shown = 0;
    QPoint menuAt;
    ToolbarFlags look;
    QImage picture;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QTimer::singleShot(0, &menu, [&] {
            ++shown, menuAt = menu.pos(), look = b->Flags(), picture = Render(*b);
            menu.close();
        });
    });
    window.show();
    std::string seen;
    b->OnClick = [&] { seen += "C"; };
    b->SetDropdownMenu(&menu);
    Mouse(*b, QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(std::tuple(shown, seen, menuAt), std::tuple(1, "C", b->mapToGlobal(QPoint(0, 17))));
    EXPECT_EQ(look.state, bsDown) << "pressed while the menu runs";
    EXPECT_EQ(b->Flags().state, bsUp);
    b->OnDropdown = [&](bool& show, bool&) { seen += "D", show = false; };
    b->Click();
    EXPECT_EQ(std::tuple(shown, seen), std::tuple(1, "CCD")) << "OnDropdown keeps the menu up";
    b->OnDropdown = nullptr;

    // A combo drops the menu only from its arrow part; its face clicks.
    b->SetDropdownCombo(true);
    Mouse(*b, QEvent::MouseButtonPress, {5, 5});
    Mouse(*b, QEvent::MouseButtonRelease, {5, 5});
    Mouse(*b, QEvent::MouseButtonPress, {45, 5});
    EXPECT_EQ(std::tuple(shown, seen, look.menuDown), std::tuple(2, "CCDC", true));
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    ExpectPixels(picture, {{0, 0, hi}, {41, 0, sh}, {51, 16, hi}}, "raised face, sunken arrow");
    auto gone = std::make_unique<QMenu>();
    b->SetDropdownMenu(gone.get());
    gone.reset();
    EXPECT_EQ(b->DropdownMenu(), nullptr);
}

// The mouse events report the button, the keys and the point: a press after the button shows
// pressed and before its click, a release before its click; a disabled button reports too.
TEST(TToolbarButton97, MouseDownUpAndMoveEvents) {
    TToolbarButton97 b;
    b.resize(41, 17);
    std::string seen;
    auto report = [&](const char* what) {
        return [&, what](auto button, Qt::KeyboardModifiers keys, int x, int y) {
            seen += std::string(what) + (button & Qt::LeftButton ? " L" : " R") +
                    (keys & Qt::ShiftModifier ? " shift " : " ") + std::to_string(x) + "," +
                    std::to_string(y) + (b.Flags().state == bsDown ? " pressed; " : "; ");
        };
    };
    b.OnMouseDown = report("down"), b.OnMouseUp = report("up"), b.OnMouseMove = report("move");
    b.OnClick = [&] { seen += "click; "; };
    QTest::mousePress(&b, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), QPointF(7, 8), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(7, 8));
    // The right button on an enabled button reports with its keys, shows it hot while down and
    // clicks nothing.
    b.SetShowBorderWhenInactive(true);
    QTest::mousePress(&b, Qt::RightButton, Qt::ShiftModifier, QPoint(9, 10));
    EXPECT_TRUE(b.Flags().mouseIn);
    QTest::mouseRelease(&b, Qt::RightButton, Qt::ShiftModifier, QPoint(9, 10));
    EXPECT_FALSE(b.Flags().mouseIn);
    b.SetEnabled(false);
    QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(3, 4));
    EXPECT_EQ(seen, "down L shift 5,6 pressed; move L 7,8 pressed; up L 7,8 pressed; click; "
                    "down R shift 9,10; up R shift 9,10; down R 3,4; up R 3,4; ");
}

// A press ends when the program loses the activation: the release clicks nothing.
TEST(TToolbarButton97, DeactivationCancelsAPress) {
    TToolbarButton97 b;
    b.resize(41, 17);
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&b, &activation);
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks, 0);
}

// The click on the button that closes its open menu is not replayed to drop the menu again.
TEST(TToolbarButton97, TheClickThatClosesTheMenuDoesNotReopenIt) {
    TToolbarButton97 b;
    QMenu menu;
    menu.addAction("Item");
    b.SetDropdownMenu(&menu);
    bool replayed = true;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        QTimer::singleShot(0, &menu, [&] {
            const QPoint onButton = menu.mapFromGlobal(b.mapToGlobal(QPoint(5, 5)));
            QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, onButton);
            replayed = !menu.testAttribute(Qt::WA_NoMouseReplay);
            menu.close();
        });
    });
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    EXPECT_FALSE(replayed);
}
