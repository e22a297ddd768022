#include "apps/vovuv/main.h"

#include "apps/shared/DrawFileRead.h"
#include "apps/shared/Handover.h"
#include "apps/shared/PopupPlace.h"
#include "apps/shared/Prompts.h"
#include "apps/shared/Unit_graph2.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_utils.h"
#include "apps/shared/Site.h"
#include "apps/vovuv/Unit_graph.h"
#include "apps/vovuv/settings.h"
#include "components/net/HttpProt.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "core/GridColumns.h"
#include "core/DrawFile.h"
#include "core/Find.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "platform/UpDown.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : TForm(parent) {
    CreateControls();
    CreateMenus();
    Transfer.items = {MainFileItem(1), PopupFileItem(1)};
    FormCreate();
}

TForm1::~TForm1() = default;

TxpButton* TForm1::CommandButton(const char* caption, int x, int y, void (TForm1::*handler)(),
                                 int width) {
    auto* b = new TxpButton(clientArea());
    b->setGeometry(x, y, width, 20);
    b->SetCaption(caption);
    b->OnClick = [this, handler] { (this->*handler)(); };
    return b;
}

void TForm1::CreateControls() {
    SetBounds(Left(), Top(), 662, 665);
    xpWindow1 = new TxpWindow(this);
    QWidget* c = clientArea();

    ToolbarButton97_file = new TToolbarButton97(c);
    ToolbarButton97_file->setGeometry(0, 0, 41, 17);
    ToolbarButton97_file->SetCaption("File");
    ToolbarButton97_file->OnClick = [this] { ToolbarButton97_fileClick(); };
    ToolbarButton97_Help = new TToolbarButton97(c);
    ToolbarButton97_Help->setGeometry(40, 0, 57, 17);
    ToolbarButton97_Help->SetCaption("Help");
    ToolbarButton97_Help->OnClick = [this] { ToolbarButton97_HelpClick(); };

    Edit_find = new TFindEdit(c);
    Edit_find->setGeometry(174, 6, 177, 21);
    Edit_find->OnEnter = [this] { Button_find_numbersClick(); };
    Button_find_numbers = CommandButton("Find", 104, 8, &TForm1::Button_find_numbersClick, 57);
    Button_find_numbers->resize(57, 17);
    Button_find_numbers->SetHint("Find numbers in previous draws");

    UpDown1 = new TUpDown(c);
    UpDown1->setGeometry(360, 208, 17, 57);
    UpDown1->Min = 2;
    UpDown1->Max = 23;
    UpDown1->SetPosition(6);
    UpDown1->OnClick = [this] { UpDown1Click(); };

    StringGrid1 = new platform::TStringGrid(c);
    StringGrid1->setGeometry(2, 504, 647, 113);
    StringGrid1->setToolTip("Double click to see graph");
    StringGrid1->OnClick = [this] { StringGrid1Click(); };
    StringGrid1->OnDblClick = [this] { StringGrid1DblClick(); };

    const int a = 385, b = 520;
    auto row = [](int k) { return 8 + 24 * k; };
    Button_stat = CommandButton("Statistics", a, row(0), &TForm1::Button_statClick);
    Button_stat->SetHint("Statistics - Most Frequently Numbers for all games");
    Button_stat_duples = CommandButton("Stats duples", a, row(1), &TForm1::Button_stat_duplesClick);
    Button_stat_duples->SetHint("Duples");
    Button_Filter = CommandButton("Filter Any", a, row(2), &TForm1::Button_FilterClick);
    Button_Cold_numbers =
        CommandButton("Cold numbers", a, row(3), &TForm1::Button_Cold_numbersClick);
    Button_Prognosis = CommandButton("Prognosis", a, row(4), &TForm1::Button_PrognosisClick);
    Button_triples = CommandButton("Triples", a, row(5), &TForm1::Button_triplesClick);
    Button_Skip_strategy =
        CommandButton("Skip strategy", a, row(6), &TForm1::Button_Skip_strategyClick);
    Button_Numbers = CommandButton("Numbers", a, row(7), &TForm1::Button_NumbersClick);
    Button_Freq_strategy =
        CommandButton("Frequency strategy", a, row(8), &TForm1::Button_Freq_strategyClick);
    Button_Match_in_draws =
        CommandButton("Match in draws", a, row(9), &TForm1::Button_Match_in_drawsClick);
    Button_freq_A1_A6 = CommandButton("Freq A1...A6", a, row(10), &TForm1::Button_freq_A1_A6Click);
    Button_Separation = CommandButton("Separation", a, row(11), &TForm1::Button_SeparationClick);
    Button_probability = CommandButton("Average", b, row(0), &TForm1::Button_Average_Click);
    Button_Character = CommandButton("Character", b, row(1), &TForm1::Button_CharacterClick);
    Button_Combinations =
        CommandButton("Combinations", b, row(2), &TForm1::Button_CombinationsClick);
    Button_delta = CommandButton("Delta", b, row(3), &TForm1::Button_deltaClick);
    Button_map = CommandButton("Map", b, row(4), &TForm1::Button_mapClick);
    Button_Check_sum = CommandButton("Check Sum", b, row(5), &TForm1::Button_Check_sumClick);
    Button_Numbers_in_past_draws =
        CommandButton("Frequency", b, row(6), &TForm1::Button_Numbers_in_past_drawsClick);
    Button_Zone = CommandButton("Zones", b, row(7), &TForm1::Button_ZoneClick);
    Button_final_sum_of_numbers =
        CommandButton("Final sum", b, row(8), &TForm1::Button_final_sum_of_numbersClick);
    Button_Utils = CommandButton("Utils", b, row(9), &TForm1::Button_UtilsClick);
    Button_Period = CommandButton("Period", b, row(10), &TForm1::Button_PeriodClick);
    Button_Freq_Analyse =
        CommandButton("Freq Analyse", b, row(11), &TForm1::Button_Freq_AnalyseClick);
    Button_show = CommandButton("Show", 360, 376, &TForm1::Button_showClick, 57);
    Button_Spans_graph = CommandButton("Spans", 392, 296, &TForm1::Button_Spans_graphClick, 105);
    Button_band = CommandButton("1..12  34..45", 392, 320, &TForm1::Button_bandClick, 105);
    Button_Sort_by_groups =
        CommandButton("Sort by groups", 392, 344, &TForm1::Button_Sort_by_groupsClick, 105);
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

QAction* TForm1::MainFileItem(int index) const {
    return MenuFile->actions().value(index);
}
QAction* TForm1::MainHelpItem(int index) const {
    return MenuHelp->actions().value(index);
}
QAction* TForm1::PopupFileItem(int index) const {
    return PopupMenu_File->actions().value(index);
}
QAction* TForm1::PopupHelpItem(int index) const {
    return PopupMenu_Help->actions().value(index);
}

void TForm1::FormCreate() {
    SetCaption("Vovuv " + game_.tag());
    DrawFileName = game_.drawFileName();
    Draws.Clear();
    BoardBitmap = std::make_unique<platform::TBitmap>(540, 640);
    BoardBitmap->Canvas().Pen.Color = core::clBlue;

    // The grid is set up before the first load, so the loaded cells are written once.
    StringGrid1->SetColCount(core::MainGridColumns);
    StringGrid1->SetRowCount(1);
    StringGrid1->SetDefaultColWidth(20);
    StringGrid1->SetDefaultRowHeight(20);
    StringGrid1->SetColWidths(1, 20);
    StringGrid1->SetCells(9, 0, "Max-Min");
    StringGrid1->SetColWidths(9, 50);
    StringGrid1->SetFixedColor(0xC0C0C0);
    StringGrid1->SetCells(0, 0, "№");
    StringGrid1->SetColWidths(0, 30);
    for (int k = 0; k < 6; ++k) StringGrid1->SetCells(2 + k, 0, "A" + std::to_string(k + 1));
    StringGrid1->SetCells(10, 0, "Average");
    StringGrid1->SetColWidths(10, 50);
    for (int k = 0; k < 5; ++k) StringGrid1->SetCells(12 + k, 0, "d" + std::to_string(k + 1));
    const char* tail[] = {"Odd", "Even", "Sum", "Prev"};
    for (int k = 0; k < 4; ++k) {
        StringGrid1->SetCells(18 + k, 0, tail[k]);
        StringGrid1->SetColWidths(18 + k, 30);
    }

    const std::string path = platform::InProgramFolder(DrawFileName);
    if (platform::FileExists(path)) LoadDrawFile(path);

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

bool TForm1::LoadDrawFile(const std::string& fileName) {
    const std::optional<core::LoadReport> read = ReadDrawFile(fileName, game_, Draws, Lang());
    if (!read) return false;
    const core::LoadReport& report = *read;
    const std::string message = core::LoadMessage(report, Lang());
    if (!message.empty()) platform::Dialogs().ShowMessage(message);
    if (report.loaded == 0) return true;
    FillGrid();
    DrawBoard(core::NumbersToText(Draws[0].data(), false, " ", 6));
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    return true;
}

void TForm1::FillGrid() {
    StringGrid1->BeginUpdate();
    const auto columns = core::MainGridSources(Draws, game_, {});
    for (int c = 0; c < core::MainGridColumns; ++c) StringGrid1->SetColumn(c, columns[c]);
    StringGrid1->SetRowCount(DrawCount + 1);
    StringGrid1->EndUpdate();
}

std::string TForm1::RowNumbersText(const platform::TStringGrid& grid) const {
    std::vector<std::string> cells;
    const int row = grid.Row();
    for (int c = 2; c <= 7; ++c) cells.push_back(row < grid.RowCount() ? grid.Cells(c, row) : "");
    return core::RowNumbersText(cells);
}

int TForm1::AskNumber(int def, const std::string& caption, const std::string& prompt) {
    return ::AskNumber(def, caption, prompt);
}

std::optional<int> TForm1::AskLastN(const std::string& caption, core::LastNVariant variant) {
    return ::AskLastN(*this, caption, variant);
}

std::optional<int> TForm1::AskLastN(const std::string& caption, const std::string& prompt,
                                    core::LastNVariant variant) {
    return ::AskLastN(*this, caption, prompt, variant);
}

void TForm1::ShowResult(core::CommandResult result) {
    ::ShowResult(std::move(result));
}

void TForm1::FormResize() {
    // From the second resize on, the grid's bottom stays 50 pixels above the window's bottom.
    StringGrid1->move(StringGrid1->x(), Height() - StringGrid1->height() - 50);
    StringGrid1->resize(Width() - StringGrid1->x() - 10, 250);
    Button_show->move(Button_show->x(), StringGrid1->y() - 30);
    ++resizes_;
}

void TForm1::FormPaint(QPainter& painter) {
    if (FirstPaint) {
        auto& canvas = BoardBitmap->Canvas();
        canvas.Font.Color = core::clLime;
        canvas.Font.Size = 24;
        canvas.TextOut(210, 80, game_.tag());
        FirstPaint = false;
    }
    painter.drawImage(QRect(5, 35, 345, 410), BoardBitmap->Image(), QRect(0, 0, 345, 410));
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        ToggleMaximized();
        return true;
    }
    if (key == Qt::Key_O && modifiers == Qt::ControlModifier) {
        Open1Click();
        return true;
    }
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        Help2Click();
        return true;
    }
    return false;
}

void TForm1::FormClose() {
    // A transfer still running must not write or show anything once the window is gone.
    Transfer.Close();
    if (Form_graph) Form_graph->Histogram.reset();
    WriteSettings();
    BoardBitmap.reset();
}

QPoint TForm1::PopupPoint(const TToolbarButton97& button) const {
    return ::PopupPoint(button);
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

void TForm1::About1Click() {
    platform::Dialogs().ShowMessage(Caption() + "\r\n\r\n" + std::string(kSiteRoot) + "  ");
}

void TForm1::Help2Click() {
    platform::Dialogs().ShellOpen("vovuv.chm");
}

void TForm1::Settings1Click() {
    Form_settings->ShowModal();
}

void TForm1::Button_UtilsClick() {
    Form_Utils->SetCaption(RussianUI ? "Утилиты" : "Utils");
    Form_Utils->ShowModal();
}

void TForm1::Open1Click() {
    Button_OpenClick();
}

void TForm1::Button_OpenClick() {
    const auto file = platform::Dialogs().OpenFileName("*.txt|*.txt|*.dat|*.dat|*.*|*.*",
                                                       platform::ProgramFolder());
    if (file) LoadDrawFile(*file);
}

void TForm1::Button_find_numbersClick() {
    const std::string cleaned = core::CleanFindText(Edit_find->text().toStdString());
    Edit_find->setText(QString::fromStdString(cleaned));
    std::shared_ptr<const core::LineSource> lines;
    try {
        lines = core::FindSource(Draws, cleaned);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    Form_memo->ShowSource(core::FindCaption(Lang()), std::move(lines));
}
