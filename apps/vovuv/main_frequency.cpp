#include "apps/vovuv/main.h"

#include "core/FrequencyCommands.h"

void TForm1::Button_statClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::StatisticsCommand(Draws, game_, *n, Lang()));
}

void TForm1::Button_deltaClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::DeltaCommand(Draws, game_, *n, Lang()));
}

void TForm1::Button_Average_Click() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::AverageCommand(Draws, game_, *n, Lang()));
}

void TForm1::Button_Cold_numbersClick() {
    ShowResult(core::ColdNumbersCommand(Draws, game_, Lang()));
}

void TForm1::Button_Numbers_in_past_drawsClick() {
    const auto n = AskLastN(core::FrequencyPromptCaption(Lang()));
    if (n) ShowResult(core::FrequencyCommand(Draws, game_, *n, Lang()));
}

void TForm1::Button_freq_A1_A6Click() {
    const auto n = AskLastN(core::FrequencyPromptCaption(Lang()));
    if (n) ShowResult(core::FreqA1A6Command(Draws, game_, *n, Lang()));
}
