#include "tests/apps/pentadraw/PentadrawTest.h"
#include "tests/support/MenuRows.h"

#include <QAction>

namespace {

using MenuRowsTest = PentadrawTest;
using testing_support::MenuTexts;

const core::BiText kUpdate{"Обновить данные через Интернет", "Update"};
const core::BiText kRusEng{"Rus/Eng", "Rus/Eng"};
const core::BiText kSeparator{nullptr, nullptr};
const std::vector<core::BiText> kHelp{{"Помощь", "&Help"}, {"О программе", "&About"}};

TEST_F(MenuRowsTest, EveryRowHasBothTextsAndAHandler) {
    Start();
    testing_support::ExpectEveryRowComplete(*form);
}

TEST_F(MenuRowsTest, EverySwitchRelabelsEveryMenuAndTheChecksFollowTheLanguage) {
    Start();
    const std::vector<core::BiText> file{{"Открыть (Ctrl+O)", "&Open (Ctrl+O)"},
                                         kUpdate,
                                         kRusEng,
                                         kSeparator,
                                         {"Выход (Alt+X)", "&Exit (Alt+X)"}};
    testing_support::ExpectMenusRelabel(*form, {{"main file", &TMainForm::MenuFile, file, 2},
                                                {"popup file", &TMainForm::PopupMenu_File, file, 2},
                                                {"main help", &TMainForm::MenuHelp, kHelp},
                                                {"popup help", &TMainForm::PopupMenu_Help, kHelp}});
}

TEST_F(MenuRowsTest, TheHiddenMainItemSwitchesTooAndBothChecksFollow) {
    Start();
    form->MenuFile->actions().value(2)->trigger();
    EXPECT_EQ(form->Language(), core::Lang::Russian);
    EXPECT_TRUE(form->PopupMenu_File->actions().value(2)->isChecked());
    EXPECT_TRUE(form->MenuFile->actions().value(2)->isChecked());
}

} // namespace
