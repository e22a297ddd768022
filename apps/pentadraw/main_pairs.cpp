#include "apps/pentadraw/main.h"

#include "apps/shared/PairStrategyRuns.h"

void TForm1::Button_triplesClick() {
    RunTriples(*this);
}

void TForm1::Button_NumbersClick() {
    RunNumbers(*this);
}

void TForm1::Button_stat_duplesClick() {
    RunStatsDuples(*this);
}

void TForm1::Button_Match_in_drawsClick() {
    RunMatchInDraws(*this);
}

void TForm1::Button_PeriodClick() {
    RunPeriod(*this);
}
