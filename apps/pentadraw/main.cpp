#include "apps/pentadraw/main.h"

#include "apps/pentadraw/RndTestRun.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"

#include <QMenu>

TForm1* Form1 = nullptr;

namespace {

constexpr MainWindowLook kLook{
    .findBoxX = 176,
    .findX = 112,
    .findY = 7,
    .findHeight = 20,
    .findCaption = {"Найти", "Find"},
    .gridTop = 520,
    .labelWidth = 70,
    .skinFixedColor = true,
    .commandWidth = 128,
    .boardTop = 45,
    .tagInLime = false,
    .findFollowsNewDraw = false,
};

constexpr int A = 405, B = 545;
constexpr int Row(int k) {
    return 8 + 24 * k;
}

using Command = MainCommand<TForm1>;
// RND Test keeps its caption in both languages.
const Command kCommands[] = {
    {&TForm1::Button_show, 360, 424, 57, "Show", {"Таблица", "Show"}, &TForm1::Button_showClick},
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
    {&TForm1::Button_Any,
     A,
     Row(2),
     0,
     "Filter Any",
     {"Фильтр Any", "Filter Any"},
     &TForm1::Button_AnyClick},
    {&TForm1::Button_Cold_numbers,
     A,
     Row(3),
     0,
     "Cold numbers",
     {"Холодные/Горячие", "Cold numbers"},
     &TForm1::Button_Cold_numbersClick},
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
    {&TForm1::Button_freq_A1_A5,
     A,
     Row(10),
     0,
     "Freq A1...A5",
     {"Частота A1...A5", "Freq A1...A5"},
     &TForm1::Button_freq_A1_A5Click},
    {&TForm1::Button_Separation,
     A,
     Row(11),
     0,
     "Separation",
     {"Сепарация", "Separation"},
     &TForm1::Button_SeparationClick},
    {&TForm1::Button_center,
     A,
     Row(12),
     0,
     "Center",
     {"Центр", "Center"},
     &TForm1::Button_centerClick},
    {&TForm1::Button_Groups,
     A,
     Row(13),
     0,
     "Groups",
     {"Группы", "Groups"},
     &TForm1::Button_GroupsClick},
    {&TForm1::xpButton_Map_2,
     A,
     Row(14),
     0,
     "Map 2",
     {"Карта 2", "Map 2"},
     &TForm1::xpButton_Map_2Click},
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
    {&TForm1::Button_Difference,
     B,
     Row(12),
     0,
     "Difference",
     {"Разница", "Difference"},
     &TForm1::Button_DifferenceClick},
    {&TForm1::xpButton_Rnd_Test, B, Row(13), 0, "RND Test", {}, &TForm1::xpButton_Rnd_TestClick},
};

} // namespace

TForm1::TForm1(QWidget* parent) : TMainForm(Bundle5x36, kLook, parent) {
    RndTest = new TRndTestRun(this);
    CreateControls();
    CreateMenus();
    Transfer.items = {MainFileItem(1), PopupFileItem(1)};
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    resize(691, 681);
    CreateCommonControls();
    AddCommands<TForm1>(*this, kCommands);
    Button_stat->SetHint("Statistics - Most Frequently Numbers for all games");
    Button_stat_duples->SetHint("Duples");
}

void TForm1::CreateMenus() {
    MenuFile = new QMenu(this);
    MenuFile->setTitle("&File");
    MenuFile->addAction("&Open (Ctrl+O)", this, [this] { OpenCtrlO1Click(); });
    MenuFile->addAction("&Update", this, [this] { Button_updateClick(); });
    QAction* rusEng = MenuFile->addAction("Rus/Eng");
    rusEng->setCheckable(true);
    connect(rusEng, &QAction::triggered, this, [this, rusEng] {
        rusEng->setChecked(!rusEng->isChecked());
        RusEng1Click();
    });
    MenuFile->addSeparator();
    MenuFile->addAction("&Exit (Alt+X)", this, [this] { ExitCtrlX1Click(); });
    MenuHelp = new QMenu(this);
    MenuHelp->setTitle("&Help");
    MenuHelp->addAction("&Help");
    MenuHelp->addAction("&About", this, [this] { About1Click(); });

    PopupMenu_File = new QMenu(this);
    PopupMenu_File->addAction("&Open (Ctrl+O)", this, [this] { OpenCtrlO1Click(); });
    PopupMenu_File->addAction("&Update", this, [this] { Button_updateClick(); });
    // The checked state carries the language; Qt toggles it before triggered fires and
    // RusEng2Click does the toggling itself.
    QAction* popupRusEng = PopupMenu_File->addAction("Rus/Eng");
    popupRusEng->setCheckable(true);
    connect(popupRusEng, &QAction::triggered, this, [this, popupRusEng] {
        popupRusEng->setChecked(!popupRusEng->isChecked());
        RusEng2Click();
    });
    PopupMenu_File->addSeparator();
    PopupMenu_File->addAction("Exit (Alt+X)", this, [this] { ExitCtrlX1Click(); });
    PopupMenu_Help = new QMenu(this);
    PopupMenu_Help->addAction("&Help");
    PopupMenu_Help->addAction("&About", this, [this] { About1Click(); });
}

void TForm1::FormCreate() {
    DrawFileName = GameRules().drawFileName();
    Draws.Clear();
    Labels.clear();
    BoardBitmap = std::make_unique<platform::TBitmap>(540, 640);
    BoardBitmap->Canvas().Pen.Color = core::clBlue;
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    FormResize();
    SetUpGrid();
    LoadStartFile();

    RussianUI = false;
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    FormResize();
    ReadSettings();
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    FirstPaint = true;
    // The language never changes the caption.
    SetCaption("Vovuv " + GameRules().tag() + " - " + kSiteRoot);
    platform::SetApplicationTitle(Caption());
    ToolbarButton97_file->SetColor(xpWindow1->WinBackground.StartColor);
    ToolbarButton97_Help->SetColor(xpWindow1->WinBackground.StartColor);
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_X && modifiers == Qt::AltModifier) {
        ExitCtrlX1Click();
        return true;
    }
    return TMainForm::FormKeyDown(key, modifiers);
}

void TForm1::ToolbarButton97_fileClick() {
    PopupMenu_File->popup(PopupPoint(*ToolbarButton97_file));
}

void TForm1::ToolbarButton97_HelpClick() {
    PopupMenu_Help->popup(PopupPoint(*ToolbarButton97_Help));
}

void TForm1::ExitCtrlX1Click() {
    close();
}

void TForm1::Button_updateClick() {
    // Nothing on the screen says a transfer runs, so a second click must be refused here.
    if (Transfer.Busy()) return;
    RunUpdate();
}
