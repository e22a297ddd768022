#include "apps/shared/Unit_utils.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "core/BiText.h"
#include "core/Combination.h"
#include "core/DrawLists.h"
#include "core/NumberLists.h"
#include "core/NumberRoutines.h"
#include "core/Sentence.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QCheckBox>
#include <QGroupBox>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <chrono>

TForm_Utils* Form_Utils = nullptr;

namespace {

constexpr int TicketWidth = 345;
constexpr int TicketHeight = 410;

void SetBackground(QWidget* w, core::TColor color) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, platform::ToQColor(color));
    w->setPalette(p);
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string S(const QLineEdit* e) {
    return e->text().toStdString();
}

} // namespace

TForm_Utils::TForm_Utils(EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    CreateControls();
    FormCreate();
}

namespace {

QLabel* AddLabel(QWidget* parent, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit* AddEdit(QWidget* parent, int x, int y, int w) {
    auto* e = new QLineEdit(parent);
    e->setGeometry(x, y, w, 21);
    return e;
}

QGroupBox* AddGroup(QWidget* parent, const char* title, QRect r) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setGeometry(r);
    return g;
}

} // namespace

TxpButton* TForm_Utils::AddButton(QWidget* parent, const std::string& caption, QRect r,
                                  void (TForm_Utils::*handler)()) {
    auto* b = new TxpButton(parent);
    b->SetParentFont(false); // the buttons keep their own bold navy font
    b->setGeometry(r);
    b->SetCaption(caption);
    b->OnClick = [this, handler] { (this->*handler)(); };
    return b;
}

void TForm_Utils::CreateControls() {
    SetCaption("Form_Utils");
    const UtilsEdition& rules = host_.UtilsRules();
    // The stored layout's size; the window is not placed as a result window.
    SetBounds((ScreenWidth() - 640) / 2, std::max((ScreenHeight() - rules.height) / 2, 0), 640,
              rules.height);
    xpWindow1 = new TxpWindow(this);
    CreateListTools();
    CreateExportBox();
    CreateGenerators();
    CreateShuffleAndCombinations();
    CreateDrawList();
    CreateTimers();
}

void TForm_Utils::CreateListTools() {
    const UtilsEdition& rules = host_.UtilsRules();
    QWidget* c = clientArea();
    Label1 = AddLabel(c, "Array 1:", 8, 12);
    Edit_in_1 = AddEdit(c, 60, 8, 121);
    Label2 = AddLabel(c, "Array 2:", 8, 44);
    Edit_in_2 = AddEdit(c, 60, 40, 121);
    Label3 = AddLabel(c, "Result:", 8, 90);
    Edit_Result = AddEdit(c, 60, 88, 121);
    Label_count = AddLabel(c, "00", 456, 120);
    Button_Remove = AddButton(c, "Remove array 1 from 1.." + std::to_string(host_.GameRules().pool),
                              rules.remove, &TForm_Utils::Button_RemoveClick);
    Button_Combine =
        AddButton(c, "Combine arrays 1 and 2", rules.combine, &TForm_Utils::Button_CombineClick);
    if (rules.highlighter)
        xpButton_Highlighter = AddButton(c, "Highlighter", rules.highlighterButton,
                                         &TForm_Utils::xpButton_HighlighterClick);
}

void TForm_Utils::CreateExportBox() {
    const UtilsEdition& rules = host_.UtilsRules();
    QWidget* c = clientArea();
    GroupBox1 = AddGroup(c, "Export chart to file", QRect(8, 216, 257, 57));
    Button_export = AddButton(rules.toolsOnWindow ? c : GroupBox1, "Export to BMP",
                              rules.exportButton, &TForm_Utils::Button_exportClick);
    CheckBox_Merge = new QCheckBox("Merge", GroupBox1);
    CheckBox_Merge->setGeometry(144, 24, 105, 17);
    CheckBox_Merge->setChecked(true);
}

void TForm_Utils::CreateGenerators() {
    const UtilsEdition& rules = host_.UtilsRules();
    QWidget* c = clientArea();
    const QRect start(8, 20, rules.startWidth, 25);
    const QRect generate(rules.generateLeft, 20, rules.generateWidth, 25);

    GroupBox2 = AddGroup(c, "Random Generator", QRect(320, 216, 297, 89));
    Button_Start = AddButton(GroupBox2, "Start", start, &TForm_Utils::Button_StartClick);
    Button_Generate =
        AddButton(GroupBox2, "Generate", generate, &TForm_Utils::Button_GenerateClick);
    Button_Generate->SetEnabled(false);
    Edit_Random = AddEdit(GroupBox2, 8, 56, 281);

    GroupBox3 = AddGroup(c, "Nonlinear Random Generator", QRect(320, 312, 297, 89));
    Button_Start_nonlinear =
        AddButton(GroupBox3, "Start", start, &TForm_Utils::Button_Start_nonlinearClick);
    Button_generate_nonlinear =
        AddButton(GroupBox3, "Generate", generate, &TForm_Utils::Button_generate_nonlinearClick);
    Button_generate_nonlinear->SetEnabled(false);
    Edit_Random_nonlinear = AddEdit(GroupBox3, 8, 56, 281);
}

void TForm_Utils::CreateShuffleAndCombinations() {
    const UtilsEdition& rules = host_.UtilsRules();
    QWidget* c = clientArea();
    GroupBox4 = AddGroup(c, "Shuffle string", QRect(320, 408, 297, 89));
    Button_shuffle = AddButton(rules.toolsOnWindow ? c : GroupBox4, "Shuffle", rules.shuffleButton,
                               &TForm_Utils::Button_shuffleClick);
    Edit_shuffle = AddEdit(GroupBox4, 8, 56, 281);
    if (!rules.findCombinations) return;

    GroupBox5 = AddGroup(c, "Find Combinations by Number", QRect(320, 512, 297, 81));
    const std::string largest = std::to_string(host_.GameRules().combinations());
    Edit_combinations_in = AddEdit(GroupBox5, 8, 20, 121);
    Edit_combinations_in->setText(Q(largest));
    Edit_combinations_in->setToolTip(Q("1..." + largest));
    Button_combinations = AddButton(GroupBox5, "Find", QRect(144, 18, 75, 25),
                                    &TForm_Utils::Button_combinationsClick);
    Edit_combinations_out = AddEdit(GroupBox5, 8, 50, 281);
}

void TForm_Utils::CreateDrawList() {
    QWidget* c = clientArea();
    Button_Reverse =
        AddButton(c, "Reverse", QRect(8, 288, 83, 25), &TForm_Utils::Button_ReverseClick);
    Button_Sort = AddButton(c, "Sort", QRect(96, 288, 81, 25), &TForm_Utils::Button_SortClick);
    CheckBox_ascend = new QCheckBox("ascend", c);
    CheckBox_ascend->setGeometry(184, 292, 121, 17);
    CheckBox_ascend->setChecked(true);
    Memo1 = new platform::TMemo(c);
    Memo1->setGeometry(8, 320, 169, 217);
    Button_Save = AddButton(c, "Save", QRect(184, 320, 121, 25), &TForm_Utils::Button_SaveClick);
    Button_Open_binary_file = AddButton(c, "Open binary file", host_.UtilsRules().openBinary,
                                        &TForm_Utils::Button_Open_binary_fileClick);
}

void TForm_Utils::CreateTimers() {
    // The generators count at the timer's pace while the user waits to click.
    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2_nonlinear = new QTimer(this);
    Timer2_nonlinear->setInterval(1);
    Timer2_nonlinear->setTimerType(Qt::PreciseTimer);
    connect(Timer2_nonlinear, &QTimer::timeout, this, [this] { Timer2_nonlinearTimer(); });
}

void TForm_Utils::FormCreate() {
    Memo1->Clear();
    const core::DrawStore& store = host_.Store();
    if (store.DrawCount <= 0) return;
    const auto lines = core::DrawListLines(store, host_.GameRules(), false);
    Memo1->SetText(platform::JoinLines(lines, false));
    if (host_.UtilsRules().setSaveFolder) SaveDialogInitialDir = platform::ProgramFolder();

    const core::TColor start = xpWindow1->WinBackground.StartColor;
    const core::TColor end = xpWindow1->WinBackground.EndColor;
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label_count)})
        SetBackground(w, start);
    for (QWidget* w : {static_cast<QWidget*>(CheckBox_Merge),
                       static_cast<QWidget*>(CheckBox_ascend), static_cast<QWidget*>(GroupBox1),
                       static_cast<QWidget*>(GroupBox2), static_cast<QWidget*>(GroupBox3),
                       static_cast<QWidget*>(GroupBox4), static_cast<QWidget*>(GroupBox5)})
        if (w) SetBackground(w, end);
}

void TForm_Utils::FormShow() {
    const core::Lang l = host_.Language();
    const UtilsEdition& rules = host_.UtilsRules();
    auto text = [l](const core::BiText& texts) { return std::string(texts(l)); };
    Button_Reverse->SetCaption(text(rules.reverse));
    Button_Sort->SetCaption(text({"Сортировать", "Sort"}));
    CheckBox_ascend->setText(Q(text({"по возрастанию", "ascend"})));
    Button_Save->SetCaption(text({"Сохранить", "Save"}));
    Button_Remove->SetCaption(core::Sentence{
        "Удалить массив 1 из 1..%1", "Remove array 1 from 1..%1"}(l, host_.GameRules().pool));
    Button_Combine->SetCaption(text({"Объединить массивы 1 и 2", "Combine arrays 1 and 2"}));
    Button_Start->SetCaption(text(rules.start));
    Button_Start_nonlinear->SetCaption(text(rules.start));
    Button_Generate->SetCaption(text({"Генерировать", "Generate"}));
    Button_generate_nonlinear->SetCaption(text({"Генерировать", "Generate"}));
    Button_shuffle->SetCaption(text({"Перемешать", "Shuffle"}));
    Button_export->SetCaption(text({"Экспорт в BMP", "Export to BMP"}));
    Button_Open_binary_file->SetCaption(text(rules.openBinaryCaption));
    CheckBox_Merge->setText(Q(text(rules.merge)));
    GroupBox1->setTitle(Q(text({"Экспорт картинок в файл", "Export chart to file"})));
    GroupBox2->setTitle(Q(text({"Генератор случайных чисел", "Random Generator"})));
    GroupBox3->setTitle(Q(text(rules.nonlinearBox)));
    GroupBox4->setTitle(Q(text(rules.shuffleBox)));
    if (!GroupBox5) return;
    GroupBox5->setTitle(Q(text({"Поиск комбинации по номеру", "Find Combinations by Number"})));
    Button_combinations->SetCaption(text({"Найти", "Find"}));
}

void TForm_Utils::FormResize() {
    Memo1->resize(Memo1->width(), std::max(Height() - host_.UtilsRules().memoHeightGap, 0));
    const int w = std::max(Width() - Edit_in_1->x() - 20, 0);
    Edit_in_1->resize(w, Edit_in_1->height());
    Edit_in_2->resize(w, Edit_in_2->height());
    Edit_Result->resize(w, Edit_Result->height());
    Label_count->move(Width() - 40, Label_count->y());
}

void TForm_Utils::FormClose() {
    // A running export ends after its current ticket.
    if (exporting_) stopExport_ = true;
    if (Timer1->isActive()) Button_StartClick();
    if (Timer2_nonlinear->isActive()) Button_Start_nonlinearClick();
}

void TForm_Utils::ShowResultList(const std::vector<int>& numbers) {
    const std::string text = core::ListText(numbers, host_.GameRules().pool);
    Edit_Result->setText(Q(text));
    Label_count->setText(QString::number(core::CountBlanks(text)));
    Label_count->adjustSize();
}

void TForm_Utils::Button_RemoveClick() {
    ShowResultList(core::RemoveFromPool(S(Edit_in_1), host_.GameRules().pool));
}

void TForm_Utils::Button_CombineClick() {
    ShowResultList(core::CombineLists(S(Edit_in_1), S(Edit_in_2), host_.GameRules().pool));
}

void TForm_Utils::Button_StartClick() {
    const core::Lang l = host_.Language();
    const UtilsEdition& rules = host_.UtilsRules();
    if (!Timer1->isActive()) {
        RandomCounter = 0;
        Button_Start->SetCaption(rules.stop(l));
        Timer1->start();
        Button_Generate->SetEnabled(true);
        if (Timer2_nonlinear->isActive()) Button_Start_nonlinearClick();
    } else {
        Button_Start->SetCaption(rules.start(l));
        Timer1->stop();
        Button_Generate->SetEnabled(false);
    }
}

void TForm_Utils::Timer1Timer() {
    RandomCounter = RandomCounter >= host_.GameRules().pool ? 1 : RandomCounter + 1;
}

void TForm_Utils::Button_GenerateClick() {
    Edit_Random->setText(Edit_Random->text() + QString::number(RandomCounter) + " ");
}

void TForm_Utils::Button_Start_nonlinearClick() {
    const core::Lang l = host_.Language();
    const UtilsEdition& rules = host_.UtilsRules();
    if (!Timer2_nonlinear->isActive()) {
        NonlinearCounter = 0;
        Button_Start_nonlinear->SetCaption(rules.stop(l));
        Timer2_nonlinear->start();
        Button_generate_nonlinear->SetEnabled(true);
        if (Timer1->isActive()) Button_StartClick();
    } else {
        Button_Start_nonlinear->SetCaption(rules.start(l));
        Timer2_nonlinear->stop();
        Button_generate_nonlinear->SetEnabled(false);
    }
}

void TForm_Utils::Timer2_nonlinearTimer() {
    NonlinearCounter = core::NextNonlinearCounter(NonlinearCounter, host_.Store().DrawCount,
                                                  host_.GameRules().perDraw);
}

void TForm_Utils::Button_generate_nonlinearClick() {
    Edit_Random_nonlinear->setText(Q(core::NonlinearClickText(
        S(Edit_Random_nonlinear), host_.Store(), host_.GameRules(), NonlinearCounter)));
}

void TForm_Utils::Button_shuffleClick() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    Random.Seed(static_cast<std::uint32_t>(now) ^ static_cast<std::uint32_t>(now >> 32));
    Edit_shuffle->setText(Q(core::ShuffleText(S(Edit_shuffle), Random)));
}

void TForm_Utils::Button_combinationsClick() {
    const core::Game& game = host_.GameRules();
    const auto input = core::CombinationRankInput(S(Edit_combinations_in), game.combinations());
    Edit_combinations_in->setText(Q(input.text));
    Edit_combinations_out->setText(Q(core::CombinationText(
        core::CombinationByRank(input.rank, game.pool, game.perDraw), game.pool)));
}

void TForm_Utils::Button_ReverseClick() {
    // Without the final line end, so the text window shows no empty last line.
    Form_memo->Memo1->SetText(
        platform::JoinLines(core::DrawListLines(host_.Store(), host_.GameRules(), true), false));
    const auto& caption = host_.UtilsRules().reversedLines;
    Form_memo->SetCaption(caption(host_.Language()));
    Form_memo->ShowModal();
}

void TForm_Utils::Button_SortClick() {
    std::vector<std::string> lines;
    for (const auto& line : Memo1->Lines())
        lines.push_back(core::SortDrawLine(line, host_.GameRules(), CheckBox_ascend->isChecked()));
    Memo1->SetText(platform::JoinLines(lines, false));
}

void TForm_Utils::Button_SaveClick() {
    std::vector<std::string> lines;
    for (const auto& line : Memo1->Lines())
        if (!line.empty()) lines.push_back(line);
    Memo1->SetText(platform::JoinLines(lines, false));

    const auto chosen =
        platform::Dialogs().SaveFileName("*.txt|*.txt|*.*|*.*", SaveDialogInitialDir, "");
    if (!chosen) return;
    // The extension comes first, so the question is about the file that will be written.
    const std::string name = core::ListFileName(*chosen);
    const core::Lang l = host_.Language();
    if (platform::FileExists(name) &&
        !platform::Dialogs().AskYesNo(
            core::Sentence{"Файл %1 уже существует. Заменить?",
                           "File %1 already exists. Replace it?"}(l, name),
            core::BiText{"Сохранить", "Save"}(l)))
        return;
    try {
        platform::WriteFileAtomic(name, platform::Utf8ToCp1251(platform::JoinLines(lines)));
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
}

void TForm_Utils::Button_exportClick() {
    // One export at a time: its steps let clicks through.
    if (exporting_) return;
    const core::Lang l =
        host_.UtilsRules().exportInEnglish ? core::Lang::English : host_.Language();
    // The draws as they are now: a load or an update while the export runs changes nothing it
    // reads (the prompt already lets events through).
    const core::DrawStore draws = host_.Store();
    exporting_ = true;
    stopExport_ = false;
    const std::string answer = platform::Dialogs().InputBox(
        core::ExportCaption(l), core::ExportPrompt(l, draws.DrawCount), "12");
    Button_export->SetEnabled(false);
    int count = 0;
    try {
        count = core::ExportCountAnswer(answer, draws.DrawCount);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
    }
    if (count > 0)
        ExportPictures(draws, count, CheckBox_Merge->isChecked(), l);
    else if (draws.DrawCount <= 0)
        platform::Dialogs().ShowMessage(
            core::BiText{"Нет тиражей для экспорта", "No draws to export"}(l));
    Button_export->SetEnabled(true);
    exporting_ = false;
}

namespace {

// The BMP bytes of a picture, or why there are none.
bool EncodeBmp(const QImage& picture, QByteArray& bytes, std::string& reason) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (writer.write(picture)) return true;
    reason = writer.errorString().toStdString();
    return false;
}

// Every pixel of the ticket that is not white goes over the merged picture.
void MergeTicket(QImage& merged, const QImage& picture) {
    if (merged.isNull()) {
        merged = QImage(TicketWidth, TicketHeight, QImage::Format_RGB32);
        merged.fill(Qt::white);
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < TicketHeight; ++y)
        for (int x = 0; x < TicketWidth; ++x) {
            const QRgb p = picture.pixel(x, y);
            if ((p & 0xFFFFFF) != (white & 0xFFFFFF)) merged.setPixel(x, y, p);
        }
}

} // namespace

std::optional<std::string> TForm_Utils::SavePicture(const QImage& picture, const std::string& name,
                                                    core::Lang l) {
    // Any entry counts as taken, a link too, so a picture never lands at another place.
    auto exists = [](const std::string& path) { return platform::NameTaken(path); };
    const std::string path = core::UniqueFileName(platform::InProgramFolder(name), exists);
    QByteArray bytes;
    std::string reason;
    if (EncodeBmp(picture, bytes, reason)) {
        try {
            platform::WriteFileAtomic(
                path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            return std::nullopt;
        } catch (const platform::FileError& e) {
            reason = e.Reason().empty() ? e.what() : e.Reason();
        }
    }
    return core::ExportSaveFailedMessage(l, path, reason);
}

void TForm_Utils::ExportPictures(const core::DrawStore& draws, int count, bool merge,
                                 core::Lang l) {
    const core::Game& game = host_.GameRules();
    auto progress =
        platform::Dialogs().StartProgress(core::ExportCaption(l), core::ExportCancelText(l), count);
    QImage merged;
    std::optional<std::string> failure;
    bool stopped = false;
    int written = 0, done = 0;
    for (int k = count; k >= 1; --k) {
        const std::string text =
            core::NumbersToText(draws[k - 1].data(), false, " ", game.perDraw, game.pool);
        const platform::TBitmap* ticket = host_.TicketPicture(text);
        if (!ticket) return;
        // Copied before events run: they may draw another ticket on the board.
        const QImage picture = ticket->Image()
                                   .copy(0, 0, TicketWidth, TicketHeight)
                                   .convertToFormat(QImage::Format_RGB32);
        if (merge) {
            MergeTicket(merged, picture);
        } else {
            failure = SavePicture(picture, std::to_string(draws.DrawCount + 1 - k) + ".bmp", l);
            if (failure) break;
            ++written;
        }
        // Cancel or a closed window ends the export here; what was written stays.
        if (!progress->Advance(++done) || stopExport_) {
            stopped = true;
            break;
        }
    }
    // The box goes before the last save and before any message: a box that shows itself late
    // would cover the message until it is answered.
    progress.reset();
    if (merge && !stopped && !failure) {
        failure = SavePicture(merged, "merged.bmp", l);
        if (!failure) ++written;
    }
    if (failure) {
        platform::Dialogs().ShowMessage(*failure);
        return;
    }
    if (stopExport_) return;
    if (stopped)
        platform::Dialogs().ShowMessage(
            core::ExportCancelledMessage(l, written, platform::ProgramFolder()));
    else if (written > 0)
        platform::Dialogs().ShowMessage(core::ExportDoneMessage(l, platform::ProgramFolder()));
}

void TForm_Utils::Button_Open_binary_fileClick() {
    const auto file = platform::Dialogs().OpenFileName("*.txt|*.txt|*.dat|*.dat|*.*|*.*",
                                                       platform::ProgramFolder());
    if (!file) return;
    const core::Lang l = host_.Language();
    std::vector<std::string> lines;
    try {
        lines = core::BinaryDrawLines(platform::ReadFileBytes(*file, core::MaxBinaryDrawFileBytes),
                                      host_.GameRules().perDraw);
    } catch (const platform::FileRefused& e) {
        platform::Dialogs().ShowMessage(core::FileRefusalMessage(e.Why(), *file, e.Limit(), l));
        return;
    } catch (const platform::FileError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    } catch (const std::bad_alloc&) {
        platform::Dialogs().ShowMessage(core::FileRefusalMessage(
            core::FileRefusal::OutOfMemory, *file, core::MaxBinaryDrawFileBytes, l));
        return;
    }
    const auto& caption = host_.UtilsRules().binaryCaption;
    Form_memo->ShowLines(caption(l), std::move(lines));
}

void TForm_Utils::xpButton_HighlighterClick() {
    host_.ShowHighlighter();
}
