#include "apps/shared/MainForm.h"

#include "apps/shared/BoardPicture.h"
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
#include "core/Find.h"
#include "core/GridColumns.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "platform/UpDown.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

TMainForm::TMainForm(const EditionBundle& bundle, const MainWindowLook& look, QWidget* parent)
    : TForm(parent), EditionHost(bundle), look_(look) {}

TMainForm::~TMainForm() = default;

TxpButton* TMainForm::CommandButton(const char* caption, int x, int y, int width,
                                    const core::BiText& texts, const Hint& hint) {
    auto* b = new TxpButton(clientArea());
    b->SetParentFont(false); // the buttons keep their own bold navy font
    b->setGeometry(x, y, width > 0 ? width : look_.commandWidth, 20);
    b->SetCaption(caption);
    if (texts.russian) commandTexts_.push_back({b, texts});
    AddHint(*b, hint);
    return b;
}

void TMainForm::AddHint(QWidget& control, const Hint& hint) {
    if (hint.start) control.setToolTip(QString::fromUtf8(hint.start));
    if (hint.text.russian) hintTexts_.push_back({&control, hint.text});
}

void TMainForm::CreateCommonControls() {
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
    Edit_find->setGeometry(look_.findBoxX, 6, 177, 21);
    Edit_find->OnEnter = [this] { Button_find_numbersClick(); };
    Button_find_numbers =
        CommandButton("Find", look_.findX, look_.findY, 57, look_.findCaption, look_.findHint);
    Button_find_numbers->resize(57, look_.findHeight);
    Button_find_numbers->OnClick = [this] { Button_find_numbersClick(); };

    UpDown1 = new TUpDown(c);
    UpDown1->setGeometry(360, 208, 17, 57);
    UpDown1->Min = 2;
    UpDown1->Max = EditionRules().board.maxPerRow;
    UpDown1->SetPosition(6);
    UpDown1->OnClick = [this] { UpDown1Click(); };

    StringGrid1 = new platform::TStringGrid(c);
    StringGrid1->setGeometry(2, look_.gridTop, 647, 113);
    StringGrid1->OnClick = [this] { StringGrid1Click(); };
    StringGrid1->OnDblClick = [this] { StringGrid1DblClick(); };
    AddHint(*StringGrid1, look_.gridHint);
}

void TMainForm::AddSeparator(QMenu& menu) {
    menu.addSeparator();
}

void TMainForm::AddEntry(QMenu& menu, const char* start, MenuEntry entry) {
    QAction* action = menu.addAction(QString::fromUtf8(start));
    // Qt toggles the check when the item is chosen; the language switch then sets it again.
    if (entry.carriesLanguage) action->setCheckable(true);
    if (entry.run) connect(action, &QAction::triggered, this, entry.run);
    entry.action = action;
    menuEntries_.push_back(std::move(entry));
}

void TMainForm::OpenStore() {
    DrawFileName = GameRules().drawFileName();
    Draws.Clear();
    Labels.clear();
    BoardBitmap = std::make_unique<platform::TBitmap>(540, 640);
    BoardBitmap->Canvas().Pen.Color = core::clBlue;
}

void TMainForm::PlaceOnScreen() {
    SetBounds(ScreenWidth() / 2 - Width() / 2, 0, Width(), ScreenHeight() - 20);
    FormResize();
}

void TMainForm::ShowStart() {
    Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    FirstPaint = true;
    ToolbarButton97_file->SetColor(xpWindow1->WinBackground.StartColor);
    ToolbarButton97_Help->SetColor(xpWindow1->WinBackground.StartColor);
}

void TMainForm::SetUpGrid() {
    // The grid is set up before the first load, so the loaded cells are written once.
    StringGrid1->SetColCount(core::MainGridColumns);
    StringGrid1->SetRowCount(1);
    StringGrid1->SetDefaultColWidth(20);
    StringGrid1->SetDefaultRowHeight(20);
    StringGrid1->SetFixedColor(look_.skinFixedColor ? xpWindow1->WinBackground.StartColor
                                                    : 0xC0C0C0);
    for (const core::MainGridColumn& c : core::MainGridTable()) {
        if (!c.ShownFor(GameRules())) continue;
        StringGrid1->SetCells(c.index, 0, c.header(core::Lang::English));
        const int width =
            c.width == core::MainGridColumn::EditionWidth ? look_.labelWidth : c.width;
        if (width > 0) StringGrid1->SetColWidths(c.index, width);
    }
}

void TMainForm::LoadStartFile() {
    const std::string path = platform::InProgramFolder(DrawFileName);
    if (platform::FileExists(path)) LoadDrawFile(path);
}

bool TMainForm::LoadDrawFile(const std::string& fileName) {
    const core::Lang lang = EditionRules().englishFileMessages ? core::Lang::English : Language();
    std::optional<core::LoadReport> read =
        ReadDrawFile(fileName, EditionRules().drawFile, Draws, lang);
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
    if (look_.findFollowsNewDraw)
        Edit_find->setText(QString::fromStdString(RowNumbersText(*StringGrid1)));
    return true;
}

void TMainForm::FillGrid() {
    StringGrid1->BeginUpdate();
    const auto columns = core::MainGridSources(Draws, GameRules(), Labels);
    for (int c = 0; c < core::MainGridColumns; ++c) StringGrid1->SetColumn(c, columns[c]);
    StringGrid1->SetRowCount(DrawCount + 1);
    StringGrid1->EndUpdate();
}

std::string TMainForm::RowNumbersText(const platform::TStringGrid& grid) const {
    std::vector<std::string> cells;
    const int row = grid.Row();
    for (int c : core::NumberColumns(core::MainGridTable(), GameRules()))
        cells.push_back(row < grid.RowCount() ? grid.Cells(c, row) : "");
    return core::RowNumbersText(cells);
}

int TMainForm::AskNumber(int def, const std::string& caption, const std::string& prompt) {
    return ::AskNumber(def, caption, prompt);
}

std::optional<int> TMainForm::AskLastN(const std::string& caption, core::LastNVariant variant) {
    return ::AskLastN(*this, caption, variant);
}

std::optional<int> TMainForm::AskLastN(const std::string& caption, const std::string& prompt,
                                       core::LastNVariant variant) {
    return ::AskLastN(*this, caption, prompt, variant);
}

void TMainForm::ShowResult(core::CommandResult result) {
    ::ShowResult(std::move(result));
}

void TMainForm::DrawBoard(const std::uint8_t* numbers) {
    if (!BoardBitmap) return;
    PaintBoard(*BoardBitmap, numbers, GameRules().perDraw, UpDown1->Position(), EditionRules());
    // Only a repaint: FormPaint copies the bitmap over what is there.
    clientArea()->update(0, 0, BoardBitmap->Width(), BoardBitmap->Height());
}

void TMainForm::DrawBoard(const std::string& numbersText) {
    std::uint8_t numbers[core::MaxPerDraw];
    core::ParseNumbers(numbersText, numbers, GameRules().perDraw);
    DrawBoard(numbers);
}

void TMainForm::StringGrid1Click() {
    const std::string numbers = RowNumbersText(*StringGrid1);
    DrawBoard(numbers);
    Edit_find->setText(QString::fromStdString(numbers));
}

void TMainForm::UpDown1Click() {
    DrawBoard(RowNumbersText(*StringGrid1));
}

// The export leaves the main window's picture on the last ticket it drew.
const platform::TBitmap* TMainForm::TicketPicture(const std::string& numbersText) {
    DrawBoard(numbersText);
    return BoardBitmap.get();
}

void TMainForm::FormResize() {
    // From the second resize on, the grid's bottom stays 50 pixels above the window's bottom.
    StringGrid1->move(StringGrid1->x(), Height() - StringGrid1->height() - 50);
    StringGrid1->resize(Width() - StringGrid1->x() - 10, 250);
    Button_show->move(Button_show->x(), StringGrid1->y() - 30);
}

void TMainForm::FormPaint(QPainter& painter) {
    if (FirstPaint) {
        auto& canvas = BoardBitmap->Canvas();
        // Otherwise in the canvas's font colour as it stands: blue once a board was drawn.
        if (look_.tagInLime) canvas.Font.Color = core::clLime;
        canvas.Font.Size = 24;
        canvas.TextOut(210, 80, GameRules().tag());
        FirstPaint = false;
    }
    painter.drawImage(QRect(5, look_.boardTop, 345, 410), BoardBitmap->Image(),
                      QRect(0, 0, 345, 410));
}

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        ToggleMaximized();
        return true;
    }
    for (const MenuEntry& e : menuEntries_) {
        const QKeyCombination k = e.shortcut;
        // A disabled item's key does nothing, as its click does.
        if (e.run && e.action->isEnabled() && k.key() != Qt::Key_unknown && k.key() == key &&
            k.keyboardModifiers() == modifiers) {
            e.run();
            return true;
        }
    }
    return false;
}

void TMainForm::FormClose() {
    // A transfer still running must not write or show anything once the window is gone.
    Transfer.Close();
    WriteSettings();
    BoardBitmap.reset();
}

QPoint TMainForm::PopupPoint(const TToolbarButton97& button) const {
    return ::PopupPoint(button);
}

void TMainForm::About1Click() {
    platform::Dialogs().ShowMessage(Caption() + "\r\n\r\n" + std::string(kSiteRoot) + "  ");
}

void TMainForm::Button_UtilsClick() {
    Form_Utils->SetCaption(core::BiText{"Утилиты", "Utils"}(Language()));
    Form_Utils->ShowModal();
}

void TMainForm::OpenDrawFile() {
    const auto file = platform::Dialogs().OpenFileName("*.txt|*.txt|*.dat|*.dat|*.*|*.*",
                                                       platform::ProgramFolder());
    if (file) LoadDrawFile(*file);
}

void TMainForm::Button_find_numbersClick() {
    const std::string cleaned = core::CleanFindText(Edit_find->text().toStdString());
    Edit_find->setText(QString::fromStdString(cleaned));
    std::shared_ptr<const core::LineSource> lines;
    try {
        lines = core::FindSource(Draws, cleaned, GameRules().perDraw);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    Form_memo->ShowSource(EditionRules().findCaption(Language()), std::move(lines));
}

namespace {

constexpr core::BiText kFileMenu{"Файл", "&File"};
constexpr core::BiText kHelpMenu{"Помощь", "&Help"};

} // namespace

void TMainForm::ApplySharedTexts(core::Lang lang) {
    for (const ButtonTexts& b : commandTexts_) b.button->SetCaption(b.texts(lang));
    for (const HintTexts& h : hintTexts_) h.control->setToolTip(QString::fromUtf8(h.texts(lang)));
    for (const core::MainGridColumn& c : core::MainGridTable()) {
        if (!c.ShownFor(GameRules())) continue;
        StringGrid1->SetCells(c.index, 0, c.header(lang));
        if (c.widthRussian > 0) StringGrid1->SetColWidths(c.index, c.WidthIn(lang));
    }
    MenuFile->setTitle(QString::fromUtf8(kFileMenu(lang)));
    MenuHelp->setTitle(QString::fromUtf8(kHelpMenu(lang)));
    ToolbarButton97_file->SetCaption(kFileMenu(lang));
    ToolbarButton97_Help->SetCaption(kHelpMenu(lang));
    for (const MenuEntry& e : menuEntries_) {
        e.action->setText(QString::fromUtf8(e.text(lang)));
        if (e.carriesLanguage) e.action->setChecked(lang == core::Lang::Russian);
    }
    ApplyLanguage(lang);
}

void TMainForm::SetLanguage(core::Lang lang) {
    lang_ = lang;
    ApplySharedTexts(lang);
}

void TMainForm::ToggleLanguage() {
    SetLanguage(lang_ == core::Lang::Russian ? core::Lang::English : core::Lang::Russian);
}
