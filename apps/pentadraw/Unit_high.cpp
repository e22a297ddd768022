#include "apps/pentadraw/Unit_high.h"

#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpEdit.h"
#include "components/skin/xpWindow.h"
#include "core/Format.h"
#include "core/HighLighter.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

TForm_high* Form_high = nullptr;

namespace {

// Colours the words of a block as the HighLighter paints them: black, or red for a number of
// the set; bold when the form says so. Separators keep the memo's own colour.
class NumberHighlighter : public QSyntaxHighlighter {
public:
    NumberHighlighter(QTextDocument* document, const TForm_high& form)
        : QSyntaxHighlighter(document), form_(form) {}

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat word;
        word.setForeground(platform::ToQColor(core::clBlack));
        QTextCharFormat red = word;
        red.setForeground(platform::ToQColor(core::clRed));
        if (form_.xpCheckBox_bold->Checked()) {
            word.setFontWeight(QFont::Bold);
            red.setFontWeight(QFont::Bold);
        }
        int pos = 0;
        for (const auto& t : core::HighlightTokens(text.toStdString(), form_.HighlightNumbers)) {
            pos += static_cast<int>(QString::fromStdString(t.separators).size());
            const int len = static_cast<int>(QString::fromStdString(t.word).size());
            if (len > 0) setFormat(pos, len, t.highlighted ? red : word);
            pos += len;
        }
    }

private:
    const TForm_high& form_;
};

} // namespace

THighMemo::THighMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(NoWrap);
}

std::vector<std::string> THighMemo::Lines() const {
    return platform::SplitLines(toPlainText().toStdString());
}

void THighMemo::SetLines(const std::vector<std::string>& lines) {
    QString all;
    for (const auto& l : lines) all += QString::fromStdString(l) + QLatin1Char('\n');
    setPlainText(all);
}

void THighMemo::SetText(const std::string& text) {
    SetLines(platform::SplitLines(text));
}

void THighMemo::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    if (OnMouseDown) OnMouseDown(event->button());
}

bool THighMemo::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

namespace {

long long Utf8Size(const QString& text) {
    long long bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // A surrogate pair is one four-byte character.
        bytes += u < 0x80 ? 1 : u < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

} // namespace

void THighMemo::insertFromMimeData(const QMimeData* source) {
    // Only plain text, read once: asking another program's clipboard for a format waits in an
    // event loop, and the data may be gone when it returns.
    const QString text = source ? source->text() : QString();
    if (text.isEmpty()) return;
    // Colouring word by word, a text of many megabytes would hold the window for minutes.
    // Sizes are the text's bytes in UTF-8, what it takes in a file.
    if (const long long bytes = Utf8Size(text); bytes > MaxPasteBytes) {
        // The window speaks English in both languages.
        platform::Dialogs().ShowMessage(
            "The text is too long to paste here: " +
            std::to_string(core::MegabytesNotBelow(bytes)) + " MB; the HighLighter takes at most " +
            std::to_string(core::MegabytesNotBelow(MaxPasteBytes)) + " MB.");
        return;
    }
    insertPlainText(text);
}

TForm_high::TForm_high(QWidget* parent) : TForm(parent) {
    CreateControls();
    FormCreate();
}

TForm_high::~TForm_high() = default;

void TForm_high::CreateControls() {
    SetCaption(" HighLighter");
    resize(640, 398);
    xpWindow1 = new TxpWindow(this);
    QWidget* c = clientArea();

    Edit1 = new TxpEdit(c);
    Edit1->setGeometry(8, 8, 305, 21);
    Edit1->SetStyle(esFlat);
    Edit1->SetRoundRadius(4);
    Edit1->SetActiveFrameColor(core::clNavy);
    Edit1->SetInActiveFrameColor(core::clBtnShadow);
    Edit1->OnChange = [this] { Edit1Change(); };
    Edit1->OnKeyDown = [this](int& key, Qt::KeyboardModifiers shift) { Edit1KeyDown(key, shift); };

    xpButton1 = new TxpButton(c);
    xpButton1->SetParentFont(false); // the buttons keep their own bold navy font
    xpButton1->setGeometry(336, 6, 75, 25);
    xpButton1->SetCaption("Execute");
    QFont bold = xpButton1->font();
    bold.setBold(true);
    xpButton1->setFont(bold);
    QPalette navy = xpButton1->palette();
    navy.setColor(QPalette::ButtonText, platform::ToQColor(core::clNavy));
    xpButton1->setPalette(navy);
    xpButton1->OnClick = [this] { Button1Click(); };

    xpCheckBox_bold = new TxpCheckBox(c);
    xpCheckBox_bold->setGeometry(432, 12, 57, 17);
    xpCheckBox_bold->SetCaption("Bold");
    xpCheckBox_bold->CheckColor = 0x00A000;
    xpCheckBox_bold->OnClick = [this] { xpCheckBox_boldClick(); };

    Memo1 = new THighMemo(c);
    Memo1->setGeometry(0, 42, 640, 398 - 42);
    Memo1->SetWordWrap(false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->OnMouseDown = [this](Qt::MouseButton button) { Memo1MouseDown(button); };
    highlighter_ = std::make_unique<NumberHighlighter>(Memo1->document(), *this);
}

void TForm_high::FormCreate() {
    Memo1->Clear();
    Edit1->SetText("");
    xpCheckBox_bold->SetColor(xpWindow1->WinBackground.StartColor);
    HighlightNumbers.clear();
    PlaceAsResultWindow(600);
}

void TForm_high::FormResize() {
    // Aligned to the bottom under the tool row; the layout's 70 counts the caption too.
    const QWidget* c = clientArea();
    Memo1->setGeometry(0, 42, c->width(), std::max(c->height() - 42, 0));
}

void TForm_high::Repaint() {
    highlighter_->rehighlight();
}

void TForm_high::Edit1Change() {
    const std::string text = Edit1->Text();
    const std::string digits = core::DigitsAndBlanks(text);
    // Writing back only a changed text keeps the cursor and ends the change chain here.
    if (digits != text) {
        const int cursor = Edit1->cursorPosition();
        Edit1->SetText(digits);
        Edit1->setCursorPosition(std::min(cursor, static_cast<int>(Edit1->text().size())));
        return; // the write-back reported a change of its own
    }
    HighlightNumbers = core::HighlightNumberList(digits);
    Repaint();
}

void TForm_high::Edit1KeyDown(int& key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    key = 0;
    Edit1Change();
    Button1Click();
}

void TForm_high::Memo1MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) Edit1Change();
}

void TForm_high::xpCheckBox_boldClick() {
    Repaint();
}

void TForm_high::Button1Click() {
    const std::string digits = core::DigitsAndBlanks(Edit1->Text());
    std::string collapsed;
    for (char ch : digits)
        if (!(ch == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += ch;
    if (collapsed != Edit1->Text()) Edit1->SetText(collapsed);
    HighlightNumbers = core::HighlightNumberList(collapsed);
    Memo1->SetLines(core::HighlighterExecute(Memo1->Lines(), HighlightNumbers));
    Repaint();
}

std::string TForm_high::ModalContent() const {
    return platform::JoinLines(Memo1->Lines(), false);
}
