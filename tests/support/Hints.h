#pragma once

#include "components/skin/xpButton.h"
#include "core/Lang.h"
#include "platform/StringGrid.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A control's hints at the start, in Russian and in English; "" for none.
using Hints = std::vector<std::string>;

// The grid's and the buttons' hints (buttons by their starting caption) at the start and after
// each switch, back and forth; every other command button of the window has none.
template <class Form>
void CheckHints(Form& form, const Hints& grid, const std::map<std::string, Hints>& buttons) {
    std::map<QWidget*, std::pair<std::string, Hints>> want{{form.StringGrid1, {"grid", grid}}};
    for (TxpButton* b : form.clientArea()->template findChildren<TxpButton*>()) {
        const auto row = buttons.find(b->Caption());
        want[b] = {b->Caption(), row == buttons.end() ? Hints{"", "", ""} : row->second};
    }
    for (int state : {0, 1, 2, 1, 2}) {
        if (state > 0) form.SetLanguage(state == 1 ? core::Lang::Russian : core::Lang::English);
        for (const auto& [control, row] : want)
            EXPECT_EQ(control->toolTip().toStdString(), row.second[state])
                << row.first << ", state " << state;
    }
}

} // namespace testing_support
