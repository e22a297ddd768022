#include "apps/vovuv/main.h"

#include "components/skin/xpButton.h"
#include "core/Combinations.h"
#include "core/PairCommands.h"
#include "platform/Dialogs.h"

namespace {

// An input box whose answer rule may refuse a number too large for 32 bits; the user is told
// and the command ends.
template <class Rule> std::optional<int> AskByRule(const core::Prompt& p, Rule rule) {
    const std::string answer = platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText);
    try {
        return rule(answer);
    } catch (const core::ConversionError& e) {
        platform::Dialogs().ShowMessage(e.what());
        return std::nullopt;
    }
}

} // namespace

void TForm1::Button_triplesClick() {
    const auto minimum = AskByRule(core::TriplesPrompt(edition_, Lang()), core::TriplesMinimum);
    if (!minimum) return;
    ShowResult(core::Triples(Draws, edition_, *minimum, Lang()));
}

void TForm1::Button_NumbersClick() {
    const core::Prompt p = core::NumbersPrompt(DrawCount, Lang());
    const int lastN = AskNumber(DrawCount, p.caption, p.prompt);
    ShowResult(core::Numbers(Draws, edition_, lastN, Lang()));
}

void TForm1::Button_stat_duplesClick() {
    const auto level = AskByRule(core::DuplesPrompt(Lang()), [this](std::string_view answer) {
        return core::DuplesLevel(answer, edition_);
    });
    if (!level) return;
    ShowResult(core::StatsDuples(Draws, game_, *level, Lang()));
}

void TForm1::Button_Match_in_drawsClick() {
    ShowResult(core::MatchInDraws(Draws, game_, Lang()));
}

void TForm1::Button_PeriodClick() {
    const core::Prompt p = core::PeriodPrompt(edition_);
    const int minimum = AskNumber(3, p.caption, p.prompt);
    ShowResult(core::Period(Draws, edition_, minimum, Lang()));
}

void TForm1::Button_CombinationsClick() {
    // No, Esc and closing the box all end the command.
    if (!platform::Dialogs().AskYesNo(core::CombinationsQuestion(Lang()), "Confirm")) return;
    // The ranks come in closed form, so nothing runs between the answer and the result and
    // no window messages are processed; the button stays disabled while the windows show.
    Button_Combinations->SetEnabled(false);
    struct Reenable {
        TxpButton* button;
        ~Reenable() { button->SetEnabled(true); }
    } reenable{Button_Combinations};
    ShowResult(core::Combinations(Draws, edition_, Lang()));
}
