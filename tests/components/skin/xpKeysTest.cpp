#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpCombo.h"
#include "components/skin/xpEdit.h"
#include "platform/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

namespace {

// Keys as "E+100" (Enter pressed at 100), "X-*760" (Esc released, flagged as a repeat), "S+0"
// (Space), "F" (the window deactivated), "H" (the window hidden and shown again), "O" (the
// focus gone from the target), "I" (the focus back).
void Keys(QWidget& target, const std::string& keys) {
    std::istringstream in(keys);
    for (std::string k; in >> k;) {
        if (k.size() == 1) {
            QWidget* w = k == "O" || k == "I" ? &target : target.window();
            QFocusEvent e(k == "F"   ? QEvent::WindowDeactivate
                          : k == "O" ? QEvent::FocusOut
                                     : QEvent::FocusIn);
            if (k == "H")
                w->hide(), w->show();
            else
                QApplication::sendEvent(w, &e);
            continue;
        }
        const int key = k[0] == 'E' ? Qt::Key_Return : k[0] == 'X' ? Qt::Key_Escape : Qt::Key_Space;
        const bool flagged = k[2] == '*';
        QKeyEvent e(k[1] == '+' ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier,
                    QString(), flagged);
        e.setTimestamp(std::stoull(k.substr(flagged ? 3 : 2)));
        QApplication::sendEvent(&target, &e);
    }
}

// A key held down as an X server may send it: a press, pairs of a release and a press at one
// time (flagged as repeats or not), the release.
std::string Held(char key, bool flagged) {
    const std::string k(1, key), f = flagged ? "*" : "";
    std::string keys = k + "+1000";
    for (int t = 1660; t < 2500; t += 40)
        keys += " " + k + "-" + f + std::to_string(t) + " " + k + "+" + f + std::to_string(t);
    return keys + " " + k + "-2510";
}

// Two Default buttons, a Cancel toolbar button, another button, and controls that do not use
// Enter and Esc; Esc is left to the buttons.
struct Dialog : platform::TForm {
    TxpButton ok{clientArea()}, ok2{clientArea()}, other{clientArea()};
    TToolbarButton97 cancel{clientArea()};
    QLineEdit line{clientArea()};
    TxpEdit edit{clientArea()};
    TxpCheckBox check{clientArea()};
    TxpComboBox combo{clientArea()};
    std::string clicked;
    Dialog() {
        for (TxpButton* b : {&ok, &ok2})
            b->SetDefault(true), b->OnClick = [this] { clicked += "ok "; };
        other.OnClick = [this] { clicked += "other "; };
        cancel.SetCancel(true);
        cancel.OnClick = [this] { clicked += "cancel "; };
        combo.SetStyle(csDropDown);
    }
    bool FormKeyDown(int, Qt::KeyboardModifiers) override { return false; }
};

} // namespace

// One key runs one command, once however long it is held: Enter the first Default button's (not
// the second's), Esc the Cancel button's, Enter or Space a button pressed by it (not the Default
// button's too). A press is a repeat when flagged, when its key was not released, or when it
// comes at the time of its own key's release (a pair); time 0 pairs nothing. The focus gone
// mid-press ends the press, and a release that never came holds nothing once it is back.
TEST(KeyHold, OneKeyClicksOneButtonOnce) {
    const std::tuple<bool, std::string, const char*> cases[] = {
        {false, "E+100 E-150 E+300", "ok ok "},  {false, "E+100 E+760", "ok "},
        {false, "E-760 X+760", "cancel "},       {false, "E+0 E-0 E+0", "ok ok "},
        {false, "E+100 X+120", "ok cancel "},    {false, "E+100 F E+900", "ok ok "},
        {false, Held('E', true), "ok "},         {false, Held('E', false), "ok "},
        {false, Held('X', true), "cancel "},     {false, Held('X', false), "cancel "},
        {true, Held('E', true), "other "},       {true, Held('E', false), "other "},
        {true, Held('S', true), "other "},       {true, Held('S', false), "other "},
        {true, "S+1 O S-2 I S+3 S-4", "other "}, {true, "S+1 O I S+3 S-4", "other "},
    };
    for (const auto& [toOther, keys, clicked] : cases) {
        Dialog d;
        d.show();
        Keys(toOther ? static_cast<QWidget&>(d.other) : d, keys);
        EXPECT_EQ(d.clicked, clicked) << keys.substr(0, 30) << " to other " << toOther;
    }
}

// From a control that does not use them, every tap of Enter or Esc clicks once though the
// control takes the releases; a key held down clicks once; a key still held when the window
// hides or deactivates clicks again once it is back.
TEST(KeyHold, EveryTapFromAnEditClicksOnce) {
    const char* focus[] = {"line edit", "skinned edit", "check box", "combo edit"};
    const std::pair<std::string, const char*> cases[] = {
        {"E+100 E-150 E+300 E-350 E+500 E-550", "ok ok ok "},
        {Held('E', false) + " E+3000 E-3050", "ok ok "},
        {"E+100 E+*760 H E+800 E-850", "ok ok "},
        {"X+100 X+*760 H X+800 X-850", "cancel cancel "},
        {"X+100 F X+800 X-850", "cancel cancel "},
    };
    for (int f = 0; f < 4; ++f) {
        for (const auto& [keys, clicked] : cases) {
            Dialog d;
            d.show();
            QWidget* target[] = {&d.line, &d.edit, &d.check, d.combo.lineEdit()};
            Keys(*target[f], keys);
            EXPECT_EQ(d.clicked, clicked) << focus[f] << ": " << keys.substr(0, 40);
        }
    }
}
