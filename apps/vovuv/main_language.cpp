#include "apps/vovuv/main.h"

#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"

#include <QAction>
#include <QMenu>

namespace {

// One text of the main window in both languages.
struct Text {
    const char* russian;
    const char* english;
};

void SetItem(QAction* item, const Text& t, bool ru) {
    if (item) item->setText(QString::fromUtf8(ru ? t.russian : t.english));
}

void SetButton(TxpButton* button, const Text& t, bool ru) {
    button->SetCaption(ru ? t.russian : t.english);
}

void SetHeader(platform::TStringGrid& grid, int col, const Text& t, bool ru, int widthRu,
               int widthEn) {
    grid.SetCells(col, 0, ru ? t.russian : t.english);
    if (widthRu > 0) grid.SetColWidths(col, ru ? widthRu : widthEn);
}

// The captions both routines rewrite. Left alone: the Rus/Eng items, the pop-up's Settings
// item, the three hidden buttons and the application's title.
void ApplyLanguage(TForm1& f, bool ru) {
    f.MenuFile->setTitle(QString::fromUtf8(ru ? "Файл" : "&File"));
    SetItem(f.MainFileItem(0), {"Открыть (Ctrl+O)", "&Open"}, ru);
    SetItem(f.MainFileItem(1), {"Обновить данные через Интернет", "Update"}, ru);
    SetItem(f.MainFileItem(3), {"Настройки", "Settings"}, ru);
    SetItem(f.MainFileItem(5), {"Выход", "&Exit"}, ru);
    f.MenuHelp->setTitle(QString::fromUtf8(ru ? "Помощь" : "&Help"));
    SetItem(f.MainHelpItem(0), {"Помощь", "&Help"}, ru);
    SetItem(f.MainHelpItem(1), {"О программе", "&About"}, ru);
    f.SetCaption((ru ? "Vintara " : "Vovuv ") + f.GameRules().tag());

    SetButton(f.Button_find_numbers, {"Поиск", "Find"}, ru);
    f.Button_find_numbers->SetHint(ru ? "Искать номера в предыдущих розыгрышах"
                                      : "Find numbers in previous draws");

    platform::TStringGrid& grid = *f.StringGrid1;
    SetHeader(grid, 9, {"Макс-Мин", "Max-Min"}, ru, 60, 50);
    SetHeader(grid, 10, {"Среднее", "Average"}, ru, 0, 0);
    SetHeader(grid, 18, {"Нечет", "Odd"}, ru, 40, 30);
    SetHeader(grid, 19, {"Чёт", "Even"}, ru, 30, 30);
    SetHeader(grid, 20, {"Сумма", "Sum"}, ru, 40, 30);
    SetHeader(grid, 21, {"Пред", "Prev"}, ru, 35, 30);
    grid.setToolTip(
        QString::fromUtf8(ru ? "Двойной клик по столбцу показывает соответствующий график"
                             : "Double click to see graph"));

    SetButton(f.Button_stat, {"Статистика", "Statistics"}, ru);
    SetButton(f.Button_stat_duples, {"Статистика дублей", "Stats duples"}, ru);
    f.Button_stat_duples->SetHint(ru ? "Дубли" : "Duples");
    SetButton(f.Button_Filter, {"Фильтр Any", "Filter Any"}, ru);
    SetButton(f.Button_probability, {"Среднее", "Average"}, ru);
    SetButton(f.Button_Combinations, {"Комбинации", "Combinations"}, ru);
    SetButton(f.Button_delta, {"Дельта", "Delta"}, ru);
    SetButton(f.Button_map, {"Карта", "Map"}, ru);
    SetButton(f.Button_Check_sum, {"Суммы", "Check Sum"}, ru);
    SetButton(f.Button_Cold_numbers, {"Холодные/Горячие", "Cold numbers"}, ru);
    SetButton(f.Button_Numbers_in_past_draws, {"Частота", "Frequency"}, ru);
    SetButton(f.Button_Utils, {"Утилиты", "Utils"}, ru);
    SetButton(f.Button_Zone, {"Зоны", "Zones"}, ru);
    SetButton(f.Button_final_sum_of_numbers, {"Конечные суммы", "Final sums"}, ru);
    SetButton(f.Button_Prognosis, {"Прогноз", "Prognosis"}, ru);
    SetButton(f.Button_triples, {"Тройки", "Triples"}, ru);
    SetButton(f.Button_Character, {"Характер. число", "Character"}, ru);
    f.Button_Character->SetHint(ru ? "Характеристическое число" : "Characteristic Number");
    SetButton(f.Button_Skip_strategy, {"Пропуски", "Skip strategy"}, ru);
    SetButton(f.Button_Numbers, {"Числа", "Numbers"}, ru);
    SetButton(f.Button_Freq_strategy, {"Статистика частоты", "Frequency strategy"}, ru);
    SetButton(f.Button_Match_in_draws, {"Совпадения", "Match in draws"}, ru);
    SetButton(f.Button_show, {"Таблица", "Show"}, ru);
    SetButton(f.Button_freq_A1_A6, {"Част. A1...A6", "Freq A1...A6"}, ru);
    SetButton(f.Button_Period, {"Период", "Period"}, ru);

    f.ToolbarButton97_file->SetCaption(ru ? "Файл" : "&File");
    SetItem(f.PopupFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, ru);
    SetItem(f.PopupFileItem(1), {"Обновить данные через Интернет", "Update"}, ru);
    SetItem(f.PopupFileItem(5), {"Выход (Alt+X)", "&Exit (Alt+X)"}, ru);
    f.ToolbarButton97_Help->SetCaption(ru ? "Помощь" : "&Help");
    SetItem(f.PopupHelpItem(0), {"Помощь", "&Help"}, ru);
    SetItem(f.PopupHelpItem(1), {"О программе", "&About"}, ru);
    SetButton(f.Button_Separation, {"Сепарация", "Separation"}, ru);
    SetButton(f.Button_Freq_Analyse, {"Частотный анализ", "Freq Analyse"}, ru);
}

} // namespace

void TForm1::SetRussian() {
    RussianUI = true;
    ApplyLanguage(*this, true);
}

void TForm1::SetEnglish() {
    RussianUI = false;
    ApplyLanguage(*this, false);
}

void TForm1::RusEng1Click() {
    // Only the main menu's item carries the language; the pop-up's never shows a check.
    QAction* item = MainFileItem(2);
    item->setChecked(!item->isChecked());
    if (item->isChecked())
        SetRussian();
    else
        SetEnglish();
}
