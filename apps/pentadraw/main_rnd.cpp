#include "apps/pentadraw/main.h"

#include "apps/pentadraw/RndTestRun.h"
#include "apps/pentadraw/Unit_high.h"
#include "apps/shared/Unit_utils.h"

void TForm1::xpButton_Rnd_TestClick() {
    // The program's one generator lives in the utilities window, whose Shuffle seeds it.
    RndTestCommand(*RndTest, *this, *xpButton_Rnd_Test, Form_Utils->Random);
}

void TForm1::ShowHighlighter() {
    Form_high->ShowModal();
}
