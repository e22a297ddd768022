#include "apps/vovuv/main.h"

#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/settings.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"

#include <QMenu>
#include <QMenuBar>

TForm1* Form1 = nullptr;

namespace {

constexpr MainWindowLook kLook{
    .findBoxX = 174,
    .findX = 104,
    .findY = 8,
    .findHeight = 17,
    .findCaption = {"Поиск", "Find"},
    .gridTop = 504,
    .labelWidth = 20,
    .skinFixedColor = false,
    .commandWidth = 125,
    .boardTop = 35,
    .tagInLime = true,
    .findFollowsNewDraw = true,
};

constexpr int A = 385, B = 520;
constexpr int Row(int k) {
    return 8 + 24 * k;
}

using Command = MainCommand<TForm1>;
const Command kCommands[] = {
    {&TForm1::Button_stat,
     A,
     Row(0),
     0,
     "Statistics",
     {"Статистика", "Statistics"},
     &TForm1::Button_statClick},
    {&TForm1::Button_stat_duples,
     A,
     Row(1),
     0,
     "Stats duples",
     {"Статистика дублей", "Stats duples"},
     &TForm1::Button_stat_duplesClick},
    {&TForm1::Button_Filter,
     A,
     Row(2),
     0,
     "Filter Any",
     {"Фильтр Any", "Filter Any"},
     &TForm1::Button_FilterClick},
    {&TForm1::Button_Cold_numbers,
     A,
     Row(3),
     0,
     "Cold numbers",
     {"Холодные/Горячие", "Cold numbers"},
     &TForm1::Button_Cold_numbersClick},
    {&TForm1::Button_Prognosis,
     A,
     Row(4),
     0,
     "Prognosis",
     {"Прогноз", "Prognosis"},
     &TForm1::Button_PrognosisClick},
    {&TForm1::Button_triples,
     A,
     Row(5),
     0,
     "Triples",
     {"Тройки", "Triples"},
     &TForm1::Button_triplesClick},
    {&TForm1::Button_Skip_strategy,
     A,
     Row(6),
     0,
     "Skip strategy",
     {"Пропуски", "Skip strategy"},
     &TForm1::Button_Skip_strategyClick},
    {&TForm1::Button_Numbers,
     A,
     Row(7),
     0,
     "Numbers",
     {"Числа", "Numbers"},
     &TForm1::Button_NumbersClick},
    {&TForm1::Button_Freq_strategy,
     A,
     Row(8),
     0,
     "Frequency strategy",
     {"Статистика частоты", "Frequency strategy"},
     &TForm1::Button_Freq_strategyClick},
    {&TForm1::Button_Match_in_draws,
     A,
     Row(9),
     0,
     "Match in draws",
     {"Совпадения", "Match in draws"},
     &TForm1::Button_Match_in_drawsClick},
    {&TForm1::Button_freq_A1_A6,
     A,
     Row(10),
     0,
     "Freq A1...A6",
     {"Част. A1...A6", "Freq A1...A6"},
     &TForm1::Button_freq_A1_A6Click},
    {&TForm1::Button_Separation,
     A,
     Row(11),
     0,
     "Separation",
     {"Сепарация", "Separation"},
     &TForm1::Button_SeparationClick},
    {&TForm1::Button_probability,
     B,
     Row(0),
     0,
     "Average",
     {"Среднее", "Average"},
     &TForm1::Button_Average_Click},
    {&TForm1::Button_Character,
     B,
     Row(1),
     0,
     "Character",
     {"Характер. число", "Character"},
     &TForm1::Button_CharacterClick},
    {&TForm1::Button_Combinations,
     B,
     Row(2),
     0,
     "Combinations",
     {"Комбинации", "Combinations"},
     &TForm1::Button_CombinationsClick},
    {&TForm1::Button_delta, B, Row(3), 0, "Delta", {"Дельта", "Delta"}, &TForm1::Button_deltaClick},
    {&TForm1::Button_map, B, Row(4), 0, "Map", {"Карта", "Map"}, &TForm1::Button_mapClick},
    {&TForm1::Button_Check_sum,
     B,
     Row(5),
     0,
     "Check Sum",
     {"Суммы", "Check Sum"},
     &TForm1::Button_Check_sumClick},
    {&TForm1::Button_Numbers_in_past_draws,
     B,
     Row(6),
     0,
     "Frequency",
     {"Частота", "Frequency"},
     &TForm1::Button_Numbers_in_past_drawsClick},
    {&TForm1::Button_Zone, B, Row(7), 0, "Zones", {"Зоны", "Zones"}, &TForm1::Button_ZoneClick},
    {&TForm1::Button_final_sum_of_numbers,
     B,
     Row(8),
     0,
     "Final sum",
     {"Конечные суммы", "Final sums"},
     &TForm1::Button_final_sum_of_numbersClick},
    {&TForm1::Button_Utils,
     B,
     Row(9),
     0,
     "Utils",
     {"Утилиты", "Utils"},
     &TForm1::Button_UtilsClick},
    {&TForm1::Button_Period,
     B,
     Row(10),
     0,
     "Period",
     {"Период", "Period"},
     &TForm1::Button_PeriodClick},
    {&TForm1::Button_Freq_Analyse,
     B,
     Row(11),
     0,
     "Freq Analyse",
     {"Частотный анализ", "Freq Analyse"},
     &TForm1::Button_Freq_AnalyseClick},
    {&TForm1::Button_show, 360, 376, 57, "Show", {"Таблица", "Show"}, &TForm1::Button_showClick},
    // Hidden; the language leaves them alone.
    {&TForm1::Button_Spans_graph, 392, 296, 105, "Spans", {}, &TForm1::Button_Spans_graphClick},
    {&TForm1::Button_band, 392, 320, 105, "1..12  34..45", {}, &TForm1::Button_bandClick},
    {&TForm1::Button_Sort_by_groups,
     392,
     344,
     105,
     "Sort by groups",
     {},
     &TForm1::Button_Sort_by_groupsClick},
};

} // namespace

TForm1::TForm1(QWidget* parent) : TMainForm(Bundle6x45, kLook, parent) {
    CreateControls();
    CreateMenus();
    Transfer.items = {MainFileItem(1), PopupFileItem(1)};
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    SetBounds(Left(), Top(), 662, 665);
    CreateCommonControls();
    Button_find_numbers->SetHint("Find numbers in previous draws");
    StringGrid1->setToolTip("Double click to see graph");
    AddCommands<TForm1>(*this, kCommands);
    Button_stat->SetHint("Statistics - Most Frequently Numbers for all games");
    Button_stat_duples->SetHint("Duples");
}

void TForm1::CreateMenus() {
    MainMenu1 = new QMenuBar(this);
    MenuFile = MainMenu1->addMenu("&File");
    MenuFile->addAction("&Open (Ctrl+O)", this, [this] { Open1Click(); });
    MenuFile->addAction("&Update", this, [this] { Update1Click(); });
    QAction* rusEng = MenuFile->addAction("Rus/Eng");
    rusEng->setCheckable(true);
    // Qt has toggled the check before triggered fires; RusEng1Click does the toggling itself.
    connect(rusEng, &QAction::triggered, this, [this, rusEng] {
        rusEng->setChecked(!rusEng->isChecked());
        RusEng1Click();
    });
    MenuFile->addAction("&Settings", this, [this] { Settings1Click(); });
    MenuFile->addSeparator();
    MenuFile->addAction("&Exit", this, [this] { Exit1Click(); });
    MenuHelp = MainMenu1->addMenu("&Help");
    MenuHelp->addAction("&Help", this, [this] { Help2Click(); });
    MenuHelp->addAction("&About", this, [this] { About1Click(); });
    // The toolbar buttons under the skinned caption are the menu bar; this one only holds the
    // items' state (the Rus/Eng check, the Update item's availability).
    MainMenu1->hide();

    PopupMenu_File = new QMenu(this);
    PopupMenu_File->addAction("&Open (Ctrl+O)", this, [this] { Open1Click(); });
    PopupMenu_File->addAction("&Update", this, [this] { Update1Click(); });
    PopupMenu_File->addAction("Rus/Eng", this, [this] { RusEng1Click(); });
    PopupMenu_File->addAction("Settings", this, [this] { Settings1Click(); });
    PopupMenu_File->addSeparator();
    PopupMenu_File->addAction("Exit (Alt+X)", this, [this] { Exit1Click(); });
    PopupMenu_Help = new QMenu(this);
    PopupMenu_Help->addAction("&Help", this, [this] { Help2Click(); });
    PopupMenu_Help->addAction("&About", this, [this] { About1Click(); });
}

void TForm1::FormCreate() {
    SetCaption("Vovuv " + GameRules().tag());
    DrawFileName = GameRules().drawFileName();
    Draws.Clear();
    BoardBitmap = std::make_unique<platform::TBitmap>(540, 640);
    BoardBitmap->Canvas().Pen.Color = core::clBlue;
    SetUpGrid();
    LoadStartFile();

    RussianUI = false;
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    // Setting the height resizes the window there and then, before it is shown.
    FormResize();
    UserLogin.clear();
    UserPassword.clear();
    platform::SetApplicationTitle(Caption());
    ReadSettings();
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    FirstPaint = true;
    Button_Spans_graph->hide();
    Button_band->hide();
    Button_Sort_by_groups->hide();
    ToolbarButton97_file->SetColor(xpWindow1->WinBackground.StartColor);
    ToolbarButton97_Help->SetColor(xpWindow1->WinBackground.StartColor);
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        Help2Click();
        return true;
    }
    return TMainForm::FormKeyDown(key, modifiers);
}

void TForm1::FormClose() {
    if (Form_graph) Form_graph->Histogram.reset();
    TMainForm::FormClose();
}

void TForm1::DropMenu(TToolbarButton97& button, QMenu& menu) {
    // The button stays pressed while the menu runs.
    button.setDown(true);
    menu.exec(PopupPoint(button));
    button.setDown(false);
}

void TForm1::ToolbarButton97_fileClick() {
    DropMenu(*ToolbarButton97_file, *PopupMenu_File);
}

void TForm1::ToolbarButton97_HelpClick() {
    DropMenu(*ToolbarButton97_Help, *PopupMenu_Help);
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Help2Click() {
    platform::Dialogs().ShellOpen("vovuv.chm");
}

void TForm1::Settings1Click() {
    Form_settings->ShowModal();
}

void TForm1::Open1Click() {
    Button_OpenClick();
}

void TForm1::Button_OpenClick() {
    OpenDrawFile();
}
