#include "apps/pentadraw/main.h"

#include "apps/shared/PairStrategyRuns.h"

void TForm1::Button_AnyClick() {
    RunFilterAny(*this);
}

void TForm1::Button_SeparationClick() {
    RunSeparation(*this);
}

void TForm1::Button_showClick() {
    RunShow(*this, *StringGrid1);
}

void TForm1::Button_CombinationsClick() {
    RunCombinations(*this, *Button_Combinations);
}
