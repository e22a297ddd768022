#include "apps/pentadraw/main.h"

#include "apps/shared/Handover.h"
#include "core/ZoneCommands.h"
#include "platform/Dialogs.h"

void TForm1::Button_ZoneClick() {
    const core::ZonePrompt p = core::ZonesPrompt(edition_, Lang());
    const std::string answer = platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText);
    int z = 0;
    try {
        z = core::ZoneAnswer(answer, edition_.game.pool);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return;
    }
    ShowResult(core::Zones(Draws, edition_, z, Lang()));
}

void TForm1::Button_final_sum_of_numbersClick() {
    ShowTableResult(core::FinalSums(Draws, edition_, Lang()));
}
