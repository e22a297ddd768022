#include "tests/apps/vovuv/VovuvTest.h"
#include "tests/support/MenuRows.h"

namespace {

using namespace testing_support;
using MenuRowsTest = VovuvTest;

// Only the menu bar's Rus/Eng shows the check; the pop-up keeps its keys in its English texts.
TEST_F(MenuRowsTest, EveryRowRunsAndEverySwitchRelabelsIt) {
    Start();
    // clang-format off
    ExpectMenuRows(*form, {
        {&TMainForm::MenuFile, {{"Открыть (Ctrl+O)", "&Open"}, kUpdateItem, kRusEngItem,
            {"Настройки", "Settings"}, kSeparatorItem, {"Выход", "&Exit"}}, 2},
        {&TMainForm::PopupMenu_File, {{"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, kUpdateItem,
            kRusEngItem, {"Settings", "Settings"}, kSeparatorItem, {"Выход (Alt+X)", "&Exit (Alt+X)"}}},
        {&TMainForm::MenuHelp, kHelpItems},
        {&TMainForm::PopupMenu_Help, kHelpItems}});
    // clang-format on
}

} // namespace
