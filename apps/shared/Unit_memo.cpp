#include "apps/shared/Unit_memo.h"

#include "apps/shared/EditionHost.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpCheckBox.h"
#include "components/skin/xpWindow.h"

TForm_memo* Form_memo = nullptr;

TForm_memo::TForm_memo(const EditionHost& host, QWidget* parent) : TForm(parent), host_(host) {
    SetCaption("Statistics");
    xpWindow1 = new TxpWindow(this);
    const core::MemoLayout& layout = host_.EditionRules().memo;
    Button_Reverse = new TxpButton(clientArea());
    Button_Reverse->SetParentFont(false); // the buttons keep their own bold navy font
    Button_Reverse->setGeometry(layout.reverseX, layout.reverseY, layout.reverseW, layout.reverseH);
    Button_Reverse->SetCaption("Reverse");
    Button_Reverse->OnClick = [this] { Button_ReverseClick(); };
    CheckBox_wrap = new TxpCheckBox(clientArea());
    CheckBox_wrap->setGeometry(layout.wrapX, layout.wrapY, layout.wrapW, layout.wrapH);
    CheckBox_wrap->SetCaption("Wrap");
    CheckBox_wrap->CheckColor = 0x00A000;
    CheckBox_wrap->OnClick = [this] { CheckBox_wrapClick(); };
    Memo1 = new platform::TMemo(clientArea());
    Memo1->setGeometry(0, 40, layout.width, 400);

    // FormCreate
    PlaceAsResultWindow(layout.width);
    CheckBox_wrap->SetColor(xpWindow1->WinBackground.StartColor);
    FormResize();
}

void TForm_memo::ShowLines(const std::string& caption, std::vector<std::string> lines) {
    Memo1->SetLines(std::move(lines));
    SetCaption(caption);
    ShowModal();
}

void TForm_memo::ShowSource(const std::string& caption,
                            std::shared_ptr<const core::LineSource> source) {
    Memo1->SetSource(std::move(source));
    SetCaption(caption);
    ShowModal();
}

void TForm_memo::FormShow() {
    const core::Lang lang = host_.Language();
    Button_Reverse->SetCaption(host_.EditionRules().memo.reverse(lang));
    CheckBox_wrap->SetCaption(core::BiText{"Сворачивать", "Wrap"}(lang));
}

void TForm_memo::FormResize() {
    // Aligned to the bottom of the window, under the two controls.
    const int h = Height() - 62;
    Memo1->setGeometry(0, clientArea()->height() - std::max(h, 0), clientArea()->width(),
                       std::max(h, 0));
}

void TForm_memo::Button_ReverseClick() {
    // An index flip: the lines are not copied.
    Memo1->Reverse();
}

void TForm_memo::CheckBox_wrapClick() {
    Memo1->SetWordWrap(CheckBox_wrap->Checked());
}

std::string TForm_memo::ModalContent() const {
    return Memo1->Text();
}
