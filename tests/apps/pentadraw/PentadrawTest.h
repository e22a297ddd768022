#pragma once

#include "apps/pentadraw/Windows.h"
#include "apps/pentadraw/main.h"
#include "tests/support/ProgramTest.h"

class PentadrawTest : public testing_support::ProgramTest<PentadrawWindows, TForm1> {
protected:
    PentadrawTest() : ProgramTest("5x36.txt") {}
};
