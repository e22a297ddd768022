#pragma once

#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "tests/support/ProgramTest.h"

class VovuvTest : public testing_support::ProgramTest<VovuvWindows, TForm1> {
protected:
    VovuvTest() : ProgramTest("6x45.txt") {}
};
