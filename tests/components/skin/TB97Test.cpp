#include "components/skin/TB97Ctls.h"
#include "platform/Form.h"
#include "tests/components/skin/ManualClock.h"
#include "tests/support/SkinTestPixels.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace skin_test;

namespace {

TColor Sys(TColor c) {
    return platform::FromQColor(platform::ToQColor(c));
}

void Enter(QWidget& w) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&w, &e);
}

void Mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, at, w.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                  held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

const TColor bg = Rgb(10, 20, 30);

// A 41 x 17 button on a known background, hot whatever window is active.
void Prepare(TToolbarButton97& b) {
    b.resize(41, 17);
    b.SetColor(bg);
    b.SetShowBorderWhenInactive(true);
}

} // namespace

TEST(TToolbarButton97, LookOptions) {
    const TColor hi = Sys(core::clBtnHighlight), sh = Sys(core::clBtnShadow);
    const TColor light = Sys(core::cl3DLight), dark = Sys(core::cl3DDkShadow);
    const TColor face = Sys(core::clBtnFace), behind = Rgb(200, 0, 0);
    struct Case {
        const char* look;
        std::function<void(TToolbarButton97&)> set;
        std::vector<Pixel> pixels;
    };
    const std::vector<Case> cases = {
        {"flat cold", [](auto&) {}, {{0, 0, bg}, {40, 16, bg}, {20, 1, bg}}},
        {"flat hot", [](auto& b) { Enter(b); }, {{0, 0, hi}, {40, 16, sh}, {1, 1, bg}}},
        {"no border hot", [](auto& b) { b.SetNoBorder(true), Enter(b); }, {{0, 0, bg}}},
        {"raised",
         [](auto& b) { b.SetFlat(false); },
         {{0, 0, light}, {1, 1, hi}, {40, 16, dark}, {39, 15, sh}, {2, 2, face}}},
        {"see-through", [](auto& b) { b.SetOpaque(false); }, {{0, 0, behind}, {20, 1, behind}}},
        {"latched",
         [](auto& b) { b.SetGroupIndex(1), b.SetDown(true); },
         {{0, 0, sh}, {40, 16, hi}, {1, 1, hi}, {2, 1, face}, {38, 15, face}}},
        {"latched under the mouse",
         [](auto& b) { b.SetGroupIndex(1), b.SetDown(true), Enter(b); },
         {{0, 0, sh}, {1, 1, bg}, {2, 1, bg}}},
        {"latched plain",
         [](auto& b) { b.SetGroupIndex(1), b.SetDown(true), b.SetHighlightWhenDown(false); },
         {{0, 0, sh}, {1, 1, bg}, {2, 1, bg}}},
    };
    for (const Case& k : cases) {
        TToolbarButton97 b;
        Prepare(b);
        k.set(b);
        QImage image(b.size(), QImage::Format_RGB32);
        image.fill(platform::ToQColor(behind));
        platform::TCanvas canvas(&image);
        b.PaintTo(canvas);
        ExpectPixels(image, k.pixels, k.look);
    }
}

TEST(TToolbarButton97, WordWrapBreaksTheCaptionIntoLines) {
    TToolbarButton97 b;
    Prepare(b);
    b.resize(40, 60);
    b.SetCaption("one two three four");
    auto inkRows = [&] {
        const QImage image = Render(b);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(image, x, y) != bg) {
                    ++rows;
                    break;
                }
        return rows;
    };
    const int oneLine = inkRows();
    b.SetWordWrap(true);
    EXPECT_GT(inkRows(), 2 * oneLine);
}

TEST(TToolbarButton97, EnterExitAndDoubleClickEvents) {
    TToolbarButton97 b;
    Prepare(b);
    std::string seen;
    b.OnMouseEnter = [&] { seen += "E"; };
    b.OnMouseExit = [&] { seen += "X"; };
    b.OnDblClick = [&] { seen += "D"; };
    Enter(b);
    Enter(b);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    QApplication::sendEvent(&b, &leave);
    EXPECT_EQ(seen, "EX");
    seen.clear();
    Mouse(b, QEvent::MouseButtonDblClick, {5, 5});
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    b.SetGroupIndex(1);
    b.SetDown(true);
    Mouse(b, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(seen, "EXED") << "a double click reports only on a latched button";
}

TEST(TToolbarButton97, HotOnlyWhileTheProgramIsActiveUnlessAsked) {
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    TToolbarButton97 b;
    b.resize(41, 17);
    Enter(b);
    EXPECT_FALSE(b.Flags().mouseIn);
    b.SetShowBorderWhenInactive(true);
    Enter(b);
    EXPECT_TRUE(b.Flags().mouseIn);
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
        bool isDefault, isCancel;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool enabled;
        int clicks;
    };
    const Case cases[] = {
        {true, false, Qt::Key_Return, {}, true, 1},
        {true, false, Qt::Key_Enter, {}, true, 1},
        {false, true, Qt::Key_Escape, {}, true, 1},
        {false, false, Qt::Key_Return, {}, true, 0},
        {true, false, Qt::Key_Escape, {}, true, 0},
        {true, false, Qt::Key_Return, Qt::ShiftModifier, true, 0},
        {false, true, Qt::Key_Escape, {}, false, 0},
    };
    for (const Case& k : cases) {
        QWidget window;
        auto* b = new TToolbarButton97(&window);
        int clicks = 0;
        b->OnClick = [&] { ++clicks; };
        b->SetDefault(k.isDefault);
        b->SetCancel(k.isCancel);
        b->SetEnabled(k.enabled);
        window.show();
        QTest::keyClick(&window, k.key, k.mods);
        EXPECT_EQ(clicks, k.clicks) << k.key << " default " << k.isDefault;
    }
}

// Three buttons of one group on one parent; each step clicks one (or sets Down from code).
TEST(TToolbarButton97, GroupsKeepOneButtonDown) {
    struct Case {
        const char* name;
        bool allowAllUp;
        std::vector<int> clicks; // negative: Down := False on button -n-1 from code
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
        for (int i = 0; i < 3; ++i) {
            b.push_back(new TToolbarButton97(&parent));
            b.back()->SetGroupIndex(5);
        }
        b[0]->SetAllowAllUp(k.allowAllUp); // the group shares it
        for (int i : k.clicks) {
            if (i >= 0)
                b[i]->Click();
            else
                b[-i - 1]->SetDown(false);
        }
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
    Prepare(b);
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
    EXPECT_EQ(b.Flags().state, bsUp) << "a repeating release does not click but leaves";
}
