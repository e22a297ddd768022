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
    .findHint = {"Find numbers in previous draws",
                 {"Искать номера в предыдущих розыгрышах", "Find numbers in previous draws"}},
    .gridTop = 504,
    .gridHint = {"Double click to see graph",
                 {"Двойной клик по столбцу показывает соответствующий график",
                  "Double click to see graph"}},
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

using F = TForm1;
using Command = MainCommand<F>;
// clang-format off
const Command kCommands[] = {
    {shared_commands::Stat, A, Row(0)},
    {shared_commands::StatDuples, A, Row(1)},
    {{&F::Button_Filter, "Filter Any", {"Фильтр Any", "Filter Any"},
      &F::Button_FilterClick}, A, Row(2)},
    {shared_commands::ColdNumbers, A, Row(3)},
    {{&F::Button_Prognosis, "Prognosis", {"Прогноз", "Prognosis"},
      &F::Button_PrognosisClick}, A, Row(4)},
    {shared_commands::Triples, A, Row(5)},
    {shared_commands::SkipStrategy, A, Row(6)},
    {shared_commands::Numbers, A, Row(7)},
    {shared_commands::FreqStrategy, A, Row(8)},
    {shared_commands::MatchInDraws, A, Row(9)},
    {{&F::Button_freq_A1_A6, "Freq A1...A6", {"Част. A1...A6", "Freq A1...A6"},
      &F::Button_freq_A1_A6Click}, A, Row(10)},
    {shared_commands::Separation, A, Row(11)},
    {shared_commands::Average, B, Row(0)},
    {shared_commands::Character.WithHint(
         {nullptr, {"Характеристическое число", "Characteristic Number"}}), B, Row(1)},
    {shared_commands::Combinations, B, Row(2)},
    {shared_commands::Delta, B, Row(3)},
    {shared_commands::Map, B, Row(4)},
    {shared_commands::CheckSum, B, Row(5)},
    {shared_commands::Frequency, B, Row(6)},
    {shared_commands::Zones, B, Row(7)},
    {shared_commands::FinalSums, B, Row(8)},
    {shared_commands::Utils, B, Row(9)},
    {shared_commands::Period, B, Row(10)},
    {shared_commands::FreqAnalyse, B, Row(11)},
    {shared_commands::Show, 360, 376, 57},
    // Hidden; the language leaves them alone.
    {{&F::Button_Spans_graph, "Spans", {}, &F::Button_Spans_graphClick}, 392, 296, 105},
    {{&F::Button_band, "1..12  34..45", {}, &F::Button_bandClick}, 392, 320, 105},
    {{&F::Button_Sort_by_groups, "Sort by groups", {},
      &F::Button_Sort_by_groupsClick}, 392, 344, 105},
};
// clang-format on

// Only the main menu's Rus/Eng carries the language; the pop-up's never shows a check. The
// menu bar's texts change with the first switch, the pop-up's keep their keys.
using Item = MenuRow<F>;
constexpr core::BiText kUpdate{"Обновить данные через Интернет", "Update"};
constexpr core::BiText kRusEng{"Rus/Eng", "Rus/Eng"};
// clang-format off
const Item kMainFile[] = {
    {"&Open (Ctrl+O)", {"Открыть (Ctrl+O)", "&Open"}, &F::Open1Click, Qt::CTRL | Qt::Key_O},
    {"&Update", kUpdate, &F::Update1Click},
    {"Rus/Eng", kRusEng, &F::ToggleLanguage, {}, true},
    {"&Settings", {"Настройки", "Settings"}, &F::Settings1Click},
    MenuSeparator<F>,
    {"&Exit", {"Выход", "&Exit"}, &F::Exit1Click},
};
const Item kPopupFile[] = {
    {"&Open (Ctrl+O)", {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, &F::Open1Click,
     Qt::CTRL | Qt::Key_O},
    {"&Update", kUpdate, &F::Update1Click},
    {"Rus/Eng", kRusEng, &F::ToggleLanguage},
    {"Settings", {"Settings", "Settings"}, &F::Settings1Click},
    MenuSeparator<F>,
    {"Exit (Alt+X)", {"Выход (Alt+X)", "&Exit (Alt+X)"}, &F::Exit1Click},
};
const Item kHelp[] = {
    {"&Help", {"Помощь", "&Help"}, &F::Help2Click, Qt::Key_F1},
    {"&About", {"О программе", "&About"}, &F::About1Click},
};
// clang-format on

} // namespace

TForm1::TForm1(QWidget* parent) : TMainForm(Bundle6x45, kLook, parent) {
    CreateControls();
    CreateMenus();
    Transfer.items = ItemsRunning(&F::Update1Click);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    SetBounds(Left(), Top(), 662, 665);
    CreateCommonControls();
    AddCommands<TForm1>(*this, kCommands);
}

void TForm1::CreateMenus() {
    MainMenu1 = new QMenuBar(this);
    MenuFile = MainMenu1->addMenu("&File");
    FillMenu<TForm1>(*MenuFile, *this, kMainFile);
    MenuHelp = MainMenu1->addMenu("&Help");
    FillMenu<TForm1>(*MenuHelp, *this, kHelp);
    // The toolbar buttons under the skinned caption are the menu bar; this one only holds the
    // items' state (the Rus/Eng check, the Update item's availability).
    MainMenu1->hide();

    PopupMenu_File = new QMenu(this);
    FillMenu<TForm1>(*PopupMenu_File, *this, kPopupFile);
    PopupMenu_Help = new QMenu(this);
    FillMenu<TForm1>(*PopupMenu_Help, *this, kHelp);
}

void TForm1::FormCreate() {
    SetCaption("Vovuv " + GameRules().tag());
    OpenStore();
    SetUpGrid();
    LoadStartFile();

    PlaceOnScreen();
    platform::SetApplicationTitle(Caption());
    ReadSettings();
    Button_Spans_graph->hide();
    Button_band->hide();
    Button_Sort_by_groups->hide();
    ShowStart();
}

void TForm1::FormClose() {
    if (Form_graph) Form_graph->Histogram.reset();
    TMainForm::FormClose();
}

void TForm1::DropMenu(TToolbarButton97& button, QMenu& menu) {
    // Run from the button's click, so the button shows pressed while the menu runs.
    menu.exec(PopupPoint(button));
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
