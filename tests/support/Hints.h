#pragma once

#include "components/skin/xpButton.h"
#include "core/Lang.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A control of a main window and its hint at the start and after a switch to each language;
// "" for none.
template <class Form> struct HintRow {
    const char* control;
    std::function<QWidget*(Form&)> widget;
    const char* start;
    const char* russian;
    const char* english;
};

template <class Form> std::function<QWidget*(Form&)> ButtonOf(TxpButton* Form::*member) {
    return [member](Form& f) { return f.*member; };
}

// The rows' hints at the start and after each switch; every other command button of the
// window has none.
template <class Form> void CheckHints(Form& form, const std::vector<HintRow<Form>>& rows) {
    std::vector<QWidget*> listed;
    for (const HintRow<Form>& r : rows) listed.push_back(r.widget(form));
    auto check = [&](const char* state, auto want) {
        for (const HintRow<Form>& r : rows)
            EXPECT_EQ(r.widget(form)->toolTip().toStdString(), want(r))
                << r.control << ", " << state;
        for (TxpButton* b : form.clientArea()->template findChildren<TxpButton*>()) {
            if (std::find(listed.begin(), listed.end(), b) != listed.end()) continue;
            EXPECT_EQ(b->toolTip().toStdString(), "") << b->Caption() << ", " << state;
        }
    };
    check("start", [](const HintRow<Form>& r) { return r.start; });
    for (int round = 0; round < 2; ++round) {
        form.SetLanguage(core::Lang::Russian);
        check("Russian", [](const HintRow<Form>& r) { return r.russian; });
        form.SetLanguage(core::Lang::English);
        check("English", [](const HintRow<Form>& r) { return r.english; });
    }
}

} // namespace testing_support
