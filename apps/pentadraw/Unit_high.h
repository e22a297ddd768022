#pragma once

#include "platform/Form.h"
#include "platform/Memo.h"

#include <cstdint>
#include <functional>
#include <vector>

class TxpButton;
class TxpCheckBox;
class TxpEdit;
class TxpWindow;
class QSyntaxHighlighter;

// The HighLighter's memo: plain text whose words of the set show red; a press reports itself.
class THighMemo : public platform::TMemo {
    Q_OBJECT

public:
    using platform::TMemo::TMemo;
    std::function<void(Qt::MouseButton)> OnMouseDown;

protected:
    void mousePressEvent(QMouseEvent* event) override;
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
