#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/MenuItems.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <functional>
#include <memory>

namespace {

class LanguageTest : public VovuvTest {
protected:
    void SetUp() override { Start(); }
};

std::string Text(QAction* a) {
    return a ? a->text().toStdString() : "<none>";
}

struct Row {
    const char* control;
    std::function<std::string(TForm1&)> read;
    const char* russian;
    const char* english;
};

std::function<std::string(TForm1&)> ButtonOf(TxpButton* TForm1::*member) {
    return [member](TForm1& f) { return (f.*member)->Caption(); };
}

std::function<std::string(TForm1&)> HintOf(TxpButton* TForm1::*member) {
    return [member](TForm1& f) { return (f.*member)->toolTip().toStdString(); };
}

std::function<std::string(TForm1&)> Header(int col) {
    return [col](TForm1& f) { return f.StringGrid1->Cells(col, 0); };
}

const std::vector<Row>& Table() {
    static const std::vector<Row> rows = {
        {"File menu", [](TForm1& f) { return f.MenuFile->title().toStdString(); }, "Файл", "&File"},
        {"File 0", [](TForm1& f) { return Text(ItemAt(f.MenuFile, 0)); }, "Открыть (Ctrl+O)",
         "&Open"},
        {"File 1", [](TForm1& f) { return Text(ItemAt(f.MenuFile, 1)); },
         "Обновить данные через Интернет", "Update"},
        {"File 3", [](TForm1& f) { return Text(ItemAt(f.MenuFile, 3)); }, "Настройки", "Settings"},
        {"File 5", [](TForm1& f) { return Text(ItemAt(f.MenuFile, 5)); }, "Выход", "&Exit"},
        {"Help menu", [](TForm1& f) { return f.MenuHelp->title().toStdString(); }, "Помощь",
         "&Help"},
        {"Help 0", [](TForm1& f) { return Text(ItemAt(f.MenuHelp, 0)); }, "Помощь", "&Help"},
        {"Help 1", [](TForm1& f) { return Text(ItemAt(f.MenuHelp, 1)); }, "О программе", "&About"},
        {"caption", [](TForm1& f) { return f.Caption(); }, "Vintara 6x45", "Vovuv 6x45"},
        {"Find", ButtonOf(&TForm1::Button_find_numbers), "Поиск", "Find"},
        {"Find hint", HintOf(&TForm1::Button_find_numbers), "Искать номера в предыдущих розыгрышах",
         "Find numbers in previous draws"},
        {"col 9", Header(9), "Макс-Мин", "Max-Min"},
        {"col 10", Header(10), "Среднее", "Average"},
        {"col 18", Header(18), "Нечет", "Odd"},
        {"col 19", Header(19), "Чёт", "Even"},
        {"col 20", Header(20), "Сумма", "Sum"},
        {"col 21", Header(21), "Пред", "Prev"},
        {"grid hint", [](TForm1& f) { return f.StringGrid1->toolTip().toStdString(); },
         "Двойной клик по столбцу показывает соответствующий график", "Double click to see graph"},
        {"stat", ButtonOf(&TForm1::Button_stat), "Статистика", "Statistics"},
        {"duples", ButtonOf(&TForm1::Button_stat_duples), "Статистика дублей", "Stats duples"},
        {"duples hint", HintOf(&TForm1::Button_stat_duples), "Дубли", "Duples"},
        {"filter", ButtonOf(&TForm1::Button_Filter), "Фильтр Any", "Filter Any"},
        {"average", ButtonOf(&TForm1::Button_probability), "Среднее", "Average"},
        {"combinations", ButtonOf(&TForm1::Button_Combinations), "Комбинации", "Combinations"},
        {"delta", ButtonOf(&TForm1::Button_delta), "Дельта", "Delta"},
        {"map", ButtonOf(&TForm1::Button_map), "Карта", "Map"},
        {"check sum", ButtonOf(&TForm1::Button_Check_sum), "Суммы", "Check Sum"},
        {"cold", ButtonOf(&TForm1::Button_Cold_numbers), "Холодные/Горячие", "Cold numbers"},
        {"frequency", ButtonOf(&TForm1::Button_Numbers_in_past_draws), "Частота", "Frequency"},
        {"utils", ButtonOf(&TForm1::Button_Utils), "Утилиты", "Utils"},
        {"zones", ButtonOf(&TForm1::Button_Zone), "Зоны", "Zones"},
        {"final sums", ButtonOf(&TForm1::Button_final_sum_of_numbers), "Конечные суммы",
         "Final sums"},
        {"prognosis", ButtonOf(&TForm1::Button_Prognosis), "Прогноз", "Prognosis"},
        {"triples", ButtonOf(&TForm1::Button_triples), "Тройки", "Triples"},
        {"character", ButtonOf(&TForm1::Button_Character), "Характер. число", "Character"},
        {"character hint", HintOf(&TForm1::Button_Character), "Характеристическое число",
         "Characteristic Number"},
        {"skip", ButtonOf(&TForm1::Button_Skip_strategy), "Пропуски", "Skip strategy"},
        {"numbers", ButtonOf(&TForm1::Button_Numbers), "Числа", "Numbers"},
        {"freq strategy", ButtonOf(&TForm1::Button_Freq_strategy), "Статистика частоты",
         "Frequency strategy"},
        {"match", ButtonOf(&TForm1::Button_Match_in_draws), "Совпадения", "Match in draws"},
        {"show", ButtonOf(&TForm1::Button_show), "Таблица", "Show"},
        {"A1..A6", ButtonOf(&TForm1::Button_freq_A1_A6), "Част. A1...A6", "Freq A1...A6"},
        {"period", ButtonOf(&TForm1::Button_Period), "Период", "Period"},
        {"toolbar file", [](TForm1& f) { return f.ToolbarButton97_file->Caption(); }, "Файл",
         "&File"},
        {"popup 0", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_File, 0)); }, "Открыть (Ctrl+O)",
         "&Open (Ctrl+O)"},
        {"popup 1", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_File, 1)); },
         "Обновить данные через Интернет", "Update"},
        {"popup 5", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_File, 5)); }, "Выход (Alt+X)",
         "&Exit (Alt+X)"},
        {"toolbar help", [](TForm1& f) { return f.ToolbarButton97_Help->Caption(); }, "Помощь",
         "&Help"},
        {"popup help 0", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_Help, 0)); }, "Помощь",
         "&Help"},
        {"popup help 1", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_Help, 1)); }, "О программе",
         "&About"},
        {"separation", ButtonOf(&TForm1::Button_Separation), "Сепарация", "Separation"},
        {"freq analyse", ButtonOf(&TForm1::Button_Freq_Analyse), "Частотный анализ",
         "Freq Analyse"},
        // Left alone by both.
        {"Rus/Eng", [](TForm1& f) { return Text(ItemAt(f.MenuFile, 2)); }, "Rus/Eng", "Rus/Eng"},
        {"popup Rus/Eng", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_File, 2)); }, "Rus/Eng",
         "Rus/Eng"},
        {"popup Settings", [](TForm1& f) { return Text(ItemAt(f.PopupMenu_File, 3)); }, "Settings",
         "Settings"},
        {"spans", ButtonOf(&TForm1::Button_Spans_graph), "Spans", "Spans"},
        {"band", ButtonOf(&TForm1::Button_band), "1..12  34..45", "1..12  34..45"},
        {"groups", ButtonOf(&TForm1::Button_Sort_by_groups), "Sort by groups", "Sort by groups"},
    };
    return rows;
}

TEST_F(LanguageTest, EachRoutineSetsItsColumnOfTexts) {
    form->SetRussian();
    EXPECT_EQ(form->Language(), core::Lang::Russian);
    for (const auto& row : Table()) EXPECT_EQ(row.read(*form), row.russian) << row.control;
    form->SetEnglish();
    EXPECT_EQ(form->Language(), core::Lang::English);
    for (const auto& row : Table()) EXPECT_EQ(row.read(*form), row.english) << row.control;
}

TEST_F(LanguageTest, GridWidthsFollowTheLanguage) {
    struct Width {
        int col, russian, english;
    };
    const Width widths[] = {{9, 60, 50},  {10, 50, 50}, {18, 40, 30},
                            {19, 30, 30}, {20, 40, 30}, {21, 35, 30}};
    form->SetRussian();
    for (const auto& w : widths) EXPECT_EQ(form->StringGrid1->ColWidths(w.col), w.russian) << w.col;
    form->SetEnglish();
    for (const auto& w : widths) EXPECT_EQ(form->StringGrid1->ColWidths(w.col), w.english) << w.col;
}

TEST_F(LanguageTest, ThePopUpItemTogglesAndNeverShowsACheck) {
    QAction* main = ItemAt(form->MenuFile, 2);
    QAction* popup = ItemAt(form->PopupMenu_File, 2);
    ASSERT_FALSE(main->isChecked());
    popup->trigger();
    EXPECT_EQ(form->Language(), core::Lang::Russian);
    EXPECT_TRUE(main->isChecked());
    EXPECT_FALSE(popup->isChecked());
    EXPECT_EQ(form->Button_stat->Caption(), "Статистика");
    EXPECT_EQ(form->StringGrid1->ColWidths(9), 60);
    EXPECT_EQ(form->StringGrid1->ColWidths(21), 35);
    popup->trigger();
    EXPECT_EQ(form->Language(), core::Lang::English);
    EXPECT_FALSE(main->isChecked());
    EXPECT_FALSE(popup->isChecked());
    EXPECT_EQ(form->Button_stat->Caption(), "Statistics");
    EXPECT_EQ(form->StringGrid1->ColWidths(9), 50);
    EXPECT_EQ(form->StringGrid1->ColWidths(21), 30);
}

TEST_F(LanguageTest, TheMainMenuItemTogglesOncePerClick) {
    QAction* main = ItemAt(form->MenuFile, 2);
    EXPECT_TRUE(main->isCheckable());
    main->trigger();
    EXPECT_TRUE(main->isChecked());
    EXPECT_EQ(form->Language(), core::Lang::Russian);
    EXPECT_EQ(form->Caption(), "Vintara 6x45");
    main->trigger();
    EXPECT_FALSE(main->isChecked());
    EXPECT_EQ(form->Language(), core::Lang::English);
    EXPECT_EQ(form->Caption(), "Vovuv 6x45");
}

TEST_F(LanguageTest, TheApplicationTitleStays) {
    const std::string title = platform::ApplicationTitle();
    form->ToggleLanguage();
    EXPECT_EQ(form->Caption(), "Vintara 6x45");
    EXPECT_EQ(platform::ApplicationTitle(), title);
    EXPECT_EQ(title, "Vovuv 6x45");
}

TEST_F(LanguageTest, WithoutASwitchTheStoredCaptionsStay) {
    EXPECT_EQ(form->Language(), core::Lang::English);
    EXPECT_EQ(form->Button_final_sum_of_numbers->Caption(), "Final sum");
    EXPECT_EQ(Text(ItemAt(form->MenuFile, 1)), "&Update");
    EXPECT_EQ(Text(ItemAt(form->MenuFile, 0)), "&Open (Ctrl+O)");
    EXPECT_EQ(Text(ItemAt(form->PopupMenu_File, 5)), "Exit (Alt+X)");
    form->SetEnglish();
    EXPECT_EQ(form->Button_final_sum_of_numbers->Caption(), "Final sums");
    EXPECT_EQ(Text(ItemAt(form->MenuFile, 1)), "Update");
    EXPECT_EQ(Text(ItemAt(form->PopupMenu_File, 5)), "&Exit (Alt+X)");
}

TEST_F(LanguageTest, OtherWindowsReadTheFlagWhenTheyShow) {
    form->ToggleLanguage();
    form->Button_UtilsClick();
    ASSERT_FALSE(dialogs->modals.empty());
    EXPECT_EQ(dialogs->modals.back().caption, "Утилиты");
}

} // namespace
