#include "apps/pentadraw/main.h"

#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"

#include <QAction>
#include <QMenu>

namespace {

using core::BiText;

void SetItem(QAction* item, const BiText& t, core::Lang lang) {
    if (item) item->setText(QString::fromUtf8(t(lang)));
}

struct ButtonText {
    TxpButton* TForm1::*button;
    BiText text;
};

// The command buttons both routines rename; RND Test keeps its caption in both languages.
const ButtonText kButtons[] = {
    {&TForm1::Button_find_numbers, {"Найти", "Find"}},
    {&TForm1::Button_stat, {"Статистика", "Statistics"}},
    {&TForm1::Button_stat_duples, {"Статистика дублей", "Stats duples"}},
    {&TForm1::Button_Any, {"Фильтр Any", "Filter Any"}},
    {&TForm1::Button_probability, {"Среднее", "Average"}},
    {&TForm1::Button_Combinations, {"Комбинации", "Combinations"}},
    {&TForm1::Button_delta, {"Дельта", "Delta"}},
    {&TForm1::Button_map, {"Карта", "Map"}},
    {&TForm1::Button_Check_sum, {"Суммы", "Check Sum"}},
    {&TForm1::Button_Cold_numbers, {"Холодные/Горячие", "Cold numbers"}},
    {&TForm1::Button_Numbers_in_past_draws, {"Частота", "Frequency"}},
    {&TForm1::Button_Utils, {"Утилиты", "Utils"}},
    {&TForm1::Button_Zone, {"Зоны", "Zones"}},
    {&TForm1::Button_final_sum_of_numbers, {"Конечные суммы", "Final sums"}},
    {&TForm1::Button_triples, {"Тройки", "Triples"}},
    {&TForm1::Button_Character, {"Характер. число", "Character"}},
    {&TForm1::Button_Skip_strategy, {"Пропуски", "Skip strategy"}},
    {&TForm1::Button_Numbers, {"Числа", "Numbers"}},
    {&TForm1::Button_Freq_strategy, {"Статистика частоты", "Frequency strategy"}},
    {&TForm1::Button_Match_in_draws, {"Совпадения", "Match in draws"}},
    {&TForm1::Button_show, {"Таблица", "Show"}},
    {&TForm1::Button_freq_A1_A5, {"Частота A1...A5", "Freq A1...A5"}},
    {&TForm1::Button_Period, {"Период", "Period"}},
    {&TForm1::Button_Separation, {"Сепарация", "Separation"}},
    {&TForm1::Button_Freq_Analyse, {"Частотный анализ", "Freq Analyse"}},
    {&TForm1::Button_center, {"Центр", "Center"}},
    {&TForm1::Button_Difference, {"Разница", "Difference"}},
    {&TForm1::Button_Groups, {"Группы", "Groups"}},
    {&TForm1::xpButton_Map_2, {"Карта 2", "Map 2"}},
};

struct HeaderText {
    int col;
    BiText text;
    int widthRu, widthEn; // 0: the width stays
};

const HeaderText kHeaders[] = {
    {9, {"Макс-Мин", "Max-Min"}, 60, 50}, {10, {"Среднее", "Average"}, 0, 0},
    {18, {"Нечет", "Odd"}, 40, 30},       {19, {"Чёт", "Even"}, 30, 30},
    {20, {"Сумма", "Sum"}, 40, 30},       {21, {"Пред", "Prev"}, 35, 30},
};

// The captions both routines rewrite. The window's caption stays as FormCreate set it; the
// Rus/Eng items keep theirs.
void ApplyLanguage(TForm1& f, core::Lang lang) {
    const bool ru = lang == core::Lang::Russian;
    f.MenuFile->setTitle(QString::fromUtf8(ru ? "Файл" : "&File"));
    SetItem(f.MainFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, lang);
    SetItem(f.MainFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(f.MainFileItem(4), {"Выход (Alt+X)", "&Exit (Alt+X)"}, lang);
    f.MenuHelp->setTitle(QString::fromUtf8(ru ? "Помощь" : "&Help"));
    SetItem(f.MainHelpItem(0), {"Помощь", "&Help"}, lang);
    SetItem(f.MainHelpItem(1), {"О программе", "&About"}, lang);

    for (const ButtonText& b : kButtons) (f.*b.button)->SetCaption(b.text(lang));
    f.Button_find_numbers->SetHint(ru ? "Искать номера в предыдущих розыгрышах"
                                      : "Find numbers in previous draws");
    f.Button_stat_duples->SetHint(ru ? "Дубли" : "Duples");

    platform::TStringGrid& grid = *f.StringGrid1;
    for (const HeaderText& h : kHeaders) {
        grid.SetCells(h.col, 0, h.text(lang));
        if (h.widthRu > 0) grid.SetColWidths(h.col, ru ? h.widthRu : h.widthEn);
    }

    f.ToolbarButton97_file->SetCaption(ru ? "Файл" : "&File");
    SetItem(f.PopupFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, lang);
    SetItem(f.PopupFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(f.PopupFileItem(4), {"Выход (Alt+X)", "&Exit (Alt+X)"}, lang);
    f.ToolbarButton97_Help->SetCaption(ru ? "Помощь" : "&Help");
    SetItem(f.PopupHelpItem(0), {"Помощь", "&Help"}, lang);
    SetItem(f.PopupHelpItem(1), {"О программе", "&About"}, lang);
}

} // namespace

void TForm1::SetRussian() {
    RussianUI = true;
    ApplyLanguage(*this, core::Lang::Russian);
}

void TForm1::SetEnglish() {
    RussianUI = false;
    ApplyLanguage(*this, core::Lang::English);
}

void TForm1::RusEng2Click() {
    // The pop-up's item carries the language here, and the settings file stores it.
    ToggleLanguage(PopupFileItem(2));
}

void TForm1::RusEng1Click() {
    ToggleLanguage(MainFileItem(2));
}

void TForm1::ToggleLanguage(QAction* item) {
    item->setChecked(!item->isChecked());
    if (item->isChecked())
        SetRussian();
    else
        SetEnglish();
}
