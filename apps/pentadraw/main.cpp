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
    // No hint until the first language switch; the grid has none.
    .findHint = {nullptr,
                 {"Искать номера в предыдущих розыгрышах", "Find numbers in previous draws"}},
    .gridTop = 520,
    .gridHint = {},
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

using F = TForm1;
using Command = MainCommand<F>;
// RND Test keeps its caption in both languages.
// clang-format off
const Command kCommands[] = {
    {shared_commands::Show, 360, 424, 57},
    {shared_commands::Stat, A, Row(0)},
    {shared_commands::StatDuples, A, Row(1)},
    {{&F::Button_Any, "Filter Any", {"Фильтр Any", "Filter Any"}, &F::Button_AnyClick}, A, Row(2)},
    {shared_commands::ColdNumbers, A, Row(3)},
    {shared_commands::Triples, A, Row(5)},
    {shared_commands::SkipStrategy, A, Row(6)},
    {shared_commands::Numbers, A, Row(7)},
    {shared_commands::FreqStrategy, A, Row(8)},
    {shared_commands::MatchInDraws, A, Row(9)},
    {{&F::Button_freq_A1_A5, "Freq A1...A5", {"Частота A1...A5", "Freq A1...A5"},
      &F::Button_freq_A1_A5Click}, A, Row(10)},
    {shared_commands::Separation, A, Row(11)},
    {{&F::Button_center, "Center", {"Центр", "Center"}, &F::Button_centerClick}, A, Row(12)},
    {{&F::Button_Groups, "Groups", {"Группы", "Groups"}, &F::Button_GroupsClick}, A, Row(13)},
    {{&F::xpButton_Map_2, "Map 2", {"Карта 2", "Map 2"}, &F::xpButton_Map_2Click}, A, Row(14)},
    {shared_commands::Average, B, Row(0)},
    {shared_commands::Character, B, Row(1)},
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
    {{&F::Button_Difference, "Difference", {"Разница", "Difference"},
      &F::Button_DifferenceClick}, B, Row(12)},
    {{&F::xpButton_Rnd_Test, "RND Test", {}, &F::xpButton_Rnd_TestClick}, B, Row(13)},
};
// clang-format on

// Both Rus/Eng items carry the language.
using Item = MenuRow<F>;
constexpr core::BiText kOpen{"Открыть (Ctrl+O)", "&Open (Ctrl+O)"};
constexpr core::BiText kUpdate{"Обновить данные через Интернет", "Update"};
constexpr core::BiText kRusEng{"Rus/Eng", "Rus/Eng"};
constexpr core::BiText kExit{"Выход (Alt+X)", "&Exit (Alt+X)"};
constexpr QKeyCombination kOpenKey = Qt::CTRL | Qt::Key_O;
constexpr QKeyCombination kExitKey = Qt::ALT | Qt::Key_X;
// clang-format off
const Item kMainFile[] = {
    {"&Open (Ctrl+O)", kOpen, &F::OpenCtrlO1Click, kOpenKey},
    {"&Update", kUpdate, &F::Button_updateClick},
    {"Rus/Eng", kRusEng, &F::ToggleLanguage, {}, true},
    MenuSeparator<F>,
    {"&Exit (Alt+X)", kExit, &F::ExitCtrlX1Click, kExitKey},
};
const Item kPopupFile[] = {
    {"&Open (Ctrl+O)", kOpen, &F::OpenCtrlO1Click, kOpenKey},
    {"&Update", kUpdate, &F::Button_updateClick},
    {"Rus/Eng", kRusEng, &F::ToggleLanguage, {}, true},
    MenuSeparator<F>,
    {"Exit (Alt+X)", kExit, &F::ExitCtrlX1Click, kExitKey},
};
const Item kHelp[] = {
    {"&Help", {"Помощь", "&Help"}, &F::Help1Click},
    {"&About", {"О программе", "&About"}, &F::About1Click},
};
// clang-format on

} // namespace

TForm1::TForm1(QWidget* parent) : TMainForm(Bundle5x36, kLook, parent) {
    RndTest = new TRndTestRun(this);
    CreateControls();
    CreateMenus();
    Transfer.items = ItemsRunning(&F::Button_updateClick);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    resize(691, 681);
    CreateCommonControls();
    AddCommands<TForm1>(*this, kCommands);
}

void TForm1::CreateMenus() {
    // The main menu exists but is never the window's menu: its items are never shown.
    MenuFile = new QMenu(this);
    MenuFile->setTitle("&File");
    FillMenu<TForm1>(*MenuFile, *this, kMainFile);
    MenuHelp = new QMenu(this);
    MenuHelp->setTitle("&Help");
    FillMenu<TForm1>(*MenuHelp, *this, kHelp);

    PopupMenu_File = new QMenu(this);
    FillMenu<TForm1>(*PopupMenu_File, *this, kPopupFile);
    PopupMenu_Help = new QMenu(this);
    FillMenu<TForm1>(*PopupMenu_Help, *this, kHelp);
}

void TForm1::FormCreate() {
    OpenStore();
    PlaceOnScreen();
    SetUpGrid();
    LoadStartFile();

    PlaceOnScreen();
    ReadSettings();
    // The language never changes the caption.
    SetCaption("Vovuv " + GameRules().tag() + " - " + kSiteRoot);
    platform::SetApplicationTitle(Caption());
    ShowStart();
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
