#include "components/skin/KeyHold.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct Key {
    char what; // P press, R release, F the keyboard went elsewhere
    int key;
    bool repeat;
    std::uint64_t time;
};

void Send(QWidget& target, QEvent::Type type, int key, bool repeat, std::uint64_t time) {
    QKeyEvent e(type, key, Qt::NoModifier, QString(), repeat);
    e.setTimestamp(time);
    QApplication::sendEvent(&target, &e);
}

// A key held down for a while as an X server may send it: a press, then pairs of a release and
// a press at one time, flagged as repeats or not, then the release.
void Hold(QWidget& target, int key, bool flagged) {
    Send(target, QEvent::KeyPress, key, false, 1000);
    for (std::uint64_t t = 1660; t < 2500; t += 40) {
        Send(target, QEvent::KeyRelease, key, flagged, t);
        Send(target, QEvent::KeyPress, key, flagged, t);
    }
    Send(target, QEvent::KeyRelease, key, false, 2510);
}

// A dialog with OK (Default) and Cancel (Cancel) that leaves Esc to its buttons.
struct Dialog : platform::TForm {
    TxpButton ok{clientArea()}, other{clientArea()};
    TToolbarButton97 cancel{clientArea()};
    std::string clicked;
    Dialog() {
        ok.SetDefault(true);
        ok.OnClick = [this] { clicked += "ok "; };
        other.OnClick = [this] { clicked += "other "; };
        cancel.SetCancel(true);
        cancel.OnClick = [this] { clicked += "cancel "; };
    }
    bool FormKeyDown(int, Qt::KeyboardModifiers) override { return false; }
};

} // namespace

TEST(KeyHold, APressStartsAHoldOnlyWhenNoRepeatOfAHeldKey) {
    const int enter = Qt::Key_Return, esc = Qt::Key_Escape;
    struct Case {
        const char* name;
        std::vector<Key> keys;
        int starts;
    };
    const Case cases[] = {
        {"a click", {{'P', enter, false, 100}, {'R', enter, false, 150}}, 1},
        {"two clicks",
         {{'P', enter, false, 100}, {'R', enter, false, 150}, {'P', enter, false, 300}},
         2},
        {"flagged repeats",
         {{'P', enter, false, 100}, {'R', enter, true, 760}, {'P', enter, true, 760}},
         1},
        {"unflagged pairs",
         {{'P', enter, false, 100},
          {'R', enter, false, 760},
          {'P', enter, false, 760},
          {'R', enter, false, 800},
          {'P', enter, false, 800}},
         1},
        {"presses without releases", {{'P', enter, false, 100}, {'P', enter, false, 760}}, 1},
        {"a pair of another key", {{'R', esc, false, 760}, {'P', enter, false, 760}}, 1},
        {"no time pairs nothing",
         {{'P', enter, false, 0}, {'R', enter, false, 0}, {'P', enter, false, 0}},
         2},
        {"two keys", {{'P', enter, false, 100}, {'P', esc, false, 120}}, 2},
        {"release gone elsewhere",
         {{'P', enter, false, 100}, {'F', 0, false, 0}, {'P', enter, false, 900}},
         2},
    };
    for (const Case& k : cases) {
        TKeyHold hold;
        int starts = 0;
        for (const Key& key : k.keys) {
            if (key.what == 'P') starts += hold.Press(key.key, key.repeat, key.time);
            if (key.what == 'R') hold.Release(key.key, key.repeat, key.time);
            if (key.what == 'F') hold.Forget();
        }
        EXPECT_EQ(starts, k.starts) << k.name;
    }
}

// However an X server sends a held Enter or Esc, the Default or Cancel button clicks once, and
// a focused button pressed by a held key clicks once.
TEST(KeyHold, AHeldKeyClicksOnce) {
    for (const bool flagged : {true, false}) {
        Dialog d;
        d.show();
        Hold(d, Qt::Key_Return, flagged);
        Hold(d, Qt::Key_Escape, flagged);
        EXPECT_EQ(d.clicked, "ok cancel ") << "flagged " << flagged;
        d.clicked.clear();
        Hold(d.other, Qt::Key_Return, flagged);
        Hold(d.other, Qt::Key_Space, flagged);
        EXPECT_EQ(d.clicked, "other other ") << "flagged " << flagged;
    }
}

// The focused button takes Enter; the Default button does not click on it too.
TEST(KeyHold, OneEnterRunsOneCommand) {
    Dialog d;
    d.show();
    d.other.setFocus();
    QTest::keyClick(&d.other, Qt::Key_Return);
    EXPECT_EQ(d.clicked, "other ");
    // A second Default button sees no key the first one used.
    TxpButton second(d.clientArea());
    second.SetDefault(true);
    second.OnClick = [&] { d.clicked += "second "; };
    d.clicked.clear();
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_EQ(std::count(d.clicked.begin(), d.clicked.end(), ' '), 1) << d.clicked;
}
