#include "tests/apps/pentadraw/PentadrawTest.h"
#include "tests/support/Hints.h"

namespace {

class Hints : public PentadrawTest {};

TEST_F(Hints, ComeFromTheRowsAtTheStartAndWithEachLanguage) {
    Start();
    const std::string stat = "Statistics - Most Frequently Numbers for all games";
    testing_support::CheckHints(
        *form, {"", "", ""},
        {{"Find", {"", "Искать номера в предыдущих розыгрышах", "Find numbers in previous draws"}},
         {"Statistics", {stat, stat, stat}},
         {"Stats duples", {"Duples", "Дубли", "Duples"}}});
}

} // namespace
