#include "apps/vovuv/main.h"

#include "apps/shared/Unit_memo.h"
#include "apps/vovuv/Unit_graph.h"
#include "core/ZoneCommands.h"

namespace {

// The histogram window's hand-over (Clear, the bins into hv, FirstLabel, Draw, then the
// window): the one place that talks to the histogram.
void ShowSpansHistogram(const std::array<int, 45>& bins, int firstLabel,
                        const std::string& caption) {
    if (!Form_graph) return;
    Form_graph->SetCaption(caption);
    if (auto* h = Form_graph->Histogram.get()) {
        h->Clear();
        for (int j = 0; j < static_cast<int>(bins.size()); ++j) h->hv.SetValue(j, bins[j]);
        h->FirstLabel = firstLabel;
        h->Draw();
    }
    Form_graph->ShowModal();
}

} // namespace

void TForm1::Button_PrognosisClick() {
    ShowResult(core::Prognosis(Draws, GameRules(), Language()));
}

void TForm1::Button_Spans_graphClick() {
    core::SpansResult r = core::Spans(Draws, GameRules());
    ShowResult(std::move(r.text));
    ShowSpansHistogram(r.bins, r.firstLabel, Form_memo->Caption());
}

void TForm1::Button_bandClick() {
    ShowResult(core::Band(Draws, GameRules()));
}

void TForm1::Button_Sort_by_groupsClick() {
    ShowResult(core::SortByGroups(Draws, GameRules()));
}
