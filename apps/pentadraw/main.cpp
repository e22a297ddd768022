#include "apps/pentadraw/main.h"

#include "apps/pentadraw/RndTestRun.h"
#include "apps/shared/DrawFileRead.h"
#include "apps/shared/Handover.h"
#include "apps/shared/PopupPlace.h"
#include "apps/shared/Prompts.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_utils.h"
#include "components/net/HttpProt.h"
#include "components/skin/TB97Ctls.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "core/GridColumns.h"
#include "core/Find.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "platform/UpDown.h"

#include <QMenu>
#include <QPainter>

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : TForm(parent) {
    RndTest = new TRndTestRun(this);
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
    resize(691, 681);
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
    Edit_find->setGeometry(176, 6, 177, 21);
    Edit_find->OnEnter = [this] { Button_find_numbersClick(); };
    Button_find_numbers = CommandButton("Find", 112, 7, &TForm1::Button_find_numbersClick, 57);

    UpDown1 = new TUpDown(c);
    UpDown1->setGeometry(360, 208, 17, 57);
    UpDown1->Min = 2;
    UpDown1->Max = edition_.board.maxPerRow;
    UpDown1->SetPosition(6);
    UpDown1->OnClick = [this] { UpDown1Click(); };

    StringGrid1 = new platform::TStringGrid(c);
    StringGrid1->setGeometry(2, 520, 647, 113);
    StringGrid1->OnClick = [this] { StringGrid1Click(); };
    StringGrid1->OnDblClick = [this] { StringGrid1DblClick(); };

    Button_show = CommandButton("Show", 360, 424, &TForm1::Button_showClick, 57);

    const int a = 405, b = 545;
    auto row = [](int k) { return 8 + 24 * k; };
    Button_stat = CommandButton("Statistics", a, row(0), &TForm1::Button_statClick);
    Button_stat->SetHint("Statistics - Most Frequently Numbers for all games");
    Button_stat_duples = CommandButton("Stats duples", a, row(1), &TForm1::Button_stat_duplesClick);
    Button_stat_duples->SetHint("Duples");
    Button_Any = CommandButton("Filter Any", a, row(2), &TForm1::Button_AnyClick);
    Button_Cold_numbers =
        CommandButton("Cold numbers", a, row(3), &TForm1::Button_Cold_numbersClick);
    Button_triples = CommandButton("Triples", a, row(5), &TForm1::Button_triplesClick);
    Button_Skip_strategy =
        CommandButton("Skip strategy", a, row(6), &TForm1::Button_Skip_strategyClick);
    Button_Numbers = CommandButton("Numbers", a, row(7), &TForm1::Button_NumbersClick);
    Button_Freq_strategy =
        CommandButton("Frequency strategy", a, row(8), &TForm1::Button_Freq_strategyClick);
    Button_Match_in_draws =
        CommandButton("Match in draws", a, row(9), &TForm1::Button_Match_in_drawsClick);
    Button_freq_A1_A5 = CommandButton("Freq A1...A5", a, row(10), &TForm1::Button_freq_A1_A5Click);
    Button_Separation = CommandButton("Separation", a, row(11), &TForm1::Button_SeparationClick);
    Button_center = CommandButton("Center", a, row(12), &TForm1::Button_centerClick);
    Button_Groups = CommandButton("Groups", a, row(13), &TForm1::Button_GroupsClick);
    xpButton_Map_2 = CommandButton("Map 2", a, row(14), &TForm1::xpButton_Map_2Click);

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
    Button_Difference = CommandButton("Difference", b, row(12), &TForm1::Button_DifferenceClick);
    xpButton_Rnd_Test = CommandButton("RND Test", b, row(13), &TForm1::xpButton_Rnd_TestClick);
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
    DrawFileName = edition_.game.drawFileName();
    Draws.Clear();
    Labels.clear();
    BoardBitmap = std::make_unique<platform::TBitmap>(540, 640);
    BoardBitmap->Canvas().Pen.Color = core::clBlue;
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    FormResize();

    // The grid is set up before the first load, so the loaded cells are written once.
    StringGrid1->SetColCount(core::MainGridColumns);
    StringGrid1->SetRowCount(1);
    StringGrid1->SetDefaultColWidth(20);
    StringGrid1->SetDefaultRowHeight(20);
    StringGrid1->SetColWidths(1, 70);
    StringGrid1->SetCells(9, 0, "Max-Min");
    StringGrid1->SetColWidths(9, 50);
    StringGrid1->SetFixedColor(xpWindow1->WinBackground.StartColor);
    StringGrid1->SetCells(0, 0, "№");
    StringGrid1->SetColWidths(0, 30);
    const int n = edition_.game.perDraw;
    for (int k = 0; k < n; ++k) StringGrid1->SetCells(2 + k, 0, "A" + std::to_string(k + 1));
    StringGrid1->SetCells(10, 0, "Average");
    StringGrid1->SetColWidths(10, 50);
    for (int k = 0; k + 1 < n; ++k) StringGrid1->SetCells(12 + k, 0, "d" + std::to_string(k + 1));
    const char* tail[] = {"Odd", "Even", "Sum", "Prev"};
    for (int k = 0; k < 4; ++k) {
        StringGrid1->SetCells(18 + k, 0, tail[k]);
        StringGrid1->SetColWidths(18 + k, 30);
    }

    const std::string path = platform::InProgramFolder(DrawFileName);
    if (platform::FileExists(path)) LoadDrawFile(path);

    RussianUI = false;
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    FormResize();
    ReadSettings();
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    FirstPaint = true;
    // The language never changes the caption.
    SetCaption("Vovuv " + edition_.game.tag() + " - " + kSiteRoot);
    platform::SetApplicationTitle(Caption());
    ToolbarButton97_file->SetColor(xpWindow1->WinBackground.StartColor);
    ToolbarButton97_Help->SetColor(xpWindow1->WinBackground.StartColor);
}

bool TForm1::LoadDrawFile(const std::string& fileName) {
    const core::Lang lang = edition_.englishFileMessages ? core::Lang::English : Lang();
    std::optional<core::LoadReport> read = ReadDrawFile(fileName, edition_.drawFile, Draws, lang);
    if (!read) return false;
    core::LoadReport& report = *read;
    const std::string message = core::LoadMessage(report, lang);
    if (!message.empty()) platform::Dialogs().ShowMessage(message);
    if (report.loaded == 0 && !report.emptied) return true;
    Labels = std::move(report.labels);
    FillGrid();
    // An emptied store shows an empty ticket, not the draw that was there before.
    core::Draw newest{};
    if (DrawCount > 0) GetDraw(newest, 0);
    DrawBoard(newest.data());
    return true;
}

void TForm1::FillGrid() {
    StringGrid1->BeginUpdate();
    const auto columns = core::MainGridSources(Draws, edition_.game, Labels);
    for (int c = 0; c < core::MainGridColumns; ++c) StringGrid1->SetColumn(c, columns[c]);
    StringGrid1->SetRowCount(DrawCount + 1);
    StringGrid1->EndUpdate();
}

std::string TForm1::RowNumbersText(const platform::TStringGrid& grid) const {
    std::vector<std::string> cells;
    const int row = grid.Row();
    for (int c = 2; c < 2 + edition_.game.perDraw; ++c)
        cells.push_back(row < grid.RowCount() ? grid.Cells(c, row) : "");
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
}

void TForm1::FormPaint(QPainter& painter) {
    if (FirstPaint) {
        // In the canvas's font colour as it stands: blue once a board was drawn.
        auto& canvas = BoardBitmap->Canvas();
        canvas.Font.Size = 24;
        canvas.TextOut(210, 80, edition_.game.tag());
        FirstPaint = false;
    }
    painter.drawImage(QRect(5, 45, 345, 410), BoardBitmap->Image(), QRect(0, 0, 345, 410));
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        ToggleMaximized();
        return true;
    }
    if (key == Qt::Key_X && modifiers == Qt::AltModifier) {
        ExitCtrlX1Click();
        return true;
    }
    if (key == Qt::Key_O && modifiers == Qt::ControlModifier) {
        OpenCtrlO1Click();
        return true;
    }
    return false;
}

void TForm1::FormClose() {
    // A transfer still running must not write or show anything once the window is gone.
    Transfer.Close();
    WriteSettings();
    BoardBitmap.reset();
}

QPoint TForm1::PopupPoint(const TToolbarButton97& button) const {
    return ::PopupPoint(button);
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

void TForm1::About1Click() {
    platform::Dialogs().ShowMessage(Caption() + "\r\n\r\n" + std::string(kSiteRoot) + "  ");
}

void TForm1::Button_UtilsClick() {
    Form_Utils->SetCaption(RussianUI ? "Утилиты" : "Utils");
    Form_Utils->ShowModal();
}

void TForm1::OpenCtrlO1Click() {
    const auto file = platform::Dialogs().OpenFileName("*.txt|*.txt|*.dat|*.dat|*.*|*.*",
                                                       platform::ProgramFolder());
    if (file) LoadDrawFile(*file);
}

void TForm1::Button_find_numbersClick() {
    const std::string cleaned = core::CleanFindText(Edit_find->text().toStdString());
    Edit_find->setText(QString::fromStdString(cleaned));
    std::shared_ptr<const core::LineSource> lines;
    try {
        lines = core::FindSource(Draws, cleaned, edition_.game.perDraw);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    Form_memo->ShowSource(edition_.findCaption(Lang()), std::move(lines));
}
