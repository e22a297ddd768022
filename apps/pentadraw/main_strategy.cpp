#include "apps/pentadraw/main.h"

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
