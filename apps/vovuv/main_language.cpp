#include "apps/vovuv/main.h"

#include "components/skin/xpButton.h"
#include "core/BiText.h"
#include "core/Sentence.h"
#include "platform/StringGrid.h"

// This window's own texts; its menus relabel from their rows. The three hidden buttons keep
// their captions, the application its title.
void TForm1::ApplyLanguage(core::Lang lang) {
    constexpr core::Sentence kName{"Vintara %1", "Vovuv %1"};
    constexpr core::BiText kGridTip{"Двойной клик по столбцу показывает соответствующий график",
                                    "Double click to see graph"};
    constexpr core::BiText kCharacterHint{"Характеристическое число", "Characteristic Number"};
    SetCaption(kName(lang, GameRules().tag()));
    StringGrid1->setToolTip(QString::fromUtf8(kGridTip(lang)));
    Button_Character->SetHint(kCharacterHint(lang));
}
