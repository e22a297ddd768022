#include "apps/pentadraw/main.h"

#include <QAction>

namespace {

void SetItem(QAction* item, const core::BiText& t, core::Lang lang) {
    if (item) item->setText(QString::fromUtf8(t(lang)));
}

} // namespace

// This window's own texts. The window's caption stays as FormCreate set it; the Rus/Eng items
// keep theirs.
void TForm1::ApplyLanguage(core::Lang lang) {
    SetItem(MainFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, lang);
    SetItem(MainFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(MainFileItem(4), {"Выход (Alt+X)", "&Exit (Alt+X)"}, lang);
    SetItem(PopupFileItem(0), {"Открыть (Ctrl+O)", "&Open (Ctrl+O)"}, lang);
    SetItem(PopupFileItem(1), {"Обновить данные через Интернет", "Update"}, lang);
    SetItem(PopupFileItem(4), {"Выход (Alt+X)", "&Exit (Alt+X)"}, lang);
}

void TForm1::RusEng2Click() {
    ToggleLanguage(LanguageItem());
}

void TForm1::RusEng1Click() {
    ToggleLanguage(MainFileItem(2));
}

void TForm1::ToggleLanguage(QAction* item) {
    item->setChecked(!item->isChecked());
    if (item->isChecked())
        SetRussian();
    else
        SetEnglish();
}
