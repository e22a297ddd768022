#include "apps/pentadraw/main.h"

#include "core/FrequencyCommands.h"

void TForm1::Button_statClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::StatisticsCommand(Draws, edition_, *n, Lang()));
}

void TForm1::Button_deltaClick() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::DeltaCommand(Draws, edition_, *n, Lang()));
}

void TForm1::Button_Average_Click() {
    const auto n = AskLastN(core::StatisticsPromptCaption(Lang()));
    if (n) ShowResult(core::AverageCommand(Draws, edition_, *n, Lang()));
}

void TForm1::Button_Cold_numbersClick() {
    ShowResult(core::ColdNumbersCommand(Draws, edition_, Lang()));
}

void TForm1::Button_Numbers_in_past_drawsClick() {
    const auto prompt = core::FrequencyPrompt(edition_, DrawCount, Lang());
    const auto n = AskLastN(prompt.caption, prompt.prompt, prompt.variant);
    if (n) ShowResult(core::FrequencyCommand(Draws, edition_, *n, Lang()));
}

void TForm1::Button_freq_A1_A5Click() {
    const auto n = AskLastN(core::FrequencyPromptCaption(Lang()));
    if (n) ShowResult(core::FreqA1A6Command(Draws, edition_, *n, Lang()));
}
