#include "tests/apps/pentadraw/PentadrawTest.h"
#include "tests/support/MenuRows.h"

namespace {

using namespace testing_support;
using MenuRowsTest = PentadrawTest;

// Both file menus are alike and both show the check.
TEST_F(MenuRowsTest, EveryRowRunsAndEverySwitchRelabelsIt) {
    Start();
    // clang-format off
    const std::vector<core::BiText> file{{"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, kUpdateItem,
                                         kRusEngItem, kSeparatorItem, {"Выход (Alt+X)", "&Exit (Alt+X)"}};
    // clang-format on
    ExpectMenuRows(*form, {{&TMainForm::MenuFile, file, 2},
                           {&TMainForm::PopupMenu_File, file, 2},
                           {&TMainForm::MenuHelp, kHelpItems},
                           {&TMainForm::PopupMenu_Help, kHelpItems}});
}

} // namespace
