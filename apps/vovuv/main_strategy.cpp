#include "apps/vovuv/main.h"

#include "apps/shared/PairStrategyRuns.h"

void TForm1::Button_Skip_strategyClick() {
    RunSkipStrategy(*this);
}

void TForm1::Button_Freq_strategyClick() {
    RunFrequencyStrategy(*this);
}

void TForm1::Button_Freq_AnalyseClick() {
    RunFreqAnalyse(*this);
}

void TForm1::Button_FilterClick() {
    RunFilterAny(*this);
}

void TForm1::Button_SeparationClick() {
    RunSeparation(*this);
}

void TForm1::Button_showClick() {
    RunShow(*this, *StringGrid1);
}
