#include "tests/apps/vovuv/VovuvTest.h"
#include "tests/support/MenuRows.h"

namespace {

class MenuRowsTest : public VovuvTest {
protected:
    void SetUp() override { Start(); }
};

using testing_support::MenuTexts;

const core::BiText kUpdate{"Обновить данные через Интернет", "Update"};
const core::BiText kRusEng{"Rus/Eng", "Rus/Eng"};
const core::BiText kSeparator{nullptr, nullptr};
const std::vector<core::BiText> kHelp{{"Помощь", "&Help"}, {"О программе", "&About"}};

TEST_F(MenuRowsTest, EveryRowHasBothTextsAndAHandler) {
    testing_support::ExpectEveryRowComplete(*form);
}

// The pop-up keeps its keys in its English texts and never shows a check.
TEST_F(MenuRowsTest, EverySwitchRelabelsEveryMenuAndOnlyTheMenuBarShowsTheCheck) {
    const std::vector<core::BiText> file{
        {"Открыть (Ctrl+O)", "&Open"}, kUpdate,    kRusEng,
        {"Настройки", "Settings"},     kSeparator, {"Выход", "&Exit"}};
    const std::vector<core::BiText> popup{{"Открыть (Ctrl+O)", "&Open (Ctrl+O)"},
                                          kUpdate,
                                          kRusEng,
                                          {"Settings", "Settings"},
                                          kSeparator,
                                          {"Выход (Alt+X)", "&Exit (Alt+X)"}};
    testing_support::ExpectMenusRelabel(*form, {{"main file", &TMainForm::MenuFile, file, 2},
                                                {"popup file", &TMainForm::PopupMenu_File, popup},
                                                {"main help", &TMainForm::MenuHelp, kHelp},
                                                {"popup help", &TMainForm::PopupMenu_Help, kHelp}});
}

TEST_F(MenuRowsTest, BothUpdateItemsAreTheTransfersItems) {
    ASSERT_EQ(form->Transfer.items.size(), 2u);
    EXPECT_EQ(form->Transfer.items[0], form->MenuFile->actions().value(1));
    EXPECT_EQ(form->Transfer.items[1], form->PopupMenu_File->actions().value(1));
}

} // namespace
