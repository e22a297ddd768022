#include "apps/vovuv/main.h"

#include "core/Sentence.h"

// This window's own texts; its menus, buttons and hints relabel from their rows. The three
// hidden buttons keep their captions, the application its title.
void TForm1::ApplyLanguage(core::Lang lang) {
    constexpr core::Sentence kName{"Vintara %1", "Vovuv %1"};
    SetCaption(kName(lang, GameRules().tag()));
}
