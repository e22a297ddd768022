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
