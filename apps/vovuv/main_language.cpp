#include "apps/vovuv/main.h"

#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"

#include <QAction>

namespace {

void SetItem(QAction* item, const core::BiText& t, core::Lang lang) {
    if (item) item->setText(QString::fromUtf8(t(lang)));
}

} // namespace

// This window's own texts. Left alone: the Rus/Eng items, the pop-up's Settings item, the
// three hidden buttons and the application's title.
void TForm1::ApplyLanguage(core::Lang lang) {
    const bool ru = lang == core::Lang::Russian;
    SetItem(MainFileItem(0), {"Открыть (Ctrl+O)", "&Open"}, lang);
    SetItem(MainFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(MainFileItem(3), {"Настройки", "Settings"}, lang);
    SetItem(MainFileItem(5), {"Выход", "&Exit"}, lang);
    SetCaption((ru ? "Vintara " : "Vovuv ") + GameRules().tag());
    StringGrid1->setToolTip(
        QString::fromUtf8(ru ? "Двойной клик по столбцу показывает соответствующий график"
                             : "Double click to see graph"));
    Button_Character->SetHint(ru ? "Характеристическое число" : "Characteristic Number");
    SetItem(PopupFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, lang);
    SetItem(PopupFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(PopupFileItem(5), {"Выход (Alt+X)", "&Exit (Alt+X)"}, lang);
}

void TForm1::RusEng1Click() {
    // Only the main menu's item carries the language; the pop-up's never shows a check.
    QAction* item = MainFileItem(2);
    item->setChecked(!item->isChecked());
    if (item->isChecked())
        SetRussian();
    else
        SetEnglish();
}
