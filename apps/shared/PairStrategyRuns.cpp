#include "apps/shared/PairStrategyRuns.h"

#include "apps/shared/EditionHost.h"
#include "apps/shared/Handover.h"
#include "apps/shared/Prompts.h"
#include "apps/shared/Unit_stringgrid.h"
#include "components/skin/xpButton.h"
#include "core/BiText.h"
#include "core/Combinations.h"
#include "core/FilterCommands.h"
#include "core/Groups.h"
#include "core/PairCommands.h"
#include "core/StrategyCommands.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"

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

void RunTriples(const EditionHost& host) {
    const core::Edition& e = host.EditionRules();
    const auto minimum = AskByRule(core::TriplesPrompt(e, host.Language()), core::TriplesMinimum);
    if (minimum) ShowResult(core::Triples(host.Store(), e, *minimum, host.Language()));
}

void RunNumbers(const EditionHost& host) {
    const core::Prompt p = core::NumbersPrompt(host.Store().DrawCount, host.Language());
    const int lastN = AskNumber(host.Store().DrawCount, p.caption, p.prompt);
    ShowResult(core::Numbers(host.Store(), host.EditionRules(), lastN, host.Language()));
}

void RunStatsDuples(const EditionHost& host) {
    const core::Edition& e = host.EditionRules();
    const auto level = AskByRule(core::DuplesPrompt(host.Language()), [&](std::string_view answer) {
        return core::DuplesLevel(answer, e);
    });
    if (level) ShowResult(core::StatsDuples(host.Store(), e.game, *level, host.Language()));
}

void RunMatchInDraws(const EditionHost& host) {
    ShowResult(core::MatchInDraws(host.Store(), host.EditionRules().game, host.Language()));
}

void RunPeriod(const EditionHost& host) {
    const core::Prompt p = core::PeriodPrompt(host.EditionRules());
    const int minimum = AskNumber(3, p.caption, p.prompt);
    ShowResult(core::Period(host.Store(), host.EditionRules(), minimum, host.Language()));
}

void RunSkipStrategy(const EditionHost& host) {
    const int count = host.Store().DrawCount;
    const auto n =
        AskByRule(core::SkipStrategyPrompt(count, host.EditionRules(), host.Language()),
                  [count](std::string_view a) { return core::SkipStrategyLastN(a, count); });
    if (n) ShowResult(core::SkipStrategy(host.Store(), host.EditionRules(), *n, host.Language()));
}

void RunFrequencyStrategy(const EditionHost& host) {
    const core::Prompt p = core::FrequencyStrategyPrompt(host.Store().DrawCount, host.Language());
    const auto n = AskLastN(host, p.caption, p.prompt);
    if (n)
        ShowTableResult(
            core::FrequencyStrategy(host.Store(), host.EditionRules(), *n, host.Language()));
}

void RunFreqAnalyse(const EditionHost& host) {
    const core::Prompt p = core::FreqAnalysePrompt(host.Store().DrawCount, host.Language());
    const auto n = AskLastN(host, p.caption, p.prompt, core::LastNVariant::FreqAnalyse);
    if (n)
        ShowResult(core::FreqAnalyse(host.Store(), host.EditionRules().game, *n, host.Language()));
}

void RunFilterAny(const EditionHost& host) {
    ShowTableResult(core::FilterAny(host.Store(), host.EditionRules(), host.Language()), true);
}

void RunSeparation(const EditionHost& host) {
    const int count = host.Store().DrawCount;
    const core::Prompt p = core::SeparationPrompt(count, host.Language());
    const int a = AskNumber(count, p.caption, p.prompt);
    auto result = core::Separation(host.Store(), host.EditionRules().game, a, host.Language());
    if (!result) {
        platform::Dialogs().ShowMessage(core::SeparationRangeMessage(count, host.Language()));
        return;
    }
    ShowResult(std::move(*result));
}

void RunShow(const EditionHost& host, const platform::TStringGrid& mainGrid) {
    // The draw columns come from the store in use, so the copied columns stand beside the
    // draws they were worked out from, whatever the table showed before.
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(ColumnsFrom(mainGrid, host.GameRules().perDraw + 3));
    Form_StringGrid->StringGrid1->SetRowCount(mainGrid.RowCount());
    const int width = host.EditionRules().filter->showWidth;
    if (width > 0) Form_StringGrid->resize(width, Form_StringGrid->height());
    Form_StringGrid->ShowTable(core::BiText{"Таблица", "Table"}(host.Language()));
}

void RunCombinations(const EditionHost& host, TxpButton& button) {
    // No, Esc and closing the box all end the command.
    if (!platform::Dialogs().AskYesNo(core::CombinationsQuestion(host.Language()), "Confirm"))
        return;
    // The ranks come in closed form, so nothing runs between the answer and the result and
    // no window messages are processed; the button stays disabled while the windows show.
    button.SetEnabled(false);
    struct Reenable {
        TxpButton& button;
        ~Reenable() { button.SetEnabled(true); }
    } reenable{button};
    ShowResult(core::Combinations(host.Store(), host.EditionRules(), host.Language()));
}

void RunGroups(const EditionHost& host) {
    const core::Prompt p = core::GroupsPrompt();
    const int pool = host.GameRules().pool;
    const int n =
        core::GroupsAnswer(platform::Dialogs().InputBox(p.caption, p.prompt, p.defaultText), pool);
    const core::TableResult r = core::Groups(host.Store(), host.GameRules(), n, host.Language());
    // The draw columns come from the store in use, beside the groups worked out from it.
    Form_StringGrid->fill_grid();
    Form_StringGrid->PutColumns(r.table);
    Form_StringGrid->EnterGroupMode();
    Form_StringGrid->ShowTable(r.caption);
}
