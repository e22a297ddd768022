#include "apps/pentadraw/main.h"

#include "apps/shared/PairStrategyRuns.h"

void TForm1::Button_GroupsClick() {
    RunGroups(*this);
}
