#pragma once

#include "platform/Form.h"
#include "platform/Memo.h"

#include <memory>
#include <string>
#include <vector>

class EditionHost;
class TxpButton;
class TxpCheckBox;
class TxpWindow;

// The text window: a command's lines under a title, with Reverse and Wrap.
class TForm_memo : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_memo(const EditionHost& host, QWidget* parent = nullptr);

    platform::TMemo* Memo1;
    TxpButton* Button_Reverse;
    TxpCheckBox* CheckBox_wrap;
    TxpWindow* xpWindow1;

    // The hand-over of a command: replaces the text and caption, then shows the window. The
    // lines are moved in; pass a temporary or std::move them.
    void ShowLines(const std::string& caption, std::vector<std::string> lines);
    void ShowSource(const std::string& caption, std::shared_ptr<const core::LineSource> source);

    void Button_ReverseClick();
    void CheckBox_wrapClick();

    std::string ModalContent() const override;

protected:
    void FormShow() override;
    void FormResize() override;

private:
    const EditionHost& host_;
};

extern TForm_memo* Form_memo;
