#pragma once

#include "platform/Form.h"

#include <QPlainTextEdit>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TxpButton;
class TxpCheckBox;
class TxpEdit;
class TxpWindow;
class QSyntaxHighlighter;

// The HighLighter's memo: pasted text of a few pages, coloured per word as it is typed, so a
// document-based edit with a syntax highlighter serves it.
class THighMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit THighMemo(QWidget* parent = nullptr);
    std::function<void(Qt::MouseButton)> OnMouseDown;
    // The size of text (UTF-8 bytes) one paste may bring.
    static constexpr long long MaxPasteBytes = 4LL << 20;

    void Clear() { clear(); }
    void SetWordWrap(bool on) { setLineWrapMode(on ? WidgetWidth : NoWrap); }
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void SetText(const std::string& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// The HighLighter: pasted lines of numbers with the numbers of a set in red, and Execute,
// which counts each line's hits, annotates the lines and groups them by their count.
class TForm_high : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_high(QWidget* parent = nullptr);
    ~TForm_high() override;

    TxpEdit* Edit1;
    TxpButton* xpButton1;
    TxpCheckBox* xpCheckBox_bold;
    THighMemo* Memo1;
    TxpWindow* xpWindow1;

    // The numbers read from Edit1; their count is the set's size.
    std::vector<std::uint8_t> HighlightNumbers;
    int HighlightCount() const { return static_cast<int>(HighlightNumbers.size()); }

    void Edit1Change();
    void Edit1KeyDown(int& key, Qt::KeyboardModifiers shift);
    void Memo1MouseDown(Qt::MouseButton button);
    void xpCheckBox_boldClick();
    void Button1Click();

    std::string ModalContent() const override;

protected:
    void FormResize() override;

private:
    void CreateControls();
    void FormCreate();
    void Repaint();

    std::unique_ptr<QSyntaxHighlighter> highlighter_;
};

extern TForm_high* Form_high;
